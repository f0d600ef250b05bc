#include "engine/TextStatistics.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/SpellingNormalisation.h"

namespace {

enum CodeUnitClass : std::uint8_t {
    kSeparator = 1,
    kSentenceMark = 2,
    kPlainVowel = 4,
    kExtendedVowel = 8,
    kAsciiAlphanumeric = 16,
};

constexpr std::array<std::uint8_t, 256> BuildClassTable() {
    std::array<std::uint8_t, 256> table{};
    for (char16_t c : std::u16string_view(u" \r\n")) {
        table[c] |= kSeparator;
    }
    for (char16_t c : std::u16string_view(u".!?\u00A1\u00BF")) {
        table[c] |= kSentenceMark;
    }
    for (char16_t c : std::u16string_view(u"aeiouyAEIOUY")) {
        table[c] |= kPlainVowel | kExtendedVowel;
    }
    for (char16_t c : std::u16string_view(u"áéíóúÁÉÍÓÚäëïöüÄËÏÖÜ")) {
        table[c] |= kExtendedVowel;
    }
    for (int c = 0; c < 256; ++c) {
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
            table[c] |= kAsciiAlphanumeric;
        }
    }
    return table;
}

// Built once at compile time; read-only, so safe from any thread.
constexpr std::array<std::uint8_t, 256> kClassTable = BuildClassTable();

constexpr std::uint8_t ClassOf(char16_t c) {
    return c < 256 ? kClassTable[c] : 0;
}

constexpr std::uint8_t VowelClass(EnglishVariant variant) {
    return variant == EnglishVariant::Uk ? kExtendedVowel : kPlainVowel;
}

constexpr std::int64_t ComplexSyllables(EnglishVariant variant) {
    return variant == EnglishVariant::Uk ? 2 : 3;
}

constexpr std::int64_t LongWordLength(EnglishVariant variant) {
    return variant == EnglishVariant::Uk ? 6 : 7;
}

}  // namespace

void CountText(AnalysisJob& job, EnglishVariant variant) {
    job.wordCount = 0;
    job.sentenceCount = 0;
    job.characterCount = 0;
    job.syllableCount = 0;
    NormaliseSpelling(job, variant);

    std::int64_t words = 0;
    std::int64_t sentences = 0;
    std::int64_t syllables = 0;
    bool inWord = false;
    bool inVowels = false;
    for (char16_t c : job.text) {
        const std::uint8_t cls = ClassOf(c);
        if (cls & kSeparator) {
            words += inWord ? 1 : 0;
            inWord = false;
            inVowels = false;
            continue;
        }
        if (cls & kExtendedVowel) {
            syllables += inVowels ? 0 : 1;
            inVowels = true;
        } else {
            inVowels = false;
        }
        sentences += (cls & kSentenceMark) ? 1 : 0;
        inWord = true;
    }
    job.wordCount = words + (inWord ? 1 : 0);
    job.sentenceCount = sentences;
    job.characterCount = static_cast<std::int64_t>(job.text.size());
    job.syllableCount = syllables;
}

std::int64_t CountSyllables(std::u16string_view word, EnglishVariant variant) {
    const std::uint8_t vowel = VowelClass(variant);
    std::int64_t syllables = 0;
    bool inVowels = false;
    for (char16_t c : word) {
        const bool isVowel = (ClassOf(c) & vowel) != 0;
        syllables += (isVowel && !inVowels) ? 1 : 0;
        inVowels = isVowel;
    }
    return syllables;
}

std::int64_t CountComplexWords(std::u16string_view text, EnglishVariant variant) {
    // Syllables are counted as the word is walked, which gives what
    // CountSyllables would give for the collected word.
    const std::uint8_t vowel = VowelClass(variant);
    const std::int64_t threshold = ComplexSyllables(variant);
    std::int64_t complexWords = 0;
    std::int64_t syllables = 0;
    bool inVowels = false;
    for (char16_t c : text) {
        const std::uint8_t cls = ClassOf(c);
        if (cls & kAsciiAlphanumeric) {
            const bool isVowel = (cls & vowel) != 0;
            syllables += (isVowel && !inVowels) ? 1 : 0;
            inVowels = isVowel;
            continue;
        }
        complexWords += syllables >= threshold ? 1 : 0;
        syllables = 0;
        inVowels = false;
    }
    return complexWords + (syllables >= threshold ? 1 : 0);
}

std::int64_t CountLongWords(std::u16string_view text, EnglishVariant variant) {
    const std::int64_t threshold = LongWordLength(variant);
    std::int64_t longWords = 0;
    std::int64_t run = 0;
    for (char16_t c : text) {
        if (ClassOf(c) & kAsciiAlphanumeric) {
            ++run;
            continue;
        }
        longWords += run >= threshold ? 1 : 0;
        run = 0;
    }
    return longWords + (run >= threshold ? 1 : 0);
}

QuickCounts QuickCount(std::u16string_view text) {
    QuickCounts counts{0, 0, static_cast<std::int64_t>(text.size())};
    bool inWord = false;
    bool inMarks = false;
    for (char16_t c : text) {
        const std::uint8_t cls = ClassOf(c);
        if (cls & kSeparator) {
            counts.words += inWord ? 1 : 0;
            inWord = false;
            continue;
        }
        inWord = true;
        if (cls & kSentenceMark) {
            counts.sentenceGroups += inMarks ? 0 : 1;
            inMarks = true;
        } else if (c < 256) {
            inMarks = false;
        }
    }
    counts.words += inWord ? 1 : 0;
    return counts;
}
