#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "engine/AnalysisJob.h"
#include "engine/EnglishVariant.h"
#include "engine/TextStatistics.h"

// What one piece of a text counts to once normalised.
struct PieceCounts {
    std::u16string normalised;
    RunCounts runs;
    AsciiWordCounts asciiWords;
    std::uint64_t lastCount = 0;  // the count that last met it
};

struct PieceHash {
    using is_transparent = void;
    std::size_t operator()(std::u16string_view piece) const {
        return std::hash<std::u16string_view>{}(piece);
    }
};

// The pieces of the texts counted lately, by their text as typed.
struct CountMemory {
    EnglishVariant variant = EnglishVariant::Us;
    std::uint64_t count = 0;
    std::unordered_map<std::u16string, PieceCounts, PieceHash, std::equal_to<>> pieces;
};

// CountText for a text that changes a little at a time, with every figure and the
// normalised text equal to CountText's, and the normalised text's complex and long
// words. The text is cut before each space that follows a sentence mark, where no
// token, word or run of any kind can span the cut; a piece the last count met is
// not counted again.
AsciiWordCounts CountTextRemembering(AnalysisJob& job, EnglishVariant variant, CountMemory& memory);
