// Arbitrary UTF-16 through the gate, the full analysis, the report and the
// export document, checking what must hold for every input.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "engine/AnalysisJob.h"
#include "engine/InputValidation.h"
#include "engine/ReadingRates.h"
#include "engine/Scenario.h"
#include "engine/SentenceSpans.h"
#include "engine/SpellingNormalisation.h"
#include "engine/TextStatistics.h"
#include "engine/TwoDecimals.h"
#include "report/LexicalStatistics.h"
#include "report/Recommendations.h"
#include "report/SentenceImpact.h"
#include "results/ExportDocument.h"
#include "results/MetricRows.h"
#include "results/SummaryLine.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Every line ends in CR LF; a scored report may open with one bare LF. The
// frequency lines quote words of the text, line breaks and all, so they are
// checked as a whole and left out.
bool EndsEveryLineWithCrLf(std::u16string report, std::u16string_view text) {
    const std::u16string heading = u"Word Frequency Analysis:\r\n";
    if (const auto at = report.find(heading); at != std::u16string::npos) {
        std::size_t position = at + heading.size();
        for (const WordFrequency& entry : ScanLexicon(text).mostFrequent) {
            const std::u16string line = u"  \u2022 '" + entry.word + u"' appears " +
                                        FormatCount(entry.count) + u" times\r\n";
            if (report.compare(position, line.size(), line) != 0) {
                return false;
            }
            report.replace(position, line.size(), u"\r\n");
            position += 2;
        }
    }
    std::size_t start = report.size() > 0 && report[0] == u'\n' ? 1 : 0;
    if (report.size() < start + 2 || report.back() != u'\n') {
        return false;
    }
    for (std::size_t i = start; i < report.size(); ++i) {
        if (report[i] == u'\n' && (i == start || report[i - 1] != u'\r')) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const auto variant = (data[0] & 1) ? EnglishVariant::Uk : EnglishVariant::Us;
    const int scenario = (data[0] >> 1) % kScenarioCount;
    std::u16string text;
    for (std::size_t i = 1; i + 1 < size; i += 2) {
        text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    }

    const CleanedInput cleaned = CleanInput(text, variant);
    Check(cleaned.text.size() <= kMaxInputLength);

    AnalysisJob job;
    job.text = text;
    RunAnalysis(job, variant, RatesForScenario(scenario, variant));
    if (!text.empty()) {
        Check(job.text == NormalisedSpelling(text, variant));
        Check(job.characterCount == static_cast<std::int64_t>(job.text.size()));
    }
    for (const MetricRow& row : kMetricRows) {
        Check(std::isfinite(job.*row.measure));
        const MetricRowView view = ViewMetricRow(row, job, variant);
        Check(view.barValue >= 0 && view.barValue <= row.barMaximum);
        Check(!view.label.empty());
    }

    const std::u16string report = BuildRecommendations(job, scenario, variant);
    Check(EndsEveryLineWithCrLf(report, job.text));

    const std::u16string document = ExportDocument(job, scenario, variant, report);
    Check(document.size() > report.size() && document.back() == u'\n');

    // The sentences' counts add up to the text's, and nothing they give is infinite.
    const std::vector<SentenceSpan> spans = SentenceSpans(text, variant);
    const AsciiWordCounts ascii = CountAsciiWords(job.text, variant);
    SentenceSpan sum;
    std::size_t end = spans.empty() ? 0 : spans.front().start;
    for (const SentenceSpan& span : spans) {
        Check(span.start == end && span.start < span.end && span.end <= text.size());
        end = span.end;
        AddCounts(sum, span);
        Check(std::isfinite(span.grade));
    }
    if (!spans.empty()) {
        Check(sum.words == job.wordCount && sum.sentences == job.sentenceCount &&
              sum.syllables == job.syllableCount && sum.characters == job.characterCount &&
              sum.complexWords == ascii.complexWords && sum.longWords == ascii.longWords);
    }
    for (const SentenceImpact& impact : SentenceImpacts(job, ascii, spans, scenario, variant)) {
        Check(std::isfinite(impact.gradeWithout) &&
              (!impact.scoreWithout || std::isfinite(*impact.scoreWithout)));
    }

    SummaryMemory memory;
    const std::u16string summary =
        SummaryLineText(memory, job, scenario, CharactersPerPage(variant));
    Check(summary == SummaryLineText(memory, job, scenario, CharactersPerPage(variant)));
    return 0;
}
