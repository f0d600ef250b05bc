#pragma once

#include <optional>
#include <string>

#include "engine/SentenceSpans.h"
#include "report/SentenceImpact.h"

// What the pointer shows over a marked sentence, e.g. "31 words — Blog Post aims
// at 18 or fewer · grade 16.4 · without it: grade 9.8 → 8.9, score 61.20 → 66.05".
// The score part is left out where the text, or the text without the sentence,
// is too short for a score.
std::u16string SentenceMarkText(const SentenceSpan& span, const SentenceImpact& impact,
                                int scenario, int maxSentenceLength, double wholeGrade,
                                std::optional<double> wholeScore);

// The part after the scenario's aim: "grade 16.4 · without it: grade 9.8 → 8.9,
// score 61.20 → 66.05", the score part left out as above.
std::u16string SentenceCostText(const SentenceSpan& span, const SentenceImpact& impact,
                                double wholeGrade, std::optional<double> wholeScore);
