#pragma once

// The sentences worth rewriting in a document or section that missed its grade,
// ease or score: the fewest whose leaving out would bring it within, taking
// first those whose leaving out helps the most.

#include <cstddef>
#include <optional>
#include <vector>

#include "documents/Finding.h"
#include "documents/Thresholds.h"
#include "engine/AnalysisJob.h"
#include "engine/EnglishVariant.h"
#include "engine/SentenceSpans.h"
#include "report/SentenceImpact.h"
#include "report/WeightedScore.h"

// No more are named for one document or section.
inline constexpr std::size_t kMostNamedSentences = 5;

// A document or section as it was weighed.
struct MissedFigures {
    AnalysisJob counts;  // its counts and measures; no text
    AsciiWordCounts ascii;
    std::optional<double> score;
    Thresholds missed;  // only the grade, ease and score thresholds it missed
};

struct HardSentences {
    std::vector<std::size_t> named;       // candidates' indices, most helpful first
    std::vector<SentenceImpact> without;  // the figures without each named one alone
    std::size_t moreNeeded = 0;           // past those named, to bring it within
    bool enough = true;  // false where leaving out every sentence that helps would not
};

// `candidates` are the sentences of the document or section that may be named.
HardSentences ChooseHardSentences(const MissedFigures& figures,
                                  const std::vector<SentenceSpan>& candidates,
                                  const ScoreProfile& profile, EnglishVariant variant);

// The rule a sentence named for these misses is a finding of: the first missed.
FindingRule FirstMissedRule(const Thresholds& missed);
