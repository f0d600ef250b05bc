#pragma once

#include <cstdint>
#include <string>

#include "engine/EnglishVariant.h"
#include "engine/ReadingRates.h"

// One text and everything derived from it. Field order is part of the design.
struct AnalysisJob {
    std::u16string text;
    std::int64_t wordCount = 0;
    std::int64_t sentenceCount = 0;
    std::int64_t characterCount = 0;
    std::int64_t syllableCount = 0;
    double fleschReadingEase = 0;
    double fleschKincaidGrade = 0;
    double colemanLiauIndex = 0;
    double automatedIndex = 0;
    double readingTimeMinutes = 0;
    double speakingTimeMinutes = 0;
    double smogIndex = 0;
    double lixIndex = 0;
    double gunningFogIndex = 0;
};

// The words SMOG, Fog and the score call complex, and the long words LIX counts
// (see CountAsciiWords).
struct AsciiWordCounts {
    std::int64_t complexWords = 0;
    std::int64_t longWords = 0;
};

// The computing part of a full pass: normalise, count, compute. An empty text
// changes nothing (the caller clears the rows instead). Returns the text's complex and long words,
// which the measures needed.
AsciiWordCounts RunAnalysis(AnalysisJob& job, EnglishVariant variant, const ReadingRates& rates);
