#pragma once

#include <array>
#include <tuple>

#include "results/MetricRows.h"

// Where one row of kMetricRows stands in the window, and its controls.
struct MetricRowLayout {
    int screenRow;    // 0-8, top to bottom
    int helpControl;  // kFirstRowHelpIcon + screenRow
    int valueControl;
    int barControl;
    int labelControl;
};

// In the order of kMetricRows; the Gunning Fog Index is shown above the two times.
extern const std::array<MetricRowLayout, std::tuple_size_v<decltype(kMetricRows)>>
    kMetricRowLayouts;
