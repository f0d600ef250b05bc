#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "documents/ByteRange.h"
#include "documents/SourceKind.h"

// What md4c reads: the source with what is not prose overwritten in place,
// byte for byte, so that every line and every other byte keeps its place.
// A line left with nothing but indentation and block quote marks becomes
// blank, as the block it was (a shortcode on its own line, a table row, an
// admonition's marker); elsewhere the bytes become letters, which keep the
// text around them one paragraph (MDX's code, a shortcode within a
// sentence). The prose never takes what is hidden.
struct ParsedMarkdown {
    std::string utf8;
    std::vector<ByteRange> hidden;  // ascending, apart, line ends left out
};

// Template tags are MDX's code, read as such.
ParsedMarkdown ParseableMarkdown(std::string_view utf8, SourceKind kind);
