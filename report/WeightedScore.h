#pragma once

#include <cstdint>

#include "engine/AnalysisJob.h"
#include "engine/EnglishVariant.h"

struct ScoreProfile {
    int maxSentenceLength;
    double complexWordTarget;
    double easeLow;
    double easeHigh;
    double smogTarget;
    double fogTarget;
    double lixTarget;
    double sentenceWeight;
    double vocabularyWeight;
    double easeWeight;
    double otherWeight;
};

struct WeightedScore {
    double averageSentenceLength = 0;
    double complexWordPercent = 0;
    double sentenceScore = 0;
    double vocabularyScore = 0;
    double easeScore = 0;
    double smogScore = 0;
    double fogScore = 0;
    double lixScore = 0;
    double otherScore = 0;
    double overallScore = 0;
    ScoreProfile profile{};
};

// The profile of a scenario (0-6) and variant; an invalid scenario gives scenario 0's.
const ScoreProfile& SelectScoreProfile(int scenario, EnglishVariant variant);

WeightedScore ComputeWeightedScore(const AnalysisJob& job, const ScoreProfile& profile,
                                   EnglishVariant variant);
// The same from the job's counts and measures, its complex words given.
WeightedScore ComputeWeightedScoreFromCounts(const AnalysisJob& job, std::int64_t complexWords,
                                             const ScoreProfile& profile);
