#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "engine/AnalysisJob.h"
#include "engine/EnglishVariant.h"
#include "engine/ReadingRates.h"
#include "engine/TextStatistics.h"

// One piece of a text as typed, and what it counts to once normalised.
struct CountedPiece {
    std::size_t start = 0;  // in the text as typed
    std::size_t end = 0;
    std::size_t normalisedLength = 0;
    RunCounts runs;
    AsciiWordCounts asciiWords;
};

// The text counted last, as typed and normalised, and its pieces in order.
struct CountMemory {
    EnglishVariant variant = EnglishVariant::Us;
    std::u16string text;
    std::u16string normalised;
    std::vector<CountedPiece> pieces;
};

// CountText for a text that changes a little at a time, with every figure and the
// normalised text equal to CountText's, and the normalised text's complex and long
// words. The text is cut before each space that follows a sentence mark, where no
// token, word or run of any kind can span the cut; the pieces before and after
// the stretch that changed since the last count are not counted again.
AsciiWordCounts CountTextRemembering(AnalysisJob& job, EnglishVariant variant, CountMemory& memory);

// RunAnalysis counting with CountTextRemembering: the same job, figures and
// returned word counts.
AsciiWordCounts RunAnalysisRemembering(AnalysisJob& job, EnglishVariant variant,
                                       const ReadingRates& rates, CountMemory& memory);
