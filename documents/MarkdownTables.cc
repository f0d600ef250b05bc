#include "documents/MarkdownTables.h"

#include <algorithm>
#include <cstddef>

#include "documents/MarkdownCode.h"
#include "documents/SourceLines.h"

namespace {

struct Row {
    std::size_t start = 0;  // its text's first byte in the source
    std::string_view text;  // after indentation and block quote marks
    std::size_t quotes = 0;
};

Row RowOf(std::size_t lineStart, std::string_view line) {
    const std::size_t start = LineTextStart(line);
    const std::string_view prefix = line.substr(0, start);
    const auto quotes = static_cast<std::size_t>(std::ranges::count(prefix, '>'));
    std::string_view text = line.substr(start);
    text.remove_suffix(text.size() - (text.find_last_not_of(" \t") + 1));
    return {lineStart + start, text, quotes};
}

bool IsPipe(std::string_view text, std::size_t at) {
    return text[at] == '|' && (at == 0 || text[at - 1] != '\\');
}

// The cells between pipes, a pipe at either end opening or closing the row.
std::vector<std::string_view> Cells(std::string_view text) {
    if (!text.empty() && IsPipe(text, 0)) {
        text.remove_prefix(1);
    }
    if (!text.empty() && IsPipe(text, text.size() - 1)) {
        text.remove_suffix(1);
    }
    std::vector<std::string_view> cells;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsPipe(text, i)) {
            cells.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    cells.push_back(text.substr(start));
    return cells;
}

bool IsDelimiterCell(std::string_view cell) {
    const std::size_t start = cell.find_first_not_of(" \t");
    if (start == std::string_view::npos) {
        return false;
    }
    cell = cell.substr(start, cell.find_last_not_of(" \t") + 1 - start);
    if (cell.front() == ':') {
        cell.remove_prefix(1);
    }
    if (!cell.empty() && cell.back() == ':') {
        cell.remove_suffix(1);
    }
    return !cell.empty() && cell.find_first_not_of('-') == std::string_view::npos;
}

bool OpensTable(const Row& header, const Row& delimiter) {
    if (header.quotes != delimiter.quotes || header.text.find('|') == std::string_view::npos ||
        delimiter.text.find('|') == std::string_view::npos ||
        delimiter.text.find_first_not_of("|-: \t") != std::string_view::npos) {
        return false;
    }
    const std::vector<std::string_view> cells = Cells(delimiter.text);
    return std::ranges::all_of(cells, IsDelimiterCell) && Cells(header.text).size() == cells.size();
}

bool EndsTable(const Row& row, std::size_t quotes, bool fenceLine) {
    return row.text.empty() || row.quotes != quotes || row.text.front() == '#' || fenceLine;
}

}  // namespace

std::vector<ByteRange> TableRanges(std::string_view utf8) {
    std::vector<ByteRange> ranges;
    if (utf8.find('|') == std::string_view::npos) {
        return ranges;
    }
    Fence fence;
    Row previous;
    bool inTable = false;
    std::size_t quotes = 0;
    for (std::size_t start = 0; start < utf8.size();) {
        const SourceLine line = SourceLineAt(utf8, start);
        const Row row = RowOf(start, line.text);
        start = line.next;
        const bool code = TakeFenceLine(fence, row.text);
        if (inTable && !EndsTable(row, quotes, code)) {
            ranges.push_back({row.start, row.start + row.text.size()});
            continue;
        }
        inTable = false;
        if (!code && OpensTable(previous, row)) {
            inTable = true;
            quotes = row.quotes;
            ranges.push_back({previous.start, previous.start + previous.text.size()});
            ranges.push_back({row.start, row.start + row.text.size()});
        }
        previous = code ? Row{} : row;
    }
    return ranges;
}
