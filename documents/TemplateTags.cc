#include "documents/TemplateTags.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "documents/MarkdownCode.h"
#include "documents/SourceLines.h"

namespace {

// Bodies a reader sees as code or data, or not at all (comment).
constexpr std::array<std::string_view, 8> kCodeBodies = {
    "code", "code-toggle", "comment", "highlight", "hl", "mermaid", "qr", "raw",
};

struct Delimiters {
    std::string_view open;
    std::string_view close;
};

// Shortcodes first: "{{<" also opens a Go action.
constexpr std::array<Delimiters, 4> kDelimiters = {{
    {"{{<", ">}}"},
    {"{{%", "%}}"},
    {"{{", "}}"},
    {"{%", "%}"},
}};

struct Tag {
    ByteRange range;
    std::string_view name;  // "highlight", "/highlight", "endhighlight"
    bool selfClosing = false;
};

bool HoldsBlankLine(std::string_view text) {
    return text.find("\n\n") != std::string_view::npos ||
           text.find("\n\r\n") != std::string_view::npos;
}

// Finds each delimiter's next closing run once, however many openers precede it.
struct Closers {
    std::string_view text;
    std::array<std::size_t, kDelimiters.size()> next{};
    std::array<bool, kDelimiters.size()> found{};

    std::size_t After(std::size_t kind, std::size_t from) {
        if (!found[kind] || (next[kind] != std::string_view::npos && next[kind] < from)) {
            next[kind] = text.find(kDelimiters[kind].close, from);
            found[kind] = true;
        }
        return next[kind];
    }
};

// The name a tag opens with: "/name" for a shortcode's closing tag.
std::string_view TagName(std::string_view inside) {
    // "{{- x -}}" trims blanks; "{{</* x */>}}" shows a shortcode as written.
    inside.remove_prefix(std::min(inside.find_first_not_of(" \t\r\n-"), inside.size()));
    if (inside.starts_with("/*")) {
        inside.remove_prefix(2);
        inside.remove_prefix(std::min(inside.find_first_not_of(" \t\r\n"), inside.size()));
    }
    const std::size_t end = std::min(inside.find_first_of(" \t\r\n%>}/", 1), inside.size());
    return inside.substr(0, end);
}

std::optional<Tag> TagAt(std::string_view text, std::size_t at, Closers& closers) {
    for (std::size_t kind = 0; kind < kDelimiters.size(); ++kind) {
        const Delimiters& delimiters = kDelimiters[kind];
        if (text.compare(at, delimiters.open.size(), delimiters.open) != 0) {
            continue;
        }
        const std::size_t inner = at + delimiters.open.size();
        const std::size_t close = closers.After(kind, inner);
        if (close == std::string_view::npos || HoldsBlankLine(text.substr(at, close - at))) {
            return std::nullopt;
        }
        const std::string_view inside = text.substr(inner, close - inner);
        const std::size_t last = inside.find_last_not_of(" \t\r\n");
        return Tag{{at, close + delimiters.close.size()},
                   TagName(inside),
                   last != std::string_view::npos && inside[last] == '/'};
    }
    return std::nullopt;
}

bool IsCodeBody(std::string_view name) {
    return std::ranges::find(kCodeBodies, name) != kCodeBodies.end();
}

bool Closes(std::string_view closer, std::string_view opener) {
    const auto closesAs = [&](std::string_view prefix) {
        return closer.size() == prefix.size() + opener.size() && closer.starts_with(prefix) &&
               closer.ends_with(opener);
    };
    return closesAs("/") || closesAs("end");
}

// A tag joins the ranges; an open code body takes in everything up to its closing tag.
struct TagRanges {
    std::vector<ByteRange> ranges;
    std::optional<std::size_t> codeBody;  // the index of its opening tag's range
    std::string_view codeName;

    void Add(const Tag& tag) {
        if (codeBody) {
            if (Closes(tag.name, codeName)) {
                ranges.resize(*codeBody + 1);
                ranges.back().end = tag.range.end;
                codeBody.reset();
                return;
            }
        } else if (!tag.selfClosing && IsCodeBody(tag.name)) {
            codeBody = ranges.size();
            codeName = tag.name;
        }
        ranges.push_back(tag.range);
    }
};

}  // namespace

std::vector<ByteRange> TemplateTagRanges(std::string_view utf8) {
    if (utf8.find("{{") == std::string_view::npos && utf8.find("{%") == std::string_view::npos) {
        return {};
    }
    TagRanges tags;
    Closers closers{utf8, {}, {}};
    Fence fence;
    for (std::size_t i = 0; i < utf8.size();) {
        if (i == 0 || utf8[i - 1] == '\n') {
            const SourceLine line = SourceLineAt(utf8, i);
            if (TakeFenceLine(fence, line.text.substr(LineTextStart(line.text)))) {
                i = line.next;
                continue;
            }
        }
        const std::size_t at = utf8.find_first_of("`{\n", i);
        if (at == std::string_view::npos) {
            break;
        }
        if (utf8[at] == '`') {
            i = CodeSpanEnd(utf8, at);
        } else if (const std::optional<Tag> tag =
                       utf8[at] == '{' ? TagAt(utf8, at, closers) : std::nullopt) {
            tags.Add(*tag);
            i = tag->range.end;
        } else {
            i = at + 1;
        }
    }
    return std::move(tags.ranges);
}
