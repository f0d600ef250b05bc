#include "ls/OpenText.h"

#include <algorithm>
#include <utility>

#include "engine/Utf8.h"

namespace {

bool StartsPair(std::u16string_view text, std::size_t i) {
    return IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]);
}

bool SplitsPair(std::u16string_view text, std::size_t offset) {
    return offset > 0 && offset < text.size() && StartsPair(text, offset - 1);
}

// UTF-8 bytes of the code point starting at `i`, and its UTF-16 units.
std::pair<std::int64_t, std::size_t> Utf8Width(std::u16string_view text, std::size_t i) {
    const char16_t unit = text[i];
    if (StartsPair(text, i)) {
        return {4, 2};
    }
    return {unit < 0x80 ? 1 : unit < 0x800 ? 2 : 3, 1};
}

// The lines after `line` are found again; those up to it stay as they were.
void IndexLinesAfter(OpenText& text, std::size_t line) {
    text.lineStarts.resize(line + 1);
    const std::u16string& units = text.text;
    for (std::size_t i = text.lineStarts.back(); i < units.size(); ++i) {
        const char16_t unit = units[i];
        if (unit == u'\n' || (unit == u'\r' && (i + 1 == units.size() || units[i + 1] != u'\n'))) {
            text.lineStarts.push_back(i + 1);
        }
    }
}

std::size_t LineOf(const OpenText& text, std::size_t offset) {
    const auto after = std::upper_bound(text.lineStarts.begin(), text.lineStarts.end(), offset);
    return static_cast<std::size_t>(after - text.lineStarts.begin()) - 1;
}

}  // namespace

OpenText MakeOpenText(std::u16string text) {
    OpenText open{std::move(text), {0}};
    IndexLinesAfter(open, 0);
    return open;
}

std::size_t LineContentEnd(const OpenText& text, std::size_t line) {
    const std::u16string& units = text.text;
    std::size_t end = line + 1 < text.lineStarts.size() ? text.lineStarts[line + 1] : units.size();
    if (end > text.lineStarts[line] && line + 1 < text.lineStarts.size()) {
        --end;  // the LF or the lone CR
        if (units[end] == u'\n' && end > text.lineStarts[line] && units[end - 1] == u'\r') {
            --end;
        }
    }
    return end;
}

std::optional<std::size_t> OffsetOf(const OpenText& text, LspPosition position,
                                    PositionEncoding encoding) {
    if (position.line < 0 || position.character < 0) {
        return std::nullopt;
    }
    const auto line = static_cast<std::size_t>(position.line);
    if (line >= text.lineStarts.size()) {
        // The line after the last, at its start, is where many clients put the document's end.
        if (line == text.lineStarts.size() && position.character == 0) {
            return text.text.size();
        }
        return std::nullopt;
    }
    const std::size_t start = text.lineStarts[line];
    const std::size_t end = LineContentEnd(text, line);
    if (encoding == PositionEncoding::Utf16) {
        const std::size_t offset =
            std::min(end, start + static_cast<std::size_t>(position.character));
        return SplitsPair(text.text, offset) ? std::nullopt : std::optional(offset);
    }
    std::size_t offset = start;
    std::int64_t counted = 0;
    while (offset < end && counted < position.character) {
        const auto [bytes, units] = Utf8Width(text.text, offset);
        counted += encoding == PositionEncoding::Utf8 ? bytes : 1;
        offset += units;
    }
    if (counted > position.character) {
        return std::nullopt;
    }
    return offset;
}

LspPosition PositionOf(const OpenText& text, std::size_t offset, PositionEncoding encoding) {
    const std::size_t line = LineOf(text, offset);
    const std::size_t start = text.lineStarts[line];
    LspPosition position{static_cast<std::int64_t>(line), 0};
    if (encoding == PositionEncoding::Utf16) {
        position.character = static_cast<std::int64_t>(offset - start);
        return position;
    }
    for (std::size_t i = start; i < offset;) {
        const auto [bytes, units] = Utf8Width(text.text, i);
        position.character += encoding == PositionEncoding::Utf8 ? bytes : 1;
        i += units;
    }
    return position;
}

bool ApplyChange(OpenText& text, const std::optional<LspRange>& range,
                 std::u16string_view replacement, PositionEncoding encoding) {
    if (!range) {
        text = MakeOpenText(std::u16string(replacement));
        return true;
    }
    const std::optional<std::size_t> start = OffsetOf(text, range->start, encoding);
    const std::optional<std::size_t> end = OffsetOf(text, range->end, encoding);
    if (!start || !end || *end < *start) {
        return false;
    }
    text.text.replace(*start, *end - *start, replacement);
    // The line before may have ended in a CR that now meets an LF.
    const std::size_t line = LineOf(text, *start);
    IndexLinesAfter(text, line > 0 ? line - 1 : 0);
    return true;
}
