#include "documents/SourceDocument.h"

#include <utility>

#include "documents/InputBytes.h"
#include "engine/Utf8.h"

std::u16string_view SourceText(const SourceDocument& document) {
    return document.kind == SourceKind::Text ? document.prose.prose : document.markdownSource;
}

ProseDocument ProseOf(std::u16string_view text, SourceKind kind, std::string_view utf8) {
    if (kind == SourceKind::Text) {
        return PlainTextProse(std::u16string(text));
    }
    if (utf8.empty() && !text.empty()) {
        return MarkdownProse(EncodeUtf8(text), text, kind);
    }
    return MarkdownProse(utf8, text, kind);
}

SourceDocument MakeSourceDocument(std::u16string text, std::string_view utf8, SourceKind kind) {
    SourceDocument document;
    document.kind = kind;
    if (kind != SourceKind::Text) {
        document.markdownSource = std::move(text);
        document.prose = ProseOf(document.markdownSource, kind, utf8);
    } else {
        document.prose = PlainTextProse(std::move(text));
    }
    return document;
}

LoadedDocument LoadDocument(std::string_view bytes, SourceKind kind) {
    DecodedInput decoded = DecodeInputBytes(bytes);
    LoadedDocument loaded;
    if (!decoded.error.empty()) {
        loaded.error = std::move(decoded.error);
        return loaded;
    }
    loaded.document = MakeSourceDocument(std::move(decoded.text), decoded.utf8, kind);
    return loaded;
}
