#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

// A place in a text as an editor shows it: lines ended by CR LF, CR or LF,
// columns in code points, both from 1.
struct TextPosition {
    std::size_t line = 1;
    std::size_t column = 1;
};

// One walk for all offsets, which must ascend and lie within the text.
std::vector<TextPosition> PositionsOf(std::u16string_view text,
                                      std::span<const std::size_t> offsets);

// Places for offsets in any order, found in one walk.
struct PlacedOffsets {
    std::vector<std::size_t> offsets;  // ascending, each once
    std::vector<TextPosition> positions;

    // `offset` must have been placed.
    TextPosition At(std::size_t offset) const;
};

// The offsets must lie within the text.
PlacedOffsets PlaceOffsets(std::u16string_view text, std::vector<std::size_t> offsets);
