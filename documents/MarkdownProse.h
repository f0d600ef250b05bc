#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "documents/SourceKind.h"

// One stretch of the prose taken from one place in the source.
struct ProseSegment {
    std::size_t proseStart = 0;   // UTF-16 offset in ProseDocument::prose
    std::size_t sourceStart = 0;  // UTF-16 offset in the source text (the UTF-8 input decoded)
    // The prose repeats the source unit for unit (else: an entity, a break, a separator).
    bool verbatim = true;
    std::size_t sourceEnd = 0;  // where the source a piece that is not verbatim stands for ends
};

// A Markdown heading's text in the prose.
struct ProseHeading {
    int level = 1;  // 1 for "#" to 6
    std::size_t proseStart = 0;
    std::size_t proseEnd = 0;  // before the full stop a heading without one is given
};

struct ProseDocument {
    std::u16string prose;
    std::vector<ProseSegment> segments;  // ascending proseStart, first at 0 when prose is not empty
    std::vector<ProseHeading> headings;  // those with text, in order
};

// The prose of a Markdown document: paragraphs, headings, list items and block quotes, with
// link text, image alt text and each inline code as one word (InlineCodeWord) kept; code
// blocks, tables, raw HTML (blocks and inline), URLs (autolinks, bare URLs), YAML (--- … ---)
// or TOML (+++ … +++) front matter at the very start, template tags (TemplateTagRanges) and the
// markers of boxed notes (FindCallouts) are left out. Each block is its own paragraph: blocks
// are joined by "\n\n", and one whose last word holds no sentence mark ends in a full stop of
// its own, so that its sentence ends with it. A tab or a no-break space is a blank. Prose
// between "<!-- quillory off -->" and "<!-- quillory on -->" (or the end) is left out as code
// is. MDX is read as Markdown with its code blanked (MdxCodeRanges) and without template tags.
// `utf8` must be valid UTF-8 without a byte order mark (the caller checks and strips it);
// `decoded` is the same text decoded (DecodeUtf8), which the prose is copied from.
ProseDocument MarkdownProse(std::string_view utf8, std::u16string_view decoded,
                            SourceKind kind = SourceKind::Markdown);

// A plain text as its own prose, every offset its own.
ProseDocument PlainTextProse(std::u16string text);

// The source offset (UTF-16) that a prose offset comes from; for a non-verbatim segment, the
// segment's sourceStart. `proseOffset` < prose.size().
std::size_t SourceOffsetOf(const ProseDocument& document, std::size_t proseOffset);
// Where the source of the prose before `proseEnd` ends (exclusive); 0 < `proseEnd` <= prose.size().
std::size_t SourceEndOf(const ProseDocument& document, std::size_t proseEnd);
