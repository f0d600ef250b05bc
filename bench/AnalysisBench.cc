#include <benchmark/benchmark.h>
#include <malloc.h>

#include <vector>

#include "engine/AnalysisJob.h"
#include "engine/CountMemory.h"
#include "engine/ReadingRates.h"
#include "engine/SentenceSpans.h"
#include "engine/TextStatistics.h"
#include "report/Recommendations.h"
#include "report/SentenceImpact.h"
#include "results/ExportDocument.h"
#include "results/MetricRows.h"
#include "results/SummaryLine.h"
#include "testsupport/SampleText.h"

namespace {

// What the window's full pass and an export compute for one text.
void FullAnalysis(benchmark::State& state, EnglishVariant variant) {
    const std::u16string text = SampleEnglishText(static_cast<std::size_t>(state.range(0)));
    const int scenario = 0;
    for (auto _ : state) {
        AnalysisJob job;
        job.text = text;
        RunAnalysis(job, variant, RatesForScenario(scenario, variant));
        for (const MetricRow& row : kMetricRows) {
            benchmark::DoNotOptimize(ViewMetricRow(row, job, variant));
        }
        SummaryMemory memory;
        benchmark::DoNotOptimize(
            SummaryLineText(memory, job, scenario, CharactersPerPage(variant)));
        const std::u16string report = BuildRecommendations(job, scenario, variant);
        benchmark::DoNotOptimize(ExportDocument(job, scenario, variant, report));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0) * 2);
}

// The sentences of the text with their levels and impacts, after the counts
// the full pass has made; the full pass alone is the baseline beside it.
void BM_SentenceImpacts(benchmark::State& state) {
    const std::u16string text = SampleEnglishText(static_cast<std::size_t>(state.range(0)));
    const EnglishVariant variant = EnglishVariant::Us;
    AnalysisJob job;
    job.text = text;
    RunAnalysis(job, variant, RatesForScenario(0, variant));
    const AsciiWordCounts ascii = CountAsciiWords(job.text, variant);
    for (auto _ : state) {
        const std::vector<SentenceSpan> spans = SentenceSpans(text, variant);
        benchmark::DoNotOptimize(SentenceImpacts(job, ascii, spans, 0, variant));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0) * 2);
}

// The counts while typing: one letter put in or taken out of a long text, counted
// afresh and counted remembering the pieces met before, in the same run.
void TypingCounts(benchmark::State& state, bool remembering) {
    std::u16string text = SampleEnglishText(static_cast<std::size_t>(state.range(0)));
    const EnglishVariant variant = EnglishVariant::Us;
    const std::size_t middle = text.size() / 2;
    CountMemory memory;
    bool remove = false;
    for (auto _ : state) {
        remove ? text.erase(middle, 1) : text.insert(middle, 1, u'a');
        remove = !remove;
        AnalysisJob job{.text = text};
        if (remembering) {
            benchmark::DoNotOptimize(CountTextRemembering(job, variant, memory));
        } else {
            CountText(job, variant);
            benchmark::DoNotOptimize(CountAsciiWords(job.text, variant));
        }
    }
    state.SetBytesProcessed(state.iterations() * state.range(0) * 2);
}

void BM_TypingCountsAfresh(benchmark::State& state) {
    TypingCounts(state, false);
}
void BM_TypingCountsRemembering(benchmark::State& state) {
    TypingCounts(state, true);
}

void BM_FullAnalysisUs(benchmark::State& state) {
    FullAnalysis(state, EnglishVariant::Us);
}
void BM_FullAnalysisUk(benchmark::State& state) {
    FullAnalysis(state, EnglishVariant::Uk);
}

}  // namespace

BENCHMARK(BM_FullAnalysisUs)->Arg(1000)->Arg(32768)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullAnalysisUk)->Arg(32768)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SentenceImpacts)->Arg(32768)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypingCountsAfresh)->Arg(32768)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypingCountsRemembering)->Arg(32768)->Unit(benchmark::kMicrosecond);

// Each iteration frees two 64 KB texts at once; without this glibc hands the
// top of the heap back and every iteration pays for faulting it in again,
// which a running program with a settled heap does not.
int main(int argc, char** argv) {
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
