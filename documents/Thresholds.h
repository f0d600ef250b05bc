#pragma once

#include <optional>

#include "documents/DocumentConfig.h"

// What a document must meet; an unset threshold is not checked.
struct Thresholds {
    std::optional<double> maxGrade;  // Flesch-Kincaid grade of the whole document
    std::optional<double> minEase;   // Flesch Reading Ease of the whole document
    std::optional<double> minScore;  // overall weighted score, where the text has one
    std::optional<SentenceWordLimit> maxSentenceWords;

    bool Any() const { return maxGrade || minEase || minScore || maxSentenceWords; }
};
