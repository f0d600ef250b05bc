#include "shell/RedrawRows.h"

#include <cstddef>

#include "platform/Platform.h"
#include "results/MetricRows.h"

namespace {

constexpr std::size_t kFullyRedrawnRows = 2;  // Flesch Reading Ease and Flesch-Kincaid Grade

void DrawRow(const MetricRow& row, const AnalysisJob& job, EnglishVariant variant) {
    const MetricRowView view = ViewMetricRow(row, job, variant);
    platform::SetControlText(row.valueControl, view.valueText);
    platform::SetControlValue(row.barControl, view.barValue);
    platform::SetControlText(row.labelControl, view.label);
}

}  // namespace

void ShowMetrics(const AnalysisJob& job, EnglishVariant variant) {
    for (const MetricRow& row : kMetricRows) {
        DrawRow(row, job, variant);
    }
}

void RedrawChangedRows(const AnalysisJob& job, EnglishVariant variant,
                       std::array<double, 9>& lastDrawnValues) {
    for (std::size_t i = 0; i < kMetricRows.size(); ++i) {
        const MetricRow& row = kMetricRows[i];
        const double measure = job.*row.measure;
        if (measure == lastDrawnValues[i]) {  // NaN always counts as changed
            continue;
        }
        lastDrawnValues[i] = measure;
        if (i < kFullyRedrawnRows) {
            DrawRow(row, job, variant);
        } else {
            platform::SetControlText(row.valueControl, MetricValueText(row, job));
        }
    }
}
