#include "documents/SourceDocument.h"

#include <utility>

#include "documents/InputBytes.h"

std::u16string_view SourceText(const SourceDocument& document) {
    return document.markdown ? document.markdownSource : document.prose.prose;
}

bool HasMarkdownSuffix(const std::filesystem::path& path) {
    const std::filesystem::path extension = path.extension();
    return extension == ".md" || extension == ".markdown";
}

SourceDocument MakeSourceDocument(std::u16string text, std::string_view utf8, bool markdown) {
    SourceDocument document;
    document.markdown = markdown;
    if (markdown) {
        document.markdownSource = std::move(text);
        document.prose = MarkdownProse(utf8, document.markdownSource);
    } else {
        document.prose = PlainTextProse(std::move(text));
    }
    return document;
}

LoadedDocument LoadDocument(std::string_view bytes, bool markdown) {
    DecodedInput decoded = DecodeInputBytes(bytes);
    LoadedDocument loaded;
    if (!decoded.error.empty()) {
        loaded.error = std::move(decoded.error);
        return loaded;
    }
    loaded.document = MakeSourceDocument(std::move(decoded.text), decoded.utf8, markdown);
    return loaded;
}
