#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

struct ByteRange {
    std::size_t start = 0;
    std::size_t end = 0;  // exclusive
};

// What an MDX document holds that is code, not prose: its top-level import and
// export statements (at the top or after a blank line, each up to the next
// blank line) and its {…} expressions outside fenced and inline code. Ascending, each within one
// line, line ends left out, so that blanking them keeps every line and every other byte in its
// place.
std::vector<ByteRange> MdxCodeRanges(std::string_view utf8);
