#include "documents/MarkdownProse.h"

#include <md4c.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <exception>
#include <functional>
#include <limits>
#include <new>
#include <optional>
#include <span>
#include <stdexcept>
#include <utility>

#include "documents/InlineCode.h"
#include "documents/ParsedMarkdown.h"
#include "documents/SourceLines.h"
#include "engine/TextStatistics.h"
#include "engine/Utf8.h"

namespace {

constexpr std::u16string_view kReplacement = u"\uFFFD";
constexpr std::u16string_view kParagraphBreak = u"\n\n";

// Bytes taken by front matter at the start; without a closing line there is none.
std::size_t FrontMatterLength(std::string_view text) {
    const SourceLine first = SourceLineAt(text, 0);
    const bool yaml = first.text == "---";
    // A thematic break followed by a blank line is no front matter, and a
    // setext heading further down must not swallow everything above it.
    if ((!yaml && first.text != "+++") || IsBlankLine(SourceLineAt(text, first.next).text)) {
        return 0;
    }
    for (std::size_t start = first.next; start < text.size();) {
        const SourceLine line = SourceLineAt(text, start);
        if (yaml ? line.text == "---" || line.text == "..." : line.text == "+++") {
            return line.next;
        }
        start = line.next;
    }
    return 0;
}

// md4c has checked the syntax ("&name;", "&#digits;", "&#xhex;") but not the names.
std::optional<std::u16string> DecodeEntity(std::string_view entity) {
    static constexpr std::array<std::pair<std::string_view, char16_t>, 16> kNamed = {{
        {"amp", u'&'},
        {"lt", u'<'},
        {"gt", u'>'},
        {"quot", u'"'},
        {"apos", u'\''},
        {"nbsp", u'\u00A0'},
        {"ndash", u'\u2013'},
        {"mdash", u'\u2014'},
        {"hellip", u'\u2026'},
        {"lsquo", u'\u2018'},
        {"rsquo", u'\u2019'},
        {"ldquo", u'\u201C'},
        {"rdquo", u'\u201D'},
        {"copy", u'\u00A9'},
        {"reg", u'\u00AE'},
        {"trade", u'\u2122'},
    }};
    if (entity.size() < 3 || entity.front() != '&' || entity.back() != ';') {
        return std::nullopt;
    }
    std::string_view name = entity.substr(1, entity.size() - 2);
    if (name.front() != '#') {
        const auto* found =
            std::ranges::find(kNamed, name, &std::pair<std::string_view, char16_t>::first);
        if (found == kNamed.end()) {
            return std::nullopt;
        }
        return std::u16string(1, found->second);
    }
    name.remove_prefix(1);
    int base = 10;
    if (!name.empty() && (name.front() == 'x' || name.front() == 'X')) {
        name.remove_prefix(1);
        base = 16;
    }
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), value, base);
    const bool valid = error == std::errc() && end == name.data() + name.size() && value != 0 &&
                       value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
    if (!valid) {
        return std::u16string(kReplacement);
    }
    char16_t units[2];
    return std::u16string(units, WriteUtf16(value, units));
}

const ProseSegment& SegmentOf(const ProseDocument& document, std::size_t proseOffset) {
    const auto after = std::ranges::upper_bound(document.segments, proseOffset, std::less{},
                                                &ProseSegment::proseStart);
    return *std::prev(after);
}

struct UnitRange {
    std::size_t start = 0;
    std::size_t end = 0;
};

// Walks forward only, so mapping every place of a document costs linear time.
struct Utf16Cursor {
    std::size_t byte = 0;
    std::size_t unit = 0;
};

std::size_t Utf16OffsetAt(Utf16Cursor& cursor, std::string_view source, std::size_t byte) {
    if (byte < cursor.byte) {
        cursor = {};
    }
    std::size_t unit = cursor.unit;
    for (std::size_t i = cursor.byte; i < byte; ++i) {
        const auto c = static_cast<unsigned char>(source[i]);
        // Lead bytes start code points; a four-byte one needs a surrogate pair.
        // Without branches the loop runs over many bytes at once.
        unit += static_cast<std::size_t>((c & 0xC0) != 0x80) + static_cast<std::size_t>(c >= 0xF0);
    }
    cursor = {byte, unit};
    return unit;
}

// Inline code being read: its text, and the bytes of the source it was taken from.
struct InlineCode {
    bool open = false;
    std::u16string text;
    std::size_t firstByte = std::string_view::npos;
    std::size_t firstUnit = 0;
    std::size_t lastByte = 0;
    std::size_t lastUnit = 0;
};

// Where a link began, to take its text back when it turns out to be a URL.
struct LinkFrame {
    std::size_t proseSize = 0;
    std::size_t segmentCount = 0;
    bool breakPending = false;
    std::u16string href;
};

struct ProseBuilder {
    std::string_view source;      // the whole input, front matter included
    std::string_view parsed;      // what md4c reads: the source, or a copy with MDX code blanked
    std::u16string_view decoded;  // the source decoded once for every text run to copy from
    std::span<const UnitRange> hidden;  // ascending, never copied into the prose
    ProseDocument document;
    Utf16Cursor cursor;
    std::size_t lastPlace = 0;  // for text md4c makes up, such as line breaks
    bool breakPending = false;
    bool blockHasText = false;  // since the last block began or ended
    int skippedBlocks = 0;      // md4c reports NULs even inside code and raw HTML blocks
    std::vector<LinkFrame> links;
    bool suppressed = false;  // between "<!-- quillory off -->" and "<!-- quillory on -->"
    int headingLevel = 0;     // within a heading
    InlineCode code;
    std::size_t headingStart = std::u16string::npos;  // its text's first unit, once it has one
    std::exception_ptr failure;  // exceptions must not unwind through md4c's C frames
};

ProseBuilder& BuilderOf(void* userdata) {
    return *static_cast<ProseBuilder*>(userdata);
}

template <typename Action>
int Guarded(void* userdata, Action action) {
    ProseBuilder& builder = BuilderOf(userdata);
    try {
        action(builder);
        return 0;
    } catch (...) {
        builder.failure = std::current_exception();
        return 1;
    }
}

// A piece that carries on where the last one ended shares its segment, to keep segments few.
void AddPiece(ProseDocument& document, std::u16string_view text, std::size_t sourceStart,
              std::size_t sourceEnd, bool verbatim) {
    std::vector<ProseSegment>& segments = document.segments;
    bool continues = false;
    if (!segments.empty() && segments.back().verbatim == verbatim) {
        const ProseSegment& last = segments.back();
        const std::size_t reached = verbatim
                                        ? last.sourceStart + document.prose.size() - last.proseStart
                                        : last.sourceStart;
        continues = reached == sourceStart;
    }
    if (continues) {
        segments.back().sourceEnd = std::max(segments.back().sourceEnd, sourceEnd);
    } else {
        segments.push_back({document.prose.size(), sourceStart, verbatim, sourceEnd});
    }
    document.prose += text;
}

void Append(ProseBuilder& builder, std::u16string_view text, std::size_t sourceStart,
            std::size_t sourceEnd, bool verbatim) {
    if (text.empty() || builder.suppressed) {
        return;
    }
    if (builder.breakPending) {
        builder.breakPending = false;
        if (!builder.document.prose.empty()) {
            AddPiece(builder.document, kParagraphBreak, sourceStart, sourceStart, false);
        }
    }
    if (builder.headingLevel > 0 && builder.headingStart == std::u16string::npos) {
        builder.headingStart = builder.document.prose.size();
    }
    AddPiece(builder.document, text, sourceStart, sourceEnd, verbatim);
    builder.blockHasText = true;
}

// A block that ends without a sentence mark ends its sentence all the same: a
// heading, a list item or a table cell does not run into the sentence after it.
void EndBlock(ProseBuilder& builder) {
    if (!builder.blockHasText) {
        return;
    }
    builder.blockHasText = false;
    ProseDocument& document = builder.document;
    std::u16string& prose = document.prose;
    const std::size_t size = TrimmedEnd(prose, 0, prose.size());
    prose.resize(size);
    while (!document.segments.empty() && document.segments.back().proseStart >= size) {
        document.segments.pop_back();
    }
    std::size_t wordStart = size;
    while (wordStart > 0 && !IsWordSeparator(prose[wordStart - 1])) {
        --wordStart;
    }
    if (size == 0 || std::any_of(prose.begin() + static_cast<std::ptrdiff_t>(wordStart),
                                 prose.end(), IsSentenceMark)) {
        return;
    }
    const std::size_t place = SourceEndOf(document, size);
    AddPiece(document, u".", place, place, false);
}

// Line breaks and NUL replacements may point at md4c's own constants.
std::optional<std::size_t> ByteOffsetIn(std::string_view source, std::string_view text) {
    const std::less<const char*> before;
    const char* begin = source.data();
    const char* end = begin + source.size();
    if (text.empty() || before(text.data(), begin) || !before(text.data(), end)) {
        return std::nullopt;
    }
    const auto offset = static_cast<std::size_t>(text.data() - begin);
    return text.size() <= source.size() - offset ? std::optional(offset) : std::nullopt;
}

// In Markdown a tab or a no-break space parts words as a blank does.
constexpr bool IsMarkdownBlank(char16_t c) {
    return c == u'\t' || c == u'\u00A0';
}

void AppendSource(ProseBuilder& builder, std::size_t start, std::size_t end) {
    const std::u16string_view text = builder.decoded.substr(start, end - start);
    std::size_t from = 0;
    for (auto blank = std::ranges::find_if(text, IsMarkdownBlank); blank != text.end();
         blank = std::find_if(blank + 1, text.end(), IsMarkdownBlank)) {
        const auto at = static_cast<std::size_t>(blank - text.begin());
        Append(builder, text.substr(from, at - from), start + from, start + at, true);
        Append(builder, u" ", start + at, start + at + 1, false);
        from = at + 1;
    }
    Append(builder, text.substr(from), start + from, end, true);
}

// The run as UTF-16: taken from the decoded source where it lies in it.
void AppendRun(ProseBuilder& builder, std::string_view text, bool inSource, std::size_t start) {
    if (inSource) {
        const std::size_t end = builder.lastPlace;
        auto code = std::ranges::partition_point(
            builder.hidden, [start](const UnitRange& range) { return range.end <= start; });
        for (std::size_t at = start; at < end;) {
            if (code == builder.hidden.end()) {
                AppendSource(builder, at, end);
                break;
            }
            const std::size_t stop = std::clamp(code->start, at, end);
            AppendSource(builder, at, stop);
            at = std::max(stop, code->end);
            ++code;
        }
    } else {
        Append(builder, DecodeUtf8(text).text, start, builder.lastPlace, false);
    }
}

// The last "<!-- quillory off -->" or "<!-- quillory on -->" in a run of raw HTML.
std::optional<bool> SuppressionSwitch(std::string_view html) {
    std::optional<bool> suppressed;
    for (std::size_t at = html.find("<!--"); at != std::string_view::npos;
         at = html.find("<!--", at + 4)) {
        std::string_view rest = html.substr(at + 4);
        const auto skipBlanks = [&rest] {
            rest.remove_prefix(std::min(rest.find_first_not_of(" \t\r\n"), rest.size()));
        };
        skipBlanks();
        if (!rest.starts_with("quillory")) {
            continue;
        }
        rest.remove_prefix(8);
        skipBlanks();
        const bool off = rest.starts_with("off");
        if (!off && !rest.starts_with("on")) {
            continue;
        }
        rest.remove_prefix(off ? 3 : 2);
        skipBlanks();
        if (rest.starts_with("-->")) {
            suppressed = off;
        }
    }
    return suppressed;
}

void AddCodeText(ProseBuilder& builder, MD_TEXTTYPE type, std::string_view text,
                 std::optional<std::size_t> byte, std::size_t start) {
    InlineCode& code = builder.code;
    if (type == MD_TEXT_NULLCHAR) {
        code.text += kReplacement;
    } else if (byte) {
        code.text += builder.decoded.substr(start, builder.lastPlace - start);
    } else {
        code.text += DecodeUtf8(text).text;  // a line break md4c made a blank
    }
    if (byte) {
        if (code.firstByte == std::string_view::npos) {
            code.firstByte = *byte;
            code.firstUnit = start;
        }
        code.lastByte = *byte + text.size();
        code.lastUnit = builder.lastPlace;
    }
}

// The code's word stands for the whole span, backticks included, and never
// before the prose ahead of it.
void CloseCode(ProseBuilder& builder) {
    InlineCode& code = builder.code;
    code.open = false;
    if (builder.skippedBlocks > 0 || code.text.empty()) {
        return;
    }
    std::size_t start = builder.lastPlace;
    std::size_t end = builder.lastPlace;
    if (code.firstByte != std::string_view::npos) {
        start = code.firstUnit - CodeSpanOpening(builder.source, code.firstByte);
        end = code.lastUnit + CodeSpanClosing(builder.source, code.lastByte);
    }
    const ProseDocument& document = builder.document;
    if (!document.prose.empty()) {
        start = std::max(start, SourceEndOf(document, document.prose.size()));
        end = std::max(start, end);
    }
    Append(builder, InlineCodeWord(code.text), start, end, false);
    builder.lastPlace = std::max(builder.lastPlace, end);  // made-up text after it goes after it
}

void AddText(ProseBuilder& builder, MD_TEXTTYPE type, std::string_view text) {
    const std::optional<std::size_t> byte = ByteOffsetIn(builder.parsed, text);
    std::size_t start = builder.lastPlace;
    if (byte) {
        start = Utf16OffsetAt(builder.cursor, builder.source, *byte);
        builder.lastPlace = Utf16OffsetAt(builder.cursor, builder.source, *byte + text.size());
    }
    if (type == MD_TEXT_HTML) {
        builder.suppressed = SuppressionSwitch(text).value_or(builder.suppressed);
    }
    if (builder.skippedBlocks > 0) {
        return;
    }
    if (builder.code.open && (type == MD_TEXT_CODE || type == MD_TEXT_NULLCHAR)) {
        AddCodeText(builder, type, text, byte, start);
        return;
    }
    switch (type) {
        case MD_TEXT_NORMAL:
            AppendRun(builder, text, byte.has_value(), start);
            break;
        case MD_TEXT_NULLCHAR:
            Append(builder, kReplacement, start, builder.lastPlace, false);
            break;
        case MD_TEXT_BR:
        case MD_TEXT_SOFTBR:
            Append(builder, u"\n", start, builder.lastPlace, false);
            break;
        case MD_TEXT_ENTITY:
            if (const std::optional<std::u16string> decoded = DecodeEntity(text)) {
                const bool blank = decoded->size() == 1 && IsMarkdownBlank(decoded->front());
                Append(builder, blank ? u" " : *decoded, start, builder.lastPlace, false);
            } else {
                AppendRun(builder, text, byte.has_value(), start);
            }
            break;
        default:  // code blocks, raw HTML and LaTeX are not prose
            break;
    }
}

bool IsUrl(std::u16string_view text, std::u16string_view href) {
    for (const std::u16string_view scheme : {u"mailto:", u"http://"}) {
        if (href.starts_with(scheme) && text == href.substr(scheme.size())) {
            return true;
        }
    }
    return text == href;
}

void CloseLink(ProseBuilder& builder) {
    const LinkFrame frame = std::move(builder.links.back());
    builder.links.pop_back();
    ProseDocument& document = builder.document;
    const bool separated =
        frame.breakPending && frame.proseSize > 0 && document.prose.size() > frame.proseSize;
    const std::u16string_view text =
        std::u16string_view(document.prose).substr(frame.proseSize + (separated ? 2 : 0));
    if (IsUrl(text, frame.href)) {
        document.prose.resize(frame.proseSize);
        document.segments.resize(frame.segmentCount);
        builder.breakPending = frame.breakPending;
    }
}

// A table is data set out in cells, not prose.
bool IsSkipped(MD_BLOCKTYPE type) {
    return type == MD_BLOCK_CODE || type == MD_BLOCK_HTML || type == MD_BLOCK_TABLE;
}

int OnEnterBlock(MD_BLOCKTYPE type, void* detail, void* userdata) {
    return Guarded(userdata, [type, detail](ProseBuilder& builder) {
        EndBlock(builder);
        builder.breakPending = true;
        if (IsSkipped(type)) {
            ++builder.skippedBlocks;
        }
        if (type == MD_BLOCK_H) {
            builder.headingLevel = static_cast<int>(static_cast<MD_BLOCK_H_DETAIL*>(detail)->level);
            builder.headingStart = std::u16string::npos;
        }
    });
}

// A heading with text of its own starts a section; its text ends before the
// full stop EndBlock may give it.
void EndHeading(ProseBuilder& builder) {
    const std::u16string& prose = builder.document.prose;
    const std::size_t end = TrimmedEnd(prose, builder.headingStart, prose.size());
    if (builder.headingStart < end) {
        builder.document.headings.push_back({builder.headingLevel, builder.headingStart, end});
    }
    builder.headingLevel = 0;
}

int OnLeaveBlock(MD_BLOCKTYPE type, void* /*detail*/, void* userdata) {
    return Guarded(userdata, [type](ProseBuilder& builder) {
        if (type == MD_BLOCK_H) {
            EndHeading(builder);
        }
        EndBlock(builder);
        builder.breakPending = true;
        if (IsSkipped(type)) {
            --builder.skippedBlocks;
        }
    });
}

int OnEnterSpan(MD_SPANTYPE type, void* detail, void* userdata) {
    if (type == MD_SPAN_CODE) {
        BuilderOf(userdata).code = InlineCode{};
        BuilderOf(userdata).code.open = true;
        return 0;
    }
    if (type != MD_SPAN_A) {
        return 0;
    }
    return Guarded(userdata, [detail](ProseBuilder& builder) {
        const MD_ATTRIBUTE& href = static_cast<const MD_SPAN_A_DETAIL*>(detail)->href;
        builder.links.push_back({builder.document.prose.size(), builder.document.segments.size(),
                                 builder.breakPending,
                                 DecodeUtf8(std::string_view(href.text, href.size)).text});
    });
}

int OnLeaveSpan(MD_SPANTYPE type, void* /*detail*/, void* userdata) {
    if (type == MD_SPAN_CODE) {
        return Guarded(userdata, CloseCode);
    }
    if (type != MD_SPAN_A) {
        return 0;
    }
    return Guarded(userdata, CloseLink);
}

int OnText(MD_TEXTTYPE type, const MD_CHAR* text, MD_SIZE size, void* userdata) {
    return Guarded(userdata, [=](ProseBuilder& builder) {
        AddText(builder, type, std::string_view(text, size));
    });
}

std::vector<UnitRange> UnitRanges(std::string_view utf8, const std::vector<ByteRange>& ranges) {
    std::vector<UnitRange> units;
    units.reserve(ranges.size());
    Utf16Cursor cursor;
    for (const ByteRange& range : ranges) {
        const std::size_t start = Utf16OffsetAt(cursor, utf8, range.start);
        units.push_back({start, Utf16OffsetAt(cursor, utf8, range.end)});
    }
    return units;
}

}  // namespace

ProseDocument MarkdownProse(std::string_view utf8, std::u16string_view decoded, SourceKind kind) {
    // md4c 0.4.8 can read one byte past the end of what it is given, so it reads
    // a copy whose terminating zero is that byte, wherever the caller's bytes end.
    const ParsedMarkdown copy = ParseableMarkdown(utf8, kind);
    const std::string_view parsed = copy.utf8;
    const std::vector<UnitRange> hidden = UnitRanges(utf8, copy.hidden);
    const std::string_view body = parsed.substr(FrontMatterLength(parsed));
    if (body.size() > std::numeric_limits<MD_SIZE>::max()) {
        throw std::length_error("Markdown document too large to parse");
    }
    MD_PARSER parser{};
    parser.flags =
        MD_FLAG_TABLES | MD_FLAG_STRIKETHROUGH | MD_FLAG_TASKLISTS | MD_FLAG_PERMISSIVEAUTOLINKS;
    if (kind == SourceKind::Mdx) {
        parser.flags |= MD_FLAG_NOINDENTEDCODEBLOCKS;  // MDX has none: indented text is text
    }
    parser.enter_block = OnEnterBlock;
    parser.leave_block = OnLeaveBlock;
    parser.enter_span = OnEnterSpan;
    parser.leave_span = OnLeaveSpan;
    parser.text = OnText;
    ProseBuilder builder;
    builder.source = utf8;
    builder.parsed = parsed;
    builder.decoded = decoded;
    builder.hidden = hidden;
    const int status = md_parse(body.data(), static_cast<MD_SIZE>(body.size()), &parser, &builder);
    if (builder.failure) {
        std::rethrow_exception(builder.failure);
    }
    if (status != 0) {
        throw std::bad_alloc();  // md4c fails only when it runs out of memory
    }
    return std::move(builder.document);
}

ProseDocument PlainTextProse(std::u16string text) {
    return {std::move(text), {ProseSegment{}}, {}};
}

std::size_t SourceOffsetOf(const ProseDocument& document, std::size_t proseOffset) {
    const ProseSegment& segment = SegmentOf(document, proseOffset);
    return segment.verbatim ? segment.sourceStart + (proseOffset - segment.proseStart)
                            : segment.sourceStart;
}

std::size_t SourceEndOf(const ProseDocument& document, std::size_t proseEnd) {
    const ProseSegment& segment = SegmentOf(document, proseEnd - 1);
    return segment.verbatim ? segment.sourceStart + (proseEnd - segment.proseStart)
                            : segment.sourceEnd;
}
