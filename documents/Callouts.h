#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "documents/ByteRange.h"

// The markers of boxed notes, which are not sentences, though what the box
// says is prose: GitHub's alerts ("> [!NOTE]" opening a block quote, with
// TIP, IMPORTANT, WARNING or CAUTION), fenced admonitions (":::note Title" …
// ":::") and indented ones ("!!! note \"Title\"", "??? note", "???+ note",
// each followed by a body indented four columns).
struct Callouts {
    std::vector<ByteRange> markers;  // ascending, each the rest of its line
    // An indented body is an indented code block to CommonMark: one blank of
    // each of its lines, where the marker's indentation ends, becomes a block
    // quote mark so that the body reads as what it is, a quoted box. Its
    // fenced code goes with the markers.
    std::vector<std::size_t> quoteMarks;
};

Callouts FindCallouts(std::string_view utf8);
