#include "results/MetricRows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <stdexcept>

namespace {

const MetricRow& RowFor(std::string_view key) {
    for (const MetricRow& row : kMetricRows) {
        if (row.key == key) {
            return row;
        }
    }
    throw std::out_of_range("no row");
}

TEST(MetricRows, TableAddressesEveryControlOnce) {
    std::set<int> controls;
    std::set<int> screenRows;
    for (const MetricRow& row : kMetricRows) {
        controls.insert({row.helpControl, row.valueControl, row.barControl, row.labelControl});
        screenRows.insert(row.screenRow);
        EXPECT_EQ(row.helpControl, 12 + row.screenRow);
        EXPECT_EQ(row.barControl, row.valueControl + 100);
        EXPECT_EQ(row.labelControl, row.valueControl + 200);
    }
    EXPECT_EQ(controls.size(), 36u);
    EXPECT_EQ(screenRows, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));

    // Last in a full redraw, seventh on screen, yet with the last control numbers.
    EXPECT_EQ(kMetricRows[8].key, "GunningFog");
    EXPECT_EQ(RowFor("GunningFog").screenRow, 6);
    EXPECT_EQ(RowFor("GunningFog").valueControl, 30);

    EXPECT_EQ(RowFor("FKEase").barMaximum, 100);
    EXPECT_EQ(RowFor("LIX").barMaximum, 100);
    EXPECT_EQ(RowFor("ReadingTime").valueControl, 28);
    EXPECT_EQ(RowFor("ReadingTime").barMaximum, 10);
    EXPECT_EQ(RowFor("SMOG").barMaximum, 20);
    EXPECT_EQ(RowFor("ARI").caption, u"Automated Readability Index: ");
}

TEST(MetricRows, ValueTextHasTwoDecimalsAndTheTimeSuffix) {
    AnalysisJob job;
    job.fleschReadingEase = -0.001;
    job.lixIndex = 65.5;
    job.speakingTimeMinutes = 10.0 / 120.0;
    EXPECT_EQ(MetricValueText(RowFor("FKEase"), job), u"Flesch-Kincaid Ease: 0.00");
    EXPECT_EQ(MetricValueText(RowFor("LIX"), job), u"LIX Index: 65.50");
    EXPECT_EQ(MetricValueText(RowFor("SpeakingTime"), job),
              u"Estimated Speaking Time: 0.08 minutes");
}

TEST(MetricRows, BarTruncatesAndStaysInRange) {
    AnalysisJob job;
    const MetricRow& ease = RowFor("FKEase");
    const auto bar = [&](double value) {
        job.fleschReadingEase = value;
        return MetricBarValue(ease, job);
    };
    EXPECT_EQ(bar(69.79), 69);
    EXPECT_EQ(bar(-3), 0);
    EXPECT_EQ(bar(150), 100);
    EXPECT_EQ(bar(1e300), 100);
    EXPECT_EQ(bar(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(bar(std::numeric_limits<double>::infinity()), 0);

    job.readingTimeMinutes = 12.5;
    EXPECT_EQ(MetricBarValue(RowFor("ReadingTime"), job), 10);
}

TEST(MetricRows, ViewUsesTheRowKeyAndVariant) {
    AnalysisJob job;
    for (const MetricRow& row : kMetricRows) {
        EXPECT_NE(ViewMetricRow(row, job, EnglishVariant::Us).label,
                  u"Unknown Metric: Unable to provide a qualitative rating")
            << row.key;
    }
    job.colemanLiauIndex = -5;
    const MetricRowView us = ViewMetricRow(RowFor("CLI"), job, EnglishVariant::Us);
    EXPECT_EQ(us.valueText, u"Coleman-Liau Index: -5.00");
    EXPECT_EQ(us.barValue, 0);
    EXPECT_EQ(us.label, u"Very Easy: Suitable for early learners.");
    EXPECT_EQ(ViewMetricRow(RowFor("CLI"), job, EnglishVariant::Uk).label,
              u"Very Easy: Suitable for young readers.");
}

}  // namespace
