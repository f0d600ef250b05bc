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

TEST(MetricRows, TableHoldsEveryMeasureOnceInTheOrderOfAFullRedraw) {
    std::set<std::string_view> keys;
    for (const MetricRow& row : kMetricRows) {
        keys.insert(row.key);
    }
    EXPECT_EQ(keys.size(), 9u);
    EXPECT_EQ(kMetricRows[6].key, "ReadingTime");
    EXPECT_EQ(kMetricRows[8].key, "GunningFog");

    EXPECT_EQ(RowFor("FKEase").barMaximum, 100);
    EXPECT_EQ(RowFor("LIX").barMaximum, 100);
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
