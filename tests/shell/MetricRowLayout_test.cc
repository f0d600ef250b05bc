#include "shell/MetricRowLayout.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(MetricRowLayout, AddressesEveryControlOnceAndFillsEveryScreenRow) {
    std::set<int> controls;
    std::set<int> screenRows;
    for (const MetricRowLayout& layout : kMetricRowLayouts) {
        controls.insert(
            {layout.helpControl, layout.valueControl, layout.barControl, layout.labelControl});
        screenRows.insert(layout.screenRow);
        EXPECT_EQ(layout.helpControl, 12 + layout.screenRow);
        EXPECT_EQ(layout.barControl, layout.valueControl + 100);
        EXPECT_EQ(layout.labelControl, layout.valueControl + 200);
    }
    EXPECT_EQ(controls.size(), 36u);
    EXPECT_EQ(screenRows, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));

    // Last in a full redraw, seventh on screen, yet with the last control numbers.
    EXPECT_EQ(kMetricRowLayouts[8].screenRow, 6);
    EXPECT_EQ(kMetricRowLayouts[8].valueControl, 30);
    EXPECT_EQ(kMetricRowLayouts[6].valueControl, 28);  // the reading time
}

}  // namespace
