#pragma once

// A document as the editor holds it, addressed the way the protocol addresses
// it: lines ended by CR LF, CR or LF, characters counted in the encoding the
// client and server agreed on.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class PositionEncoding { Utf8, Utf16, Utf32 };

struct LspPosition {
    std::int64_t line = 0;
    std::int64_t character = 0;
};

struct LspRange {
    LspPosition start;
    LspPosition end;
};

struct OpenText {
    std::u16string text;
    std::vector<std::size_t> lineStarts;  // offset of each line's first unit; the first is 0
};

OpenText MakeOpenText(std::u16string text);

// The offset a position names; a character past the line's end means its end
// (as the protocol says), a line past the last is outside the document. A
// character inside a code point (between a surrogate pair's units, or among a
// code point's UTF-8 bytes) names no place, in every encoding alike.
std::optional<std::size_t> OffsetOf(const OpenText& text, LspPosition position,
                                    PositionEncoding encoding);
// `offset` <= text.size().
LspPosition PositionOf(const OpenText& text, std::size_t offset, PositionEncoding encoding);

// Replaces the range (the whole text without one) with `replacement`; false,
// leaving the text as it was, when the range lies outside the document or
// ends before it starts.
bool ApplyChange(OpenText& text, const std::optional<LspRange>& range,
                 std::u16string_view replacement, PositionEncoding encoding);

// The offset where the line holding `offset` ends, before its line break.
std::size_t LineContentEnd(const OpenText& text, std::size_t line);
