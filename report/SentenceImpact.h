#pragma once

// What each sentence costs: how long it is against the scenario's aim, and the
// whole text's grade, ease and score without it.

#include <optional>
#include <vector>

#include "engine/AnalysisJob.h"
#include "engine/EnglishVariant.h"
#include "engine/SentenceSpans.h"
#include "engine/TextStatistics.h"
#include "report/WeightedScore.h"

enum class SentenceLevel {
    None,
    Long,      // more words than the scenario's maxSentenceLength
    VeryLong,  // more than one and a half times as many
};

struct SentenceImpact {
    SentenceLevel level = SentenceLevel::None;
    // The whole text's Flesch-Kincaid grade, Flesch Reading Ease and overall
    // weighted score as they would be without this span; no score when the rest
    // is too short for one.
    double gradeWithout = 0;
    double easeWithout = 0;
    std::optional<double> scoreWithout;
};

SentenceLevel LevelOfSentence(std::int64_t words, int maxSentenceLength);

// One impact per span, each in constant time from the whole text's counts less
// the span's. `whole` is the counted whole text (CountText); `wholeAscii` its
// complex and long words.
std::vector<SentenceImpact> SentenceImpacts(const AnalysisJob& whole,
                                            const AsciiWordCounts& wholeAscii,
                                            const std::vector<SentenceSpan>& spans, int scenario,
                                            EnglishVariant variant);

// The same for any part of the text: `part` holds the counts of the sentences
// left out, one span's or several added up; its level is left None.
SentenceImpact ImpactWithout(const AnalysisJob& whole, const AsciiWordCounts& wholeAscii,
                             const SentenceSpan& part, const ScoreProfile& profile,
                             EnglishVariant variant);
