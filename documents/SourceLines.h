#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

// One line of UTF-8 source, as Markdown reads lines (LF or CR LF).
struct SourceLine {
    std::string_view text;  // without its line end
    std::size_t next = 0;   // where the next line starts
};

inline SourceLine SourceLineAt(std::string_view text, std::size_t start) {
    const std::size_t end = text.find('\n', start);
    std::string_view line = text.substr(start, end == std::string_view::npos ? end : end - start);
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return {line, end == std::string_view::npos ? text.size() : end + 1};
}

inline bool IsBlankLine(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

// Where a line's own text starts, after its indentation and block quote marks.
inline std::size_t LineTextStart(std::string_view line) {
    return std::min(line.find_first_not_of(" \t>"), line.size());
}
