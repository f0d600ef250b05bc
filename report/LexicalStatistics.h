#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct WordFrequency {
    std::u16string word;
    std::int64_t count = 0;
};

struct LexicalStatistics {
    std::int64_t wordsScanned = 0;
    std::int64_t totalCharacters = 0;
    std::int64_t distinctWords = 0;
    std::int64_t repeatedOccurrences = 0;
    // The five most frequent words, most frequent first; a tie puts the word
    // that first appears earlier in the text first.
    std::vector<WordFrequency> mostFrequent;
};

// Scans the blank-separated fields of the text, lower-cased code unit by code unit.
LexicalStatistics ScanLexicon(std::u16string_view text);
