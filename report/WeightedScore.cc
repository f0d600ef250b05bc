#include "report/WeightedScore.h"

#include <cmath>

#include "engine/Scenario.h"
#include "engine/TextStatistics.h"

namespace {

// Weights are used as listed, not normalised: most UK rows top out below 100.
constexpr ScoreProfile kProfiles[kScenarioCount][2] = {
    {{20, 15, 60, 80, 10, 12, 40, 0.40, 0.30, 0.20, 0.10},
     {25, 20, 50, 80, 17, 14, 40, 0.25, 0.25, 0.20, 0.10}},
    {{25, 20, 50, 70, 12, 14, 50, 0.30, 0.40, 0.20, 0.10},
     {23, 18, 55, 80, 16, 13, 40, 0.30, 0.20, 0.25, 0.10}},
    {{15, 25, 40, 60, 14, 16, 55, 0.40, 0.30, 0.20, 0.10},
     {18, 22, 45, 65, 18, 16, 50, 0.22, 0.28, 0.25, 0.10}},
    {{20, 30, 30, 50, 15, 17, 60, 0.30, 0.40, 0.20, 0.10},
     {28, 25, 40, 60, 18, 16, 55, 0.22, 0.28, 0.20, 0.10}},
    {{18, 10, 70, 85, 9, 11, 35, 0.40, 0.20, 0.30, 0.10},
     {24, 15, 55, 85, 16, 13, 35, 0.28, 0.22, 0.25, 0.10}},
    {{25, 30, 30, 50, 16, 18, 65, 0.40, 0.30, 0.20, 0.10},
     {30, 28, 35, 60, 20, 18, 65, 0.20, 0.30, 0.20, 0.10}},
    {{20, 15, 30, 50, 12, 14, 65, 0.40, 0.20, 0.20, 0.10},
     {26, 20, 50, 80, 17, 14, 65, 0.27, 0.23, 0.25, 0.10}},
};

double Clamp(double value) {
    if (value > 100) {
        value = 100;
    }
    if (value < 0) {
        value = 0;
    }
    return value;
}

// Closeness to a target in either direction.
double SymmetricScore(double value, double target) {
    return Clamp(100 - 100 * std::fabs(value - target) / target);
}

// Signed on purpose: a value below its target scores above 100.
double OneSidedScore(double value, double target) {
    const double score = 100 - 100 * (value - target) / target;
    return score < 0 ? 0 : score;
}

double EaseScore(double ease, const ScoreProfile& profile) {
    if (profile.easeLow <= ease && ease <= profile.easeHigh) {
        return 100;
    }
    if (ease < profile.easeLow) {
        return Clamp(100 - 100 * (profile.easeLow - ease) / profile.easeLow);
    }
    return Clamp(100 - 100 * (ease - profile.easeHigh) / profile.easeHigh);
}

}  // namespace

const ScoreProfile& SelectScoreProfile(int scenario, EnglishVariant variant) {
    const int row = IsValidScenario(scenario) ? scenario : 0;
    return kProfiles[row][variant == EnglishVariant::Uk ? 1 : 0];
}

WeightedScore ComputeWeightedScore(const AnalysisJob& job, const ScoreProfile& profile,
                                   EnglishVariant variant) {
    return ComputeWeightedScoreFromCounts(
        job, job.wordCount > 0 ? CountComplexWords(job.text, variant) : 0, profile);
}

WeightedScore ComputeWeightedScoreFromCounts(const AnalysisJob& job, std::int64_t complexWords,
                                             const ScoreProfile& profile) {
    WeightedScore score;
    score.profile = profile;
    if (job.sentenceCount > 0) {
        score.averageSentenceLength =
            static_cast<double>(job.wordCount) / static_cast<double>(job.sentenceCount);
    }
    if (job.wordCount > 0) {
        score.complexWordPercent =
            100 * static_cast<double>(complexWords) / static_cast<double>(job.wordCount);
    }
    score.sentenceScore = SymmetricScore(score.averageSentenceLength, profile.maxSentenceLength);
    score.vocabularyScore = SymmetricScore(score.complexWordPercent, profile.complexWordTarget);
    score.easeScore = EaseScore(job.fleschReadingEase, profile);
    score.smogScore = OneSidedScore(job.smogIndex, profile.smogTarget);
    score.fogScore = OneSidedScore(job.gunningFogIndex, profile.fogTarget);
    score.lixScore = OneSidedScore(job.lixIndex, profile.lixTarget);
    score.otherScore = (score.smogScore + score.fogScore + score.lixScore) / 3;
    score.overallScore = score.sentenceScore * profile.sentenceWeight +
                         score.vocabularyScore * profile.vocabularyWeight +
                         score.easeScore * profile.easeWeight +
                         score.otherScore * profile.otherWeight;
    return score;
}
