#include "documents/SourcePositions.h"

#include <algorithm>
#include <utility>

#include "engine/Utf8.h"

namespace {

// The second half of a surrogate pair: the pair is one code point, one column.
bool ContinuesCodePoint(std::u16string_view text, std::size_t i) {
    return i > 0 && IsLowSurrogate(text[i]) && IsHighSurrogate(text[i - 1]);
}

}  // namespace

std::vector<TextPosition> PositionsOf(std::u16string_view text,
                                      std::span<const std::size_t> offsets) {
    std::vector<TextPosition> positions;
    positions.reserve(offsets.size());
    TextPosition position;
    std::size_t i = 0;
    for (const std::size_t offset : offsets) {
        for (; i < offset; ++i) {
            const char16_t c = text[i];
            // The CR of a CR LF counts as a column; the LF then starts the line.
            const bool lineEnd =
                c == u'\n' || (c == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n'));
            if (lineEnd) {
                ++position.line;
                position.column = 1;
            } else if (!ContinuesCodePoint(text, i)) {
                ++position.column;
            }
        }
        positions.push_back(position);
    }
    return positions;
}

TextPosition PlacedOffsets::At(std::size_t offset) const {
    const auto found = std::lower_bound(offsets.begin(), offsets.end(), offset);
    return positions[static_cast<std::size_t>(found - offsets.begin())];
}

PlacedOffsets PlaceOffsets(std::u16string_view text, std::vector<std::size_t> offsets) {
    std::sort(offsets.begin(), offsets.end());
    offsets.erase(std::unique(offsets.begin(), offsets.end()), offsets.end());
    std::vector<TextPosition> positions = PositionsOf(text, offsets);
    return {std::move(offsets), std::move(positions)};
}
