#include "results/MetricRows.h"

#include <algorithm>
#include <cmath>

#include "engine/TwoDecimals.h"
#include "report/MetricLabels.h"

namespace {

constexpr std::u16string_view kMinutes = u" minutes";

}  // namespace

const std::array<MetricRow, 9> kMetricRows = {{
    {100, u"Flesch-Kincaid Ease: ", u"", "FKEase", &AnalysisJob::fleschReadingEase},
    {20, u"Flesch-Kincaid Grade Level: ", u"", "FKGrade", &AnalysisJob::fleschKincaidGrade},
    {20, u"Coleman-Liau Index: ", u"", "CLI", &AnalysisJob::colemanLiauIndex},
    {20, u"Automated Readability Index: ", u"", "ARI", &AnalysisJob::automatedIndex},
    {20, u"SMOG Index: ", u"", "SMOG", &AnalysisJob::smogIndex},
    {100, u"LIX Index: ", u"", "LIX", &AnalysisJob::lixIndex},
    {10, u"Estimated Reading Time: ", kMinutes, "ReadingTime", &AnalysisJob::readingTimeMinutes},
    {10, u"Estimated Speaking Time: ", kMinutes, "SpeakingTime", &AnalysisJob::speakingTimeMinutes},
    {20, u"Gunning Fog Index: ", u"", "GunningFog", &AnalysisJob::gunningFogIndex},
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
