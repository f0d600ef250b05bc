#include "report/WeightedScore.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/TwoDecimals.h"

namespace {

constexpr auto kUs = EnglishVariant::Us;
constexpr auto kUk = EnglishVariant::Uk;

// `words` words of which the first `complex` are "banana" (complex under both variants);
// the measures stay 0.
AnalysisJob MakeJob(std::int64_t words, std::int64_t sentences, int complex = 0) {
    AnalysisJob job;
    for (std::int64_t i = 0; i < words; ++i) {
        job.text += i < complex ? u"banana " : u"cat ";
    }
    job.wordCount = words;
    job.sentenceCount = sentences;
    return job;
}

TEST(SelectScoreProfile, PicksTheRowAndFallsBackToScenarioZero) {
    EXPECT_EQ(SelectScoreProfile(6, kUk).maxSentenceLength, 26);
    EXPECT_EQ(SelectScoreProfile(6, kUk).easeWeight, 0.25);
    EXPECT_EQ(SelectScoreProfile(2, kUs).lixTarget, 55);
    EXPECT_EQ(&SelectScoreProfile(-1, kUk), &SelectScoreProfile(0, kUk));
    EXPECT_EQ(&SelectScoreProfile(7, kUs), &SelectScoreProfile(0, kUs));
}

TEST(ComputeWeightedScore, SentenceScoreIsSymmetricAroundTheMaximum) {
    const ScoreProfile& technical = SelectScoreProfile(2, kUs);
    EXPECT_EQ(ComputeWeightedScore(MakeJob(30, 2), technical, kUs).sentenceScore, 100);
    EXPECT_EQ(FormatTwoDecimals(ComputeWeightedScore(MakeJob(40, 2), technical, kUs).sentenceScore),
              u"66.67");
    const ScoreProfile& general = SelectScoreProfile(0, kUs);
    EXPECT_EQ(ComputeWeightedScore(MakeJob(20, 2), general, kUs).sentenceScore, 50);
    EXPECT_EQ(ComputeWeightedScore(MakeJob(80, 2), general, kUs).sentenceScore, 0);
    EXPECT_EQ(ComputeWeightedScore(MakeJob(120, 2), general, kUs).sentenceScore, 0);
}

TEST(ComputeWeightedScore, EaseScoresAgainstTheNearerBandEnd) {
    const ScoreProfile& blog = SelectScoreProfile(4, kUs);
    AnalysisJob job = MakeJob(36, 2);
    for (const auto& [ease, expected] :
         {std::pair{70.0, 100.0}, {85.0, 100.0}, {42.0, 60.0}, {102.0, 80.0}, {0.0, 0.0}}) {
        job.fleschReadingEase = ease;
        EXPECT_DOUBLE_EQ(ComputeWeightedScore(job, blog, kUs).easeScore, expected) << ease;
    }
}

TEST(ComputeWeightedScore, OverallScoreUsesTheWeightsAsListed) {
    // US General Content: average 20, 15 % complex, ease in band, and SMOG 5, Fog 6, LIX 20
    // each scoring 150 (no upper limit).
    AnalysisJob job = MakeJob(20, 1, 3);
    job.fleschReadingEase = 70;
    job.smogIndex = 5;
    job.gunningFogIndex = 6;
    job.lixIndex = 20;
    WeightedScore score = ComputeWeightedScore(job, SelectScoreProfile(0, kUs), kUs);
    EXPECT_DOUBLE_EQ(score.vocabularyScore, 100);
    EXPECT_DOUBLE_EQ(score.otherScore, 150);
    EXPECT_EQ(FormatTwoDecimals(score.overallScore), u"105.00");

    // A value far above its target gives 0, not a negative score.
    job.smogIndex = 25;
    EXPECT_EQ(ComputeWeightedScore(job, SelectScoreProfile(0, kUs), kUs).smogScore, 0);

    // US News Article with every component at 100 reaches only 90.
    job.fleschReadingEase = 40;
    job.smogIndex = 12;
    job.gunningFogIndex = 14;
    job.lixIndex = 65;
    score = ComputeWeightedScore(job, SelectScoreProfile(6, kUs), kUs);
    EXPECT_EQ(FormatTwoDecimals(score.overallScore), u"90.00");

    // UK General Content: average 25, 20 % complex (UK counts two-syllable words).
    AnalysisJob uk = MakeJob(50, 2, 10);
    uk.fleschReadingEase = 60;
    uk.smogIndex = 17;
    uk.gunningFogIndex = 14;
    uk.lixIndex = 40;
    score = ComputeWeightedScore(uk, SelectScoreProfile(0, kUk), kUk);
    EXPECT_EQ(FormatTwoDecimals(score.overallScore), u"80.00");
}

TEST(ComputeWeightedScore, ComplexWordsDependOnTheVariant) {
    AnalysisJob job;
    job.text = u"apple cat banana dog";
    job.wordCount = 4;
    job.sentenceCount = 2;
    EXPECT_EQ(ComputeWeightedScore(job, SelectScoreProfile(0, kUs), kUs).complexWordPercent, 25);
    EXPECT_EQ(ComputeWeightedScore(job, SelectScoreProfile(0, kUk), kUk).complexWordPercent, 50);
}

TEST(ComputeWeightedScore, EmptyCountsGiveZerosNotNaN) {
    AnalysisJob job;
    job.text = u"banana";
    const WeightedScore score = ComputeWeightedScore(job, SelectScoreProfile(0, kUs), kUs);
    EXPECT_EQ(score.averageSentenceLength, 0);
    EXPECT_EQ(score.complexWordPercent, 0);
    EXPECT_EQ(score.sentenceScore, 0);
    EXPECT_FALSE(std::isnan(score.overallScore));
}

}  // namespace
