#include "results/MetricRows.h"

#include <algorithm>
#include <cmath>

#include "engine/TwoDecimals.h"
#include "report/MetricLabels.h"
#include "results/ControlNumbers.h"

namespace {

constexpr std::u16string_view kMinutes = u" minutes";

// The row at `order` in kMetricRows, shown at `screenRow`.
constexpr MetricRow Row(int order, int screenRow, int barMaximum, std::u16string_view caption,
                        std::u16string_view suffix, std::string_view key,
                        double AnalysisJob::*measure) {
    return {screenRow,
            kFirstRowHelpIcon + screenRow,
            kFirstMetricValue + order,
            kFirstMetricBar + order,
            kFirstMetricLabel + order,
            barMaximum,
            caption,
            suffix,
            key,
            measure};
}

}  // namespace

// The two times come before the Gunning Fog Index, which is shown above them.
const std::array<MetricRow, 9> kMetricRows = {{
    Row(0, 0, 100, u"Flesch-Kincaid Ease: ", u"", "FKEase", &AnalysisJob::fleschReadingEase),
    Row(1, 1, 20, u"Flesch-Kincaid Grade Level: ", u"", "FKGrade",
        &AnalysisJob::fleschKincaidGrade),
    Row(2, 2, 20, u"Coleman-Liau Index: ", u"", "CLI", &AnalysisJob::colemanLiauIndex),
    Row(3, 3, 20, u"Automated Readability Index: ", u"", "ARI", &AnalysisJob::automatedIndex),
    Row(4, 4, 20, u"SMOG Index: ", u"", "SMOG", &AnalysisJob::smogIndex),
    Row(5, 5, 100, u"LIX Index: ", u"", "LIX", &AnalysisJob::lixIndex),
    Row(6, 7, 10, u"Estimated Reading Time: ", kMinutes, "ReadingTime",
        &AnalysisJob::readingTimeMinutes),
    Row(7, 8, 10, u"Estimated Speaking Time: ", kMinutes, "SpeakingTime",
        &AnalysisJob::speakingTimeMinutes),
    Row(8, 6, 20, u"Gunning Fog Index: ", u"", "GunningFog", &AnalysisJob::gunningFogIndex),
}};

std::u16string MetricValueText(const MetricRow& row, const AnalysisJob& job) {
    std::u16string text(row.caption);
    text += FormatTwoDecimals(job.*row.measure);
    text += row.suffix;
    return text;
}

int MetricBarValue(const MetricRow& row, const AnalysisJob& job) {
    const double measure = job.*row.measure;
    if (!std::isfinite(measure)) {
        return 0;
    }
    // Held in range before the conversion, so a huge measure cannot overflow the int; a bar
    // shows an out-of-range value at its nearest end.
    const double held = std::clamp(std::trunc(measure), 0.0, static_cast<double>(row.barMaximum));
    return static_cast<int>(held);
}

MetricRowView ViewMetricRow(const MetricRow& row, const AnalysisJob& job, EnglishVariant variant) {
    return {MetricValueText(row, job), MetricBarValue(row, job),
            InterpretMetric(row.key, job.*row.measure, variant)};
}
