#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/AnalysisJob.h"
#include "engine/EnglishVariant.h"

// One measure's row in the results.
struct MetricRow {
    int barMaximum;
    std::u16string_view caption;
    std::u16string_view suffix;
    std::string_view key;
    double AnalysisJob::*measure;
};

// In the order of a full redraw (the two times before the Gunning Fog Index).
extern const std::array<MetricRow, 9> kMetricRows;

// Caption, the measure with two decimals, and the suffix.
std::u16string MetricValueText(const MetricRow& row, const AnalysisJob& job);

// The measure truncated toward zero (0 when infinite or NaN), held inside the bar's range.
int MetricBarValue(const MetricRow& row, const AnalysisJob& job);

// What a full redraw puts into one row.
struct MetricRowView {
    std::u16string valueText;
    int barValue = 0;
    std::u16string_view label;
};
MetricRowView ViewMetricRow(const MetricRow& row, const AnalysisJob& job, EnglishVariant variant);
