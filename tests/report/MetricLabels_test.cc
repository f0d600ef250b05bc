#include "report/MetricLabels.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr auto kUs = EnglishVariant::Us;
constexpr auto kUk = EnglishVariant::Uk;

TEST(InterpretMetric, BandsCompareTheTruncatedValue) {
    EXPECT_EQ(InterpretMetric("FKEase", 30.99, kUs),
              u"Very Difficult: Best understood by college graduates.");
    EXPECT_EQ(InterpretMetric("FKEase", 31.0, kUs), u"Difficult: Requires some college education.");
    EXPECT_EQ(InterpretMetric("FKEase", 80.9, kUs),
              u"Fairly Easy: Suitable for 7th\u20139th graders.");
    EXPECT_EQ(InterpretMetric("FKEase", 81.0, kUs),
              u"Very Easy: Suitable for general audiences or younger readers.");
    EXPECT_EQ(InterpretMetric("FKEase", 121.2, kUk), u"Very Easy: Suitable for young readers.");
    EXPECT_EQ(InterpretMetric("FKEase", 120.9, kUk),
              u"Very Easy: Suitable for younger readers or general audiences.");
    EXPECT_EQ(InterpretMetric("FKGrade", 12.99, kUk), u"Secondary: Suitable for GCSE students.");
    EXPECT_EQ(InterpretMetric("FKGrade", 13.0, kUk), u"University: Suitable for undergraduates.");
    EXPECT_EQ(InterpretMetric("ReadingTime", 2.99, kUs),
              u"Very Quick: Ideal for summaries, short articles, or quick presentations");
    EXPECT_EQ(InterpretMetric("SpeakingTime", 20.5, kUk),
              u"Very Long: Ideal for comprehensive content but may overwhelm some readers");
    EXPECT_EQ(InterpretMetric("ReadingTime", 21.0, kUs),
              u"Extensive: Consider summarizing key points or splitting the content into sections");
    EXPECT_EQ(InterpretMetric("ReadingTime", 11, kUs),
              u"Long:Suitable for detailed exploration but might benefit from a brief summary");
    EXPECT_EQ(InterpretMetric("SMOG", 6.99, kUs), u"Very Simple: Suitable for young readers");
}

TEST(InterpretMetric, NegativeAndNonFiniteValuesTakeAnEndBand) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(InterpretMetric("CLI", -3.4, kUs), u"Very Easy: Suitable for early learners.");
    EXPECT_EQ(InterpretMetric("CLI", -3.4, kUk), u"Very Easy: Suitable for young readers.");
    EXPECT_EQ(InterpretMetric("ARI", -0.6, kUs), u"Very Easy: Accessible for beginners");
    EXPECT_EQ(InterpretMetric("ARI", std::numeric_limits<double>::quiet_NaN(), kUs),
              u"Very Easy: Accessible for beginners");
    EXPECT_EQ(InterpretMetric("ARI", -kInf, kUs), u"Very Easy: Accessible for beginners");
    EXPECT_EQ(InterpretMetric("ARI", 1e300, kUs), u"Very Challenging: Complex material");
    EXPECT_EQ(InterpretMetric("FKEase", kInf, kUk), u"Very Easy: Suitable for young readers.");
}

TEST(InterpretMetric, NumberRangesUseEnDashes) {
    EXPECT_EQ(InterpretMetric("FKEase", 60, kUs),
              u"Moderate: Suitable for 10th\u201312th grade students.");
    EXPECT_EQ(InterpretMetric("FKEase", 75, kUk),
              u"Fairly Easy: Suitable for students aged 11\u201314.");
    EXPECT_EQ(InterpretMetric("FKGrade", 7, kUs), u"Middle School: Suitable for grades 6\u20138.");
    EXPECT_EQ(InterpretMetric("FKGrade", 7, kUk), u"Secondary: Suitable for years 7\u20139.");
}

TEST(InterpretMetric, UnknownKeysGetTheUnknownLabel) {
    for (const char* key : {"fkease", "", "Smog", "FKEase "}) {
        EXPECT_EQ(InterpretMetric(key, 50, kUs),
                  u"Unknown Metric: Unable to provide a qualitative rating")
            << key;
    }
}

}  // namespace
