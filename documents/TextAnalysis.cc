#include "documents/TextAnalysis.h"

#include <utility>

#include "engine/TextStatistics.h"
#include "report/Recommendations.h"
#include "results/ExportDocument.h"
#include "results/SummaryLine.h"

TextAnalysis AnalyseFigures(std::u16string text, EnglishVariant variant, int scenario,
                            CountingOptions counting) {
    TextAnalysis analysis;
    analysis.variant = variant;
    analysis.scenario = scenario;
    analysis.rates = counting.rates.value_or(RatesForScenario(scenario, variant));
    analysis.job.text = std::move(text);
    const AsciiWordCounts asciiWords =
        counting.memory != nullptr
            ? RunAnalysisRemembering(analysis.job, variant, analysis.rates, *counting.memory)
            : RunAnalysis(analysis.job, variant, analysis.rates);

    const AnalysisJob& job = analysis.job;
    analysis.complexWordCount = asciiWords.complexWords;
    analysis.longWordCount = asciiWords.longWords;
    if (!IsTooShortForScore(job)) {
        analysis.score = ComputeWeightedScoreFromCounts(job, asciiWords.complexWords,
                                                        SelectScoreProfile(scenario, variant));
    }
    return analysis;
}

TextAnalysis AnalyseText(std::u16string text, EnglishVariant variant, int scenario,
                         CountingOptions counting) {
    TextAnalysis analysis = AnalyseFigures(std::move(text), variant, scenario, counting);
    const AnalysisJob& job = analysis.job;
    for (std::size_t i = 0; i < kMetricRows.size(); ++i) {
        analysis.rows[i] = ViewMetricRow(kMetricRows[i], job, variant);
    }
    SummaryMemory memory;
    analysis.summary = SummaryLineText(memory, job, scenario, CharactersPerPage(variant));
    analysis.report = BuildRecommendations(job, scenario, variant);
    analysis.exportDocument = ExportDocument(job, scenario, variant, analysis.report);
    return analysis;
}
