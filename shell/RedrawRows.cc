#include "shell/RedrawRows.h"

#include <cstddef>
#include <string_view>

#include "platform/Platform.h"
#include "results/MetricRows.h"
#include "shell/MetricRowLayout.h"

namespace {

constexpr std::size_t kFullyRedrawnRows = 2;  // Flesch Reading Ease and Flesch-Kincaid Grade

// A bar is named after its row's value, so that a screen reader says what it shows.
void DrawValue(const MetricRowLayout& layout, std::u16string_view valueText) {
    platform::SetControlText(layout.valueControl, valueText);
    platform::SetControlAccessibleName(layout.barControl, valueText);
}

void DrawRow(std::size_t order, const AnalysisJob& job, EnglishVariant variant) {
    const MetricRowLayout& layout = kMetricRowLayouts[order];
    const MetricRowView view = ViewMetricRow(kMetricRows[order], job, variant);
    DrawValue(layout, view.valueText);
    platform::SetControlValue(layout.barControl, view.barValue);
    platform::SetControlText(layout.labelControl, view.label);
}

}  // namespace

// Remembered here too: a row the live redraw skips must show the value it compared.
void ShowMetrics(const AnalysisJob& job, EnglishVariant variant,
                 std::array<double, 9>& lastDrawnValues) {
    for (std::size_t i = 0; i < kMetricRows.size(); ++i) {
        DrawRow(i, job, variant);
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
            DrawRow(i, job, variant);
        } else {
            DrawValue(kMetricRowLayouts[i], MetricValueText(row, job));
        }
    }
}
