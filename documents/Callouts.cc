#include "documents/Callouts.h"

#include <algorithm>
#include <array>

#include "documents/MarkdownCode.h"
#include "documents/SourceLines.h"

namespace {

constexpr std::array<std::string_view, 5> kAlertKinds = {"NOTE", "TIP", "IMPORTANT", "WARNING",
                                                         "CAUTION"};

bool SameLetters(std::string_view text, std::string_view upper) {
    return text.size() == upper.size() &&
           std::equal(text.begin(), text.end(), upper.begin(), [](char a, char b) {
               return (a >= 'a' && a <= 'z' ? static_cast<char>(a - 'a' + 'A') : a) == b;
           });
}

// "[!NOTE]" and the rest of its line, where a block quote opens with one.
bool IsAlertMarker(std::string_view quoted) {
    if (!quoted.starts_with("[!")) {
        return false;
    }
    const std::size_t close = quoted.find(']');
    return close != std::string_view::npos &&
           std::ranges::any_of(kAlertKinds, [&](std::string_view kind) {
               return SameLetters(quoted.substr(2, close - 2), kind);
           });
}

bool IsAdmonitionMarker(std::string_view text) {
    for (const std::string_view mark : {"!!! ", "??? ", "???+ "}) {
        if (text.starts_with(mark)) {
            const std::size_t kind = text.find_first_not_of(' ', mark.size());
            return kind != std::string_view::npos && ((text[kind] >= 'a' && text[kind] <= 'z') ||
                                                      (text[kind] >= 'A' && text[kind] <= 'Z'));
        }
    }
    return false;
}

// Columns of leading blanks, tabs to the next multiple of four.
std::size_t IndentColumns(std::string_view line, std::size_t& bytes) {
    std::size_t columns = 0;
    for (bytes = 0; bytes < line.size() && (line[bytes] == ' ' || line[bytes] == '\t'); ++bytes) {
        columns = line[bytes] == '\t' ? columns + 4 - columns % 4 : columns + 1;
    }
    return columns;
}

// An open indented admonition: where its marker stands.
struct Body {
    std::size_t bytes = 0;
    std::size_t columns = 0;
};

struct Scanner {
    Callouts callouts;
    Fence fence;
    std::vector<Body> bodies;
    bool quoted = false;  // the line before was in a block quote

    void HideFrom(std::size_t lineStart, std::size_t from, const SourceLine& line) {
        if (from < line.text.size()) {
            callouts.markers.push_back({lineStart + from, lineStart + line.text.size()});
        }
    }

    void Take(std::size_t lineStart, const SourceLine& line) {
        const std::string_view text = line.text;
        std::size_t indentBytes = 0;
        const std::size_t indent = IndentColumns(text, indentBytes);
        const bool blank = indentBytes == text.size();
        // A line indented less than a body ends it; blank lines do not.
        while (!blank && !bodies.empty() &&
               (indent < bodies.back().columns + 4 || bodies.back().bytes >= indentBytes)) {
            bodies.pop_back();
        }
        for (const Body& body : bodies) {
            if (body.bytes < indentBytes) {
                callouts.quoteMarks.push_back(lineStart + body.bytes);
            }
        }
        const std::size_t textStart = LineTextStart(text);
        const std::string_view own = text.substr(textStart);
        const bool code = TakeFenceLine(fence, own);
        if (code) {
            if (!bodies.empty()) {
                HideFrom(lineStart, textStart, line);
            }
        } else if (own.starts_with(":::")) {
            HideFrom(lineStart, textStart, line);
        } else if (IsAdmonitionMarker(text.substr(indentBytes))) {
            HideFrom(lineStart, indentBytes, line);
            bodies.push_back({indentBytes, indent});
        } else if (text.substr(indentBytes).starts_with('>') && !quoted) {
            std::string_view rest = text.substr(indentBytes + 1);
            const std::size_t restStart = text.size() - rest.size();
            const std::size_t marker = std::min(rest.find_first_not_of(" \t"), rest.size());
            if (IsAlertMarker(rest.substr(marker))) {
                HideFrom(lineStart, restStart + marker, line);
            }
        }
        quoted = !code && text.substr(indentBytes).starts_with('>');
    }
};

}  // namespace

Callouts FindCallouts(std::string_view utf8) {
    if (utf8.find("[!") == std::string_view::npos && utf8.find(":::") == std::string_view::npos &&
        utf8.find("!!!") == std::string_view::npos && utf8.find("???") == std::string_view::npos) {
        return {};
    }
    Scanner scanner;
    for (std::size_t start = 0; start < utf8.size();) {
        const SourceLine line = SourceLineAt(utf8, start);
        scanner.Take(start, line);
        start = line.next;
    }
    return std::move(scanner.callouts);
}
