// Any UTF-8 read as Markdown or MDX: the prose must map back into the source in
// order and in range, every verbatim stretch must repeat its source, headings
// and sections must lie within the prose, and a leading "quillory off" must
// leave no prose at all. What md4c reads must keep every line and every byte
// that is not hidden, but for blanks made block quote marks.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "documents/MdxCode.h"
#include "documents/ParsedMarkdown.h"
#include "documents/ProseSections.h"
#include "documents/SourceDocument.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckProse(const SourceDocument& document) {
    const ProseDocument& prose = document.prose;
    const std::u16string_view source = SourceText(document);
    const auto& segments = prose.segments;
    Check(segments.empty() == prose.prose.empty());
    std::size_t lastSource = 0;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const ProseSegment& segment = segments[i];
        const std::size_t end =
            i + 1 < segments.size() ? segments[i + 1].proseStart : prose.prose.size();
        Check(segment.proseStart < end && (i > 0 || segment.proseStart == 0));
        Check(segment.sourceStart >= lastSource && segment.sourceStart <= source.size());
        lastSource = segment.sourceStart;
        if (segment.verbatim) {
            const std::size_t length = end - segment.proseStart;
            Check(segment.sourceStart + length <= source.size());
            Check(prose.prose.compare(segment.proseStart, length, source, segment.sourceStart,
                                      length) == 0);
        } else {
            Check(segment.sourceEnd >= segment.sourceStart && segment.sourceEnd <= source.size());
        }
    }
    std::size_t lastHeading = 0;
    for (const ProseHeading& heading : prose.headings) {
        Check(heading.proseStart >= lastHeading && heading.proseStart < heading.proseEnd &&
              heading.proseEnd <= prose.prose.size() && heading.level >= 1 && heading.level <= 6);
        lastHeading = heading.proseEnd;
    }
    for (const ProseSection& section : ProseSections(prose, EnglishVariant::Us, 0)) {
        Check(section.proseStart < section.proseEnd && section.proseEnd <= prose.prose.size());
        Check(section.sourceStart <= section.sourceEnd && section.sourceEnd <= source.size());
    }
}

void CheckMdxRanges(std::string_view utf8) {
    std::size_t last = 0;
    for (const ByteRange& range : MdxCodeRanges(utf8)) {
        Check(range.start >= last && range.start < range.end && range.end <= utf8.size());
        Check(utf8.substr(range.start, range.end - range.start).find_first_of("\r\n") ==
              std::string_view::npos);
        last = range.end;
    }
}

void CheckParsed(std::string_view utf8, SourceKind kind) {
    const ParsedMarkdown parsed = ParseableMarkdown(utf8, kind);
    Check(parsed.utf8.size() == utf8.size());
    std::size_t last = 0;
    auto range = parsed.hidden.begin();
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        while (range != parsed.hidden.end() && range->end <= i) {
            Check(range->start >= last && range->start < range->end);
            last = range->end;
            ++range;
        }
        const bool hidden = range != parsed.hidden.end() && range->start <= i;
        const char was = utf8[i];
        const char is = parsed.utf8[i];
        if (was == '\n' || was == '\r') {
            Check(is == was && !hidden);
        } else if (is != was) {
            Check(hidden || ((was == ' ' || was == '\t') && is == '>'));
        }
    }
    Check(range == parsed.hidden.end() || range->end <= utf8.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const SourceKind kind = data[0] % 2 == 0 ? SourceKind::Markdown : SourceKind::Mdx;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const LoadedDocument loaded = LoadDocument(bytes, kind);
    if (!loaded.error.empty()) {
        return 0;
    }
    CheckProse(loaded.document);
    CheckMdxRanges(bytes);
    CheckParsed(bytes, kind);
    if (bytes.find("quillory") == std::string_view::npos &&
        bytes.find('\0') == std::string_view::npos) {
        const std::string off = "<!-- quillory off -->\n\n" + std::string(bytes);
        Check(LoadDocument(off, kind).document.prose.prose.empty());
    }
    return 0;
}
