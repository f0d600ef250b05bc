#include "shell/MetricRowLayout.h"

#include "shell/ControlNumbers.h"

namespace {

// The row at `order` in kMetricRows, shown at `screenRow`.
constexpr MetricRowLayout Layout(int order, int screenRow) {
    return {screenRow, kFirstRowHelpIcon + screenRow, kFirstMetricValue + order,
            kFirstMetricBar + order, kFirstMetricLabel + order};
}

}  // namespace

const std::array<MetricRowLayout, std::tuple_size_v<decltype(kMetricRows)>> kMetricRowLayouts = {{
    Layout(0, 0),
    Layout(1, 1),
    Layout(2, 2),
    Layout(3, 3),
    Layout(4, 4),
    Layout(5, 5),
    Layout(6, 7),
    Layout(7, 8),
    Layout(8, 6),
}};
