#pragma once

#include <string_view>
#include <vector>

#include "documents/ByteRange.h"

// GitHub's tables, as GFM defines them: a header row, a delimiter row of as
// many cells, each of dashes with a colon at either end or none ("| - | :-: |"),
// and the rows up to a blank line, a heading, a fence or a change of block
// quote. md4c 0.4.8 wants three characters a delimiter cell and reads the rest
// as a paragraph. Ascending, each a row's text after its indentation and
// block quote marks.
std::vector<ByteRange> TableRanges(std::string_view utf8);
