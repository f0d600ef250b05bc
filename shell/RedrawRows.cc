#include "shell/RedrawRows.h"

#include <cstddef>
#include <string_view>

#include "platform/Platform.h"
#include "results/MetricRows.h"

namespace {

constexpr std::size_t kFullyRedrawnRows = 2;  // Flesch Reading Ease and Flesch-Kincaid Grade

// A bar is named after its row's value, so that a screen reader says what it shows.
void DrawValue(const MetricRow& row, std::u16string_view valueText) {
    platform::SetControlText(row.valueControl, valueText);
    platform::SetControlAccessibleName(row.barControl, valueText);
}

void DrawRow(const MetricRow& row, const AnalysisJob& job, EnglishVariant variant) {
    const MetricRowView view = ViewMetricRow(row, job, variant);
    DrawValue(row, view.valueText);
    platform::SetControlValue(row.barControl, view.barValue);
    platform::SetControlText(row.labelControl, view.label);
}

}  // namespace

// Remembered here too: a row the live redraw skips must show the value it compared.
void ShowMetrics(const AnalysisJob& job, EnglishVariant variant,
                 std::array<double, 9>& lastDrawnValues) {
    for (std::size_t i = 0; i < kMetricRows.size(); ++i) {
        DrawRow(kMetricRows[i], job, variant);
        lastDrawnValues[i] = job.*kMetricRows[i].measure;
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
            DrawValue(row, MetricValueText(row, job));
        }
    }
}
