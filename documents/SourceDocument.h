#pragma once

// A document as written and the prose in it that is measured: one road from
// bytes to what every program analyses.

#include <string>
#include <string_view>

#include "documents/MarkdownProse.h"

struct SourceDocument {
    SourceKind kind = SourceKind::Text;
    std::u16string markdownSource;  // a plain text's source is its prose, held once
    ProseDocument prose;
};

// The text places are counted in.
std::u16string_view SourceText(const SourceDocument& document);

// The prose a text of this kind is measured by. `utf8` is the same text as
// UTF-8, read only for Markdown, which encodes the text where it is not given.
ProseDocument ProseOf(std::u16string_view text, SourceKind kind, std::string_view utf8 = {});

// `utf8` is the same text as UTF-8, read only for Markdown.
SourceDocument MakeSourceDocument(std::u16string text, std::string_view utf8, SourceKind kind);

struct LoadedDocument {
    SourceDocument document;
    std::string error;  // the bytes are not UTF-8: names the first bad byte
};

// Decoded, a leading byte order mark dropped (places count after it), its prose found.
LoadedDocument LoadDocument(std::string_view bytes, SourceKind kind);
