#include "engine/TextStatistics.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "engine/SpellingNormalisation.h"

// A class comes from one table look-up, every code unit above U+00FF sharing the last entry,
// and counts grow arithmetically: a jump that depends on the letters costs dearly when the
// processor guesses it wrong.

namespace {

constexpr std::size_t kAboveFF = 256;

// Runs the walk with the table index of a code unit. Most texts lie below U+0100, and then
// the code unit is its own index; one vectorised pass tells.
template <typename Walk>
auto WithTableIndex(std::u16string_view text, Walk walk) {
    char16_t allBits = 0;
    for (const char16_t c : text) {
        allBits = static_cast<char16_t>(allBits | c);
    }
    if (allBits < kAboveFF) {
        return walk([](char16_t c) { return std::size_t{c}; });
    }
    return walk([](char16_t c) { return std::min<std::size_t>(c, kAboveFF); });
}

constexpr std::size_t TableIndex(char16_t c) {
    return std::min<std::size_t>(c, kAboveFF);
}

constexpr bool IsPlainVowel(int c) {
    return std::u16string_view(u"aeiouyAEIOUY").find(static_cast<char16_t>(c)) !=
           std::u16string_view::npos;
}

constexpr bool IsExtendedVowel(int c) {
    return IsPlainVowel(c) ||
           std::u16string_view(u"áéíóúÁÉÍÓÚäëïöüÄËÏÖÜ").find(static_cast<char16_t>(c)) !=
               std::u16string_view::npos;
}

constexpr bool IsAsciiAlphanumeric(int c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// CountText keeps its three counts in 21-bit fields of one accumulator: a field grows by at
// most one per code unit, so summing 2^20 code units at a time keeps the fields apart.
constexpr int kFieldBits = 21;
constexpr std::size_t kSumLength = std::size_t{1} << 20;
constexpr std::uint64_t kFieldMask = (std::uint64_t{1} << kFieldBits) - 1;
constexpr std::uint64_t kWordField = 1;                          // not a separator
constexpr std::uint64_t kVowelField = kWordField << kFieldBits;  // extended vowel
constexpr std::uint64_t kMarkField = kVowelField << kFieldBits;  // sentence mark
constexpr std::uint64_t kRunFields = kFieldMask | (kFieldMask << kFieldBits);

constexpr std::array<std::uint64_t, kAboveFF + 1> BuildCountTable() {
    std::array<std::uint64_t, kAboveFF + 1> table{};
    for (int c = 0; c < 256; ++c) {
        const auto unit = static_cast<char16_t>(c);
        table[c] = (IsWordSeparator(unit) ? 0 : kWordField) |
                   (IsExtendedVowel(c) ? kVowelField : 0) | (IsSentenceMark(unit) ? kMarkField : 0);
    }
    table[kAboveFF] = kWordField;
    return table;
}

constexpr std::array<std::uint64_t, kAboveFF + 1> kCountTable = BuildCountTable();

// The words of CountAsciiWords: runs of ASCII alphanumerics. Inside them the extended vowels
// are the plain ones, so both variants share one table. A vowel is -1 and a consonant -2: a
// vowel ANDed with the complement of what came before is 1 exactly where a vowel run starts.
constexpr std::int8_t kAsciiVowel = -1;
constexpr std::int8_t kAsciiConsonant = -2;

constexpr std::array<std::int8_t, kAboveFF + 1> BuildAsciiWordTable() {
    std::array<std::int8_t, kAboveFF + 1> table{};
    for (int c = 0; c < 256; ++c) {
        table[c] = IsPlainVowel(c)          ? kAsciiVowel
                   : IsAsciiAlphanumeric(c) ? kAsciiConsonant
                                            : std::int8_t{0};
    }
    return table;
}

constexpr std::array<std::int8_t, kAboveFF + 1> kAsciiWordTable = BuildAsciiWordTable();

constexpr std::int64_t ComplexSyllables(EnglishVariant variant) {
    return variant == EnglishVariant::Uk ? 2 : 3;
}

constexpr std::size_t LongWordLength(EnglishVariant variant) {
    return variant == EnglishVariant::Uk ? 6 : 7;
}

// The walks of CountRuns and CountAsciiWords, given the table index function.
template <typename Index>
RunCounts CountRunsOf(std::u16string_view text, Index index) {
    // A run is counted where it starts: the code units of a run less those whose predecessor
    // belongs to it too.
    RunCounts counts;
    std::uint64_t before = 0;
    for (std::size_t start = 0; start < text.size(); start += kSumLength) {
        std::uint64_t units = 0;
        std::uint64_t continued = 0;
#pragma GCC unroll 4
        for (const char16_t c : text.substr(start, kSumLength)) {
            const std::uint64_t cls = kCountTable[index(c)];
            units += cls;
            continued += cls & before;
            before = cls;
        }
        const std::uint64_t fields = units - (continued & kRunFields);
        counts.words += static_cast<std::int64_t>(fields & kFieldMask);
        counts.syllables += static_cast<std::int64_t>((fields >> kFieldBits) & kFieldMask);
        counts.sentences += static_cast<std::int64_t>(fields >> (2 * kFieldBits));
    }
    return counts;
}

template <typename Index>
AsciiWordCounts CountAsciiWordsOf(std::u16string_view text, EnglishVariant variant, Index index) {
    // The jump at the end of a word is taken once per word and well predicted; inside a word
    // the syllables are counted without jumps, which gives what CountSyllables would give
    // for the collected word.
    const std::int64_t complexSyllables = ComplexSyllables(variant);
    const std::size_t longLength = LongWordLength(variant);
    AsciiWordCounts counts;
    const char16_t* unit = text.data();
    const char16_t* const end = unit + text.size();
    for (;;) {
        const char16_t* const wordStart = unit;
        std::int64_t syllables = 0;
        std::int64_t notAfterVowel = 1;  // 1 unless a vowel came just before, then 0
        for (; unit != end; ++unit) {
            const std::int64_t cls = kAsciiWordTable[index(*unit)];
            if (cls == 0) {
                break;
            }
            syllables += cls & notAfterVowel;
            notAfterVowel = ~cls;
        }
        counts.complexWords += syllables >= complexSyllables ? 1 : 0;
        counts.longWords += static_cast<std::size_t>(unit - wordStart) >= longLength ? 1 : 0;
        if (unit == end) {
            return counts;
        }
        ++unit;  // the code unit that ended the word
    }
}

}  // namespace

RunCounts CountRuns(std::u16string_view text) {
    return WithTableIndex(text, [&](auto index) { return CountRunsOf(text, index); });
}

void CountText(AnalysisJob& job, EnglishVariant variant) {
    NormaliseSpelling(job, variant);
    const RunCounts runs = CountRuns(job.text);
    job.wordCount = runs.words;
    job.syllableCount = runs.syllables;
    job.sentenceCount = runs.sentences;
    job.characterCount = static_cast<std::int64_t>(job.text.size());
}

std::int64_t CountSyllables(std::u16string_view word, EnglishVariant variant) {
    const bool uk = variant == EnglishVariant::Uk;
    std::int64_t syllables = 0;
    bool inVowels = false;
    for (const char16_t c : word) {
        // The plain set is the ASCII part of the extended one.
        const bool isVowel = uk ? (kCountTable[TableIndex(c)] & kVowelField) != 0
                                : kAsciiWordTable[TableIndex(c)] == kAsciiVowel;
        syllables += (isVowel && !inVowels) ? 1 : 0;
        inVowels = isVowel;
    }
    return syllables;
}

AsciiWordCounts CountAsciiWords(std::u16string_view text, EnglishVariant variant) {
    return WithTableIndex(text,
                          [&](auto index) { return CountAsciiWordsOf(text, variant, index); });
}

std::vector<SegmentCounts> CountSegments(std::u16string_view text,
                                         std::span<const std::size_t> cuts,
                                         EnglishVariant variant) {
    std::vector<SegmentCounts> counts;
    counts.reserve(cuts.empty() ? 0 : cuts.size() - 1);
    // One choice of table index for all segments: choosing per segment would walk each twice.
    WithTableIndex(text, [&](auto index) {
        for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
            const std::u16string_view segment = text.substr(cuts[i], cuts[i + 1] - cuts[i]);
            counts.push_back(
                {CountRunsOf(segment, index), CountAsciiWordsOf(segment, variant, index)});
        }
    });
    return counts;
}

std::int64_t CountComplexWords(std::u16string_view text, EnglishVariant variant) {
    return CountAsciiWords(text, variant).complexWords;
}

std::int64_t CountLongWords(std::u16string_view text, EnglishVariant variant) {
    return CountAsciiWords(text, variant).longWords;
}

QuickCounts QuickCount(std::u16string_view text) {
    QuickCounts counts{0, 0, static_cast<std::int64_t>(text.size())};
    bool inWord = false;
    bool inMarks = false;
    for (const char16_t c : text) {
        const std::uint64_t cls = kCountTable[TableIndex(c)];
        if (!(cls & kWordField)) {
            counts.words += inWord ? 1 : 0;
            inWord = false;
            continue;
        }
        inWord = true;
        if (cls & kMarkField) {
            counts.sentenceGroups += inMarks ? 0 : 1;
            inMarks = true;
        } else if (c < kAboveFF) {
            inMarks = false;
        }
    }
    counts.words += inWord ? 1 : 0;
    return counts;
}
