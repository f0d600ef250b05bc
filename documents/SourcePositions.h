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
