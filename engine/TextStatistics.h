#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "engine/AnalysisJob.h"
#include "engine/EnglishVariant.h"

// Words are the runs of code units other than blanks, CR and LF.
constexpr bool IsWordSeparator(char16_t c) {
    return c == u' ' || c == u'\r' || c == u'\n';
}

// Where [start, end) of a text ends once the separators closing it are left off.
constexpr std::size_t TrimmedEnd(std::u16string_view text, std::size_t start, std::size_t end) {
    while (end > start && IsWordSeparator(text[end - 1])) {
        --end;
    }
    return end;
}

// Bitwise rather than logical or, so that a loop testing many code units vectorises.
constexpr bool IsSentenceMark(char16_t c) {
    return (c == u'.') | (c == u'!') | (c == u'?') | (c == u'\u00A1') | (c == u'\u00BF');
}

// Runs of non-separators (words), of extended vowels (syllables) and of
// sentence marks (sentences), each counted where it starts.
struct RunCounts {
    std::int64_t words = 0;
    std::int64_t syllables = 0;
    std::int64_t sentences = 0;
};
RunCounts CountRuns(std::u16string_view text);

// Normalises the job's text to the variant's spelling, then fills wordCount,
// sentenceCount, characterCount and syllableCount from it.
void CountText(AnalysisJob& job, EnglishVariant variant);

// Vowel groups of one word (plain vowels for US, extended for UK).
std::int64_t CountSyllables(std::u16string_view word, EnglishVariant variant);

// Runs of ASCII alphanumerics with at least 3 (US) or 2 (UK) syllables.
std::int64_t CountComplexWords(std::u16string_view text, EnglishVariant variant);

// Runs of ASCII alphanumerics at least 7 (US) or 6 (UK) long.
std::int64_t CountLongWords(std::u16string_view text, EnglishVariant variant);

// Both of the above in one walk.
AsciiWordCounts CountAsciiWords(std::u16string_view text, EnglishVariant variant);

// CountRuns and CountAsciiWords of each segment between consecutive cuts (ascending,
// from 0 to text.size()), each segment counted as a text of its own.
struct SegmentCounts {
    RunCounts runs;
    AsciiWordCounts asciiWords;
};
std::vector<SegmentCounts> CountSegments(std::u16string_view text,
                                         std::span<const std::size_t> cuts, EnglishVariant variant);

// The live pass's cheap change detector.
struct QuickCounts {
    std::int64_t words = -1;
    std::int64_t sentenceGroups = -1;
    std::int64_t characters = -1;
    friend bool operator==(const QuickCounts&, const QuickCounts&) = default;
};
QuickCounts QuickCount(std::u16string_view text);
