#include "documents/ParsedMarkdown.h"

#include <algorithm>
#include <cstddef>

#include "documents/Callouts.h"
#include "documents/MarkdownTables.h"
#include "documents/MdxCode.h"
#include "documents/TemplateTags.h"

namespace {

// Sorted, overlaps joined, split at line ends, which stay.
std::vector<ByteRange> LinePieces(std::string_view text, std::vector<ByteRange> ranges) {
    std::ranges::sort(ranges, {}, &ByteRange::start);
    std::vector<ByteRange> pieces;
    std::size_t reached = 0;
    for (const ByteRange& range : ranges) {
        std::size_t piece = std::max(range.start, reached);
        for (std::size_t i = piece; i < range.end; ++i) {
            if (text[i] == '\n' || text[i] == '\r') {
                if (i > piece) {
                    pieces.push_back({piece, i});
                }
                piece = i + 1;
            }
        }
        if (range.end > piece) {
            pieces.push_back({piece, range.end});
        }
        reached = std::max(reached, range.end);
    }
    return pieces;
}

// Each line's pieces become blanks when nothing but indentation and quote
// marks is left of the line, letters otherwise.
void Overwrite(std::string& text, const std::vector<ByteRange>& pieces) {
    for (std::size_t first = 0; first < pieces.size();) {
        const std::size_t lineStart = text.find_last_of('\n', pieces[first].start) + 1;
        const std::size_t lineEnd =
            std::min(text.find_first_of("\r\n", pieces[first].start), text.size());
        std::size_t last = first;
        bool bare = true;
        std::size_t at = lineStart;
        for (; last < pieces.size() && pieces[last].start < lineEnd; ++last) {
            bare =
                bare && std::all_of(text.begin() + static_cast<std::ptrdiff_t>(at),
                                    text.begin() + static_cast<std::ptrdiff_t>(pieces[last].start),
                                    [](char c) { return c == ' ' || c == '\t' || c == '>'; });
            at = pieces[last].end;
        }
        bare = bare && text.find_first_not_of(" \t>", at) >= lineEnd;
        for (; first < last; ++first) {
            std::fill(text.begin() + static_cast<std::ptrdiff_t>(pieces[first].start),
                      text.begin() + static_cast<std::ptrdiff_t>(pieces[first].end),
                      bare ? ' ' : 'x');
        }
    }
}

}  // namespace

ParsedMarkdown ParseableMarkdown(std::string_view utf8, SourceKind kind) {
    ParsedMarkdown parsed{std::string(utf8), {}};
    std::vector<ByteRange> hidden;
    if (kind == SourceKind::Mdx) {
        // A line of code stays a line of text: MDX's expressions sit within paragraphs.
        hidden = MdxCodeRanges(utf8);
        for (const ByteRange& range : hidden) {
            std::fill_n(parsed.utf8.begin() + static_cast<std::ptrdiff_t>(range.start),
                        range.end - range.start, 'x');
        }
    }
    Callouts callouts = FindCallouts(utf8);
    for (const std::size_t mark : callouts.quoteMarks) {
        parsed.utf8[mark] = '>';
    }
    std::vector<ByteRange> syntax = std::move(callouts.markers);
    const std::vector<ByteRange> tables = TableRanges(utf8);
    syntax.insert(syntax.end(), tables.begin(), tables.end());
    if (kind != SourceKind::Mdx) {
        const std::vector<ByteRange> tags = TemplateTagRanges(utf8);
        syntax.insert(syntax.end(), tags.begin(), tags.end());
    }
    if (syntax.empty()) {
        parsed.hidden = std::move(hidden);
        return parsed;
    }
    syntax = LinePieces(utf8, std::move(syntax));
    Overwrite(parsed.utf8, syntax);
    hidden.insert(hidden.end(), syntax.begin(), syntax.end());
    parsed.hidden = LinePieces(utf8, std::move(hidden));
    return parsed;
}
