#include "engine/SentenceSpans.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "engine/AnalysisJob.h"
#include "engine/ReadabilityMetrics.h"
#include "engine/SpellingNormalisation.h"
#include "engine/TextAgreement.h"
#include "engine/TextStatistics.h"

namespace {

constexpr bool IsInvertedMark(char16_t c) {
    return c == u'\u00A1' || c == u'\u00BF';
}

constexpr std::ptrdiff_t kMarkBlock = 32;

// Whether a block of code units holds a sentence mark, tested with no jump per
// code unit so that the compiler vectorises it.
bool BlockHoldsMark(const char16_t* block) {
    unsigned marks = 0;
    for (std::ptrdiff_t i = 0; i < kMarkBlock; ++i) {
        marks |= static_cast<unsigned>(IsSentenceMark(block[i]));
    }
    return marks != 0;
}

// The first sentence mark at or after `unit`. Marks are rare, so whole blocks
// are passed over first.
const char16_t* NextMark(const char16_t* unit, const char16_t* end) {
    while (end - unit >= kMarkBlock && !BlockHoldsMark(unit)) {
        unit += kMarkBlock;
    }
    return std::find_if(unit, end, IsSentenceMark);
}

// Where the cuts fall in the respelt text: the start, the first code unit of
// each word that follows a word holding a sentence mark (an inverted mark that
// opens a word begins a sentence rather than ending one), and the end.
std::vector<std::size_t> Cuts(std::u16string_view text) {
    std::vector<std::size_t> cuts{0};
    const char16_t* const begin = text.data();
    const char16_t* const end = begin + text.size();
    for (const char16_t* unit = begin; (unit = NextMark(unit, end)) != end;) {
        const bool opensWord = unit == begin || IsWordSeparator(unit[-1]);
        if (opensWord && IsInvertedMark(*unit)) {
            ++unit;
            continue;
        }
        const char16_t* const wordEnd = std::find_if(unit, end, IsWordSeparator);
        unit = std::find_if_not(wordEnd, end, IsWordSeparator);
        if (unit == end) {
            break;
        }
        cuts.push_back(static_cast<std::size_t>(unit - begin));
    }
    cuts.push_back(text.size());
    return cuts;
}

// The start of the blank-separated token holding `at`.
std::size_t TokenStart(std::u16string_view text, std::size_t at) {
    const std::size_t blank = at == 0 ? std::u16string_view::npos : text.rfind(u' ', at - 1);
    return blank == std::u16string_view::npos ? 0 : blank + 1;
}

// The end of the blank-separated token holding `at`.
std::size_t TokenEnd(std::u16string_view text, std::size_t at) {
    return std::min(text.find(u' ', at), text.size());
}

// Maps ascending offsets of the respelt text to the editor's text. Respelling
// replaces whole blank-separated tokens of the trimmed text and copies the
// rest, so the two texts differ only inside replaced tokens, and an offset
// moves by what the replaced tokens before it gained or lost. A cut never
// falls inside a respelt token, which holds letters only.
std::vector<std::size_t> EditorOffsets(std::u16string_view editorText, std::u16string_view respelt,
                                       const std::vector<std::size_t>& offsets) {
    const std::size_t lead = editorText.find_first_not_of(u' ');
    const std::u16string_view trimmed =
        editorText.substr(lead, editorText.find_last_not_of(u' ') + 1 - lead);
    std::vector<std::size_t> mapped;
    mapped.reserve(offsets.size());
    std::size_t own = 0;  // a place where both texts agree, in each
    std::size_t editor = 0;
    auto next = offsets.begin();
    while (next != offsets.end()) {
        const std::size_t agreeing = AgreeingLength(respelt.substr(own), trimmed.substr(editor));
        const std::size_t ownDifference = own + agreeing;
        // The replaced token holding the difference, in each text.
        const std::size_t tokenStart = TokenStart(respelt, ownDifference);
        const std::size_t editorTokenStart = editor + (tokenStart - own);
        const std::size_t ownEnd = TokenEnd(respelt, ownDifference);
        const std::size_t editorEnd = TokenEnd(trimmed, editor + agreeing);
        const bool sameLength = ownEnd - tokenStart == editorEnd - editorTokenStart;
        for (; next != offsets.end() && *next <= ownEnd; ++next) {
            const bool inside = *next > tokenStart && !sameLength;
            mapped.push_back(lead + (inside ? editorEnd : editor + (*next - own)));
        }
        own = ownEnd;
        editor = editorEnd;
    }
    return mapped;
}

// A segment counts the same wherever its code units and bounds are the same, so
// the segments that lie in the agreeing head or tail of the last text, with the
// same bounds there, keep their counts; the rest are counted.
std::vector<SegmentCounts> CountSegmentsRemembering(std::u16string_view text,
                                                    const std::vector<std::size_t>& cuts,
                                                    EnglishVariant variant, SpanMemory& memory) {
    if (memory.variant != variant) {
        memory = SpanMemory{};
        memory.variant = variant;
    }
    const std::u16string_view old = memory.respelt;
    const std::vector<std::size_t>& oldCuts = memory.cuts;
    const std::size_t head = AgreeingLength(text, old);
    const std::size_t tail = AgreeingEndLength(text, old, std::min(text.size(), old.size()) - head);
    const std::size_t segments = cuts.size() - 1;
    std::vector<SegmentCounts> counts(segments);

    std::size_t first = 0;  // the first segment counted afresh
    while (first < segments && first + 1 < oldCuts.size() && cuts[first + 1] <= head &&
           oldCuts[first] == cuts[first] && oldCuts[first + 1] == cuts[first + 1]) {
        counts[first] = memory.counts[first];
        ++first;
    }
    std::size_t last = segments;  // one past the last segment counted afresh
    std::size_t oldLast = oldCuts.empty() ? 0 : oldCuts.size() - 1;
    const std::size_t tailStart = text.size() - tail;
    const std::size_t oldTailStart = old.size() - tail;
    while (last > first && oldLast > first && cuts[last - 1] >= tailStart &&
           cuts[last - 1] - tailStart == oldCuts[oldLast - 1] - oldTailStart &&
           cuts[last] - tailStart == oldCuts[oldLast] - oldTailStart) {
        counts[last - 1] = memory.counts[oldLast - 1];
        --last;
        --oldLast;
    }
    if (first < last) {
        const std::size_t from = cuts[first];
        std::vector<std::size_t> changed(cuts.begin() + static_cast<std::ptrdiff_t>(first),
                                         cuts.begin() + static_cast<std::ptrdiff_t>(last) + 1);
        for (std::size_t& cut : changed) {
            cut -= from;
        }
        const std::vector<SegmentCounts> fresh =
            CountSegments(text.substr(from, cuts[last] - from), changed, variant);
        std::copy(fresh.begin(), fresh.end(), counts.begin() + static_cast<std::ptrdiff_t>(first));
    }
    memory.respelt = text;
    memory.cuts = cuts;
    memory.counts = counts;
    return counts;
}

double OwnGrade(const SentenceSpan& span, EnglishVariant variant) {
    AnalysisJob job;
    job.wordCount = span.words;
    job.sentenceCount = span.sentences;
    job.characterCount = span.characters;
    job.syllableCount = span.syllables;
    ComputeMetricsFromCounts(job, {span.complexWords, span.longWords}, variant, {});
    return job.fleschKincaidGrade;
}

std::vector<SentenceSpan> SpansOf(std::u16string_view editorText, std::u16string_view respelt,
                                  EnglishVariant variant, const std::vector<std::size_t>& cuts,
                                  const std::vector<SegmentCounts>& counts) {
    const std::vector<std::size_t> editorCuts = EditorOffsets(editorText, respelt, cuts);
    std::vector<SentenceSpan> spans;
    spans.reserve(counts.size());
    for (std::size_t i = 0; i < counts.size(); ++i) {
        SentenceSpan& span = spans.emplace_back();
        span.start = editorCuts[i];
        span.end = editorCuts[i + 1];
        span.words = counts[i].runs.words;
        span.sentences = counts[i].runs.sentences;
        span.syllables = counts[i].runs.syllables;
        span.characters = static_cast<std::int64_t>(cuts[i + 1] - cuts[i]);
        span.complexWords = counts[i].asciiWords.complexWords;
        span.longWords = counts[i].asciiWords.longWords;
        span.grade = OwnGrade(span, variant);
    }
    return spans;
}

}  // namespace

std::vector<SentenceSpan> SentenceSpans(std::u16string_view editorText, EnglishVariant variant) {
    return SentenceSpans(editorText, NormalisedSpelling(editorText, variant), variant);
}

std::vector<SentenceSpan> SentenceSpans(std::u16string_view editorText, std::u16string_view respelt,
                                        EnglishVariant variant) {
    if (respelt.empty()) {
        return {};
    }
    const std::vector<std::size_t> cuts = Cuts(respelt);
    return SpansOf(editorText, respelt, variant, cuts, CountSegments(respelt, cuts, variant));
}

std::vector<SentenceSpan> SentenceSpans(std::u16string_view editorText, std::u16string_view respelt,
                                        EnglishVariant variant, SpanMemory& memory) {
    if (respelt.empty()) {
        return {};
    }
    const std::vector<std::size_t> cuts = Cuts(respelt);
    return SpansOf(editorText, respelt, variant, cuts,
                   CountSegmentsRemembering(respelt, cuts, variant, memory));
}

WordsRange SentenceWords(std::u16string_view editorText, const SentenceSpan& span) {
    WordsRange words{span.start, span.end};
    while (words.start + 1 < words.end && IsWordSeparator(editorText[words.start])) {
        ++words.start;
    }
    words.end = TrimmedEnd(editorText, words.start + 1, words.end);
    return words;
}

void AddCounts(SentenceSpan& sum, const SentenceSpan& span) {
    sum.words += span.words;
    sum.sentences += span.sentences;
    sum.syllables += span.syllables;
    sum.characters += span.characters;
    sum.complexWords += span.complexWords;
    sum.longWords += span.longWords;
}
