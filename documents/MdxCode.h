#pragma once

#include <string_view>
#include <vector>

#include "documents/ByteRange.h"

// What an MDX document holds that is code, not prose: its top-level import and
// export statements (at the top or after a blank line, each up to the next
// blank line) and its {…} expressions outside fenced and inline code. Ascending, each within one
// line, line ends left out, so that blanking them keeps every line and every other byte in its
// place.
std::vector<ByteRange> MdxCodeRanges(std::string_view utf8);
