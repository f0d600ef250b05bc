#include "documents/MdxCode.h"

#include <algorithm>
#include <utility>

#include "documents/MarkdownCode.h"
#include "documents/SourceLines.h"

namespace {

// Each brace's partner, found in one pass so that unmatched braces cost no rescans.
std::vector<std::pair<std::size_t, std::size_t>> BracePairs(std::string_view text) {
    std::vector<std::pair<std::size_t, std::size_t>> pairs;
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '{') {
            open.push_back(i);
        } else if (text[i] == '}' && !open.empty()) {
            pairs.emplace_back(open.back(), i);
            open.pop_back();
        }
    }
    std::sort(pairs.begin(), pairs.end());
    return pairs;
}

struct Scanner {
    std::string_view text;
    std::vector<ByteRange> ranges;

    // Line ends stay, so that lines keep their numbers and Markdown its blocks.
    void Blank(std::size_t start, std::size_t end) {
        std::size_t piece = start;
        for (std::size_t i = start; i < end; ++i) {
            if (text[i] == '\n' || text[i] == '\r') {
                if (i > piece) {
                    ranges.push_back({piece, i});
                }
                piece = i + 1;
            }
        }
        if (end > piece) {
            ranges.push_back({piece, end});
        }
    }
};

}  // namespace

std::vector<ByteRange> MdxCodeRanges(std::string_view utf8) {
    Scanner scanner{utf8, {}};
    const std::vector<std::pair<std::size_t, std::size_t>> braces = BracePairs(utf8);
    Fence fence;
    bool blockMayStart = true;  // at the top, or after a blank line or a code block
    for (std::size_t i = 0; i < utf8.size();) {
        if (i == 0 || utf8[i - 1] == '\n') {
            const SourceLine line = SourceLineAt(utf8, i);
            const bool topLevel = blockMayStart;
            blockMayStart = IsBlankLine(line.text);
            if (TakeFenceLine(fence, line.text)) {
                blockMayStart = !fence.open;
                i = line.next;
                continue;
            }
            // Within a paragraph, a line that begins "import " is prose.
            const bool opensStatement =
                line.text.starts_with("import ") || line.text.starts_with("export ");
            if (topLevel && opensStatement) {
                std::size_t at = i;
                for (SourceLine statement = line; !IsBlankLine(statement.text);
                     statement = SourceLineAt(utf8, at)) {
                    scanner.Blank(at, at + statement.text.size());
                    at = statement.next;
                    if (at >= utf8.size()) {
                        break;
                    }
                }
                i = at;
                continue;
            }
        }
        if (utf8[i] == '`') {
            i = CodeSpanEnd(utf8, i);
            continue;
        }
        if (utf8[i] == '{') {
            const auto pair = std::lower_bound(braces.begin(), braces.end(),
                                               std::pair<std::size_t, std::size_t>(i, 0));
            if (pair != braces.end() && pair->first == i) {
                scanner.Blank(i, pair->second + 1);
                i = pair->second + 1;
                continue;
            }
        }
        ++i;
    }
    return std::move(scanner.ranges);
}
