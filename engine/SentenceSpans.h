#pragma once

// The text cut into sentences whose counts add up exactly to the whole text's,
// so that each can be weighed against the rest.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/EnglishVariant.h"
#include "engine/TextStatistics.h"

struct SentenceSpan {
    // The range in the editor's own text, before respelling and trimming.
    std::size_t start = 0;
    std::size_t end = 0;  // exclusive
    // Counted in the respelt text, as CountText and CountAsciiWords count.
    std::int64_t words = 0;
    std::int64_t sentences = 0;
    std::int64_t syllables = 0;
    std::int64_t characters = 0;
    std::int64_t complexWords = 0;
    std::int64_t longWords = 0;
    double grade = 0;  // Flesch-Kincaid, the span read as a text of its own
};

// Adds the span's counts to `sum`'s (not its range or grade): the spans of a
// text add up to the text's own counts.
void AddCounts(SentenceSpan& sum, const SentenceSpan& span);

// Cuts the respelt, trimmed text only after the separators that follow a word
// holding a sentence mark (not counting an inverted one that opens it), so
// that no run CountText counts crosses a cut; the last span may hold no mark.
// Empty for a text of blanks.
std::vector<SentenceSpan> SentenceSpans(std::u16string_view editorText, EnglishVariant variant);
// The same where the respelt text is at hand: a counted job's text (CountText).
std::vector<SentenceSpan> SentenceSpans(std::u16string_view editorText, std::u16string_view respelt,
                                        EnglishVariant variant);

// The last respelt text's cuts and the counts between them.
struct SpanMemory {
    EnglishVariant variant = EnglishVariant::Us;
    std::u16string respelt;
    std::vector<std::size_t> cuts;
    std::vector<SegmentCounts> counts;
};
// The same again, for a text that changes a little at a time: the sentences in
// the stretches that agree with the last text, at the same bounds, are not
// counted again. Equal to SentenceSpans in every field.
std::vector<SentenceSpan> SentenceSpans(std::u16string_view editorText, std::u16string_view respelt,
                                        EnglishVariant variant, SpanMemory& memory);

// A span from its first word's start to its last word's end, without the
// blanks and line breaks around them; a span of blanks keeps one unit.
struct WordsRange {
    std::size_t start = 0;
    std::size_t end = 0;  // exclusive
};
WordsRange SentenceWords(std::u16string_view editorText, const SentenceSpan& span);
