#include "report/LexicalStatistics.h"

#include <unicode/uchar.h>

#include <algorithm>
#include <bit>
#include <cstddef>

namespace {

constexpr std::size_t kMostFrequentCount = 5;

// Code-unit-wise, so the lower-cased text has the same length and fields keep their positions.
std::u16string LowerCodeUnits(std::u16string_view text) {
    std::u16string lower(text);
    // Branch-free for ASCII, which is most of any English text, so that it vectorises; ICU
    // only when something beyond ASCII is there.
    unsigned allBits = 0;
    for (char16_t& unit : lower) {
        allBits |= unit;
        unit = static_cast<char16_t>(unit + (static_cast<char16_t>(unit - u'A') < 26 ? 0x20 : 0));
    }
    if (allBits < 0x80) {
        return lower;
    }
    for (char16_t& unit : lower) {
        if (unit >= 0x80) {
            const UChar32 mapped = u_tolower(unit);
            unit = mapped <= 0xFFFF ? static_cast<char16_t>(mapped) : unit;
        }
    }
    return lower;
}

struct WordEntry {
    std::u16string_view word;  // into the lower-cased text
    std::int64_t count = 0;
};

// Open addressing over a small array of entry numbers (0 marks a free slot), so a word costs
// no allocation; entries stay in order of first appearance.
struct WordTable {
    std::vector<std::size_t> slots;
    std::vector<WordEntry> entries;
};

std::size_t HashWord(std::u16string_view word) {
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (const char16_t unit : word) {
        hash = (hash ^ unit) * 1099511628211ull;
    }
    return static_cast<std::size_t>(hash ^ (hash >> 29));
}

// The slot that holds the word, or the free slot where it belongs.
std::size_t& FindSlot(WordTable& table, std::u16string_view word) {
    const std::size_t mask = table.slots.size() - 1;
    for (std::size_t i = HashWord(word) & mask;; i = (i + 1) & mask) {
        std::size_t& slot = table.slots[i];
        if (slot == 0 || table.entries[slot - 1].word == word) {
            return slot;
        }
    }
}

void GrowSlots(WordTable& table) {
    table.slots.assign(table.slots.size() * 2, 0);
    for (std::size_t number = 1; number <= table.entries.size(); ++number) {
        FindSlot(table, table.entries[number - 1].word) = number;
    }
}

// Counts one occurrence; true when the word had been seen before.
bool AddWord(WordTable& table, std::u16string_view word) {
    std::size_t& slot = FindSlot(table, word);
    if (slot != 0) {
        ++table.entries[slot - 1].count;
        return true;
    }
    table.entries.push_back({word, 1});
    slot = table.entries.size();
    if (table.entries.size() * 2 > table.slots.size()) {
        GrowSlots(table);
    }
    return false;
}

// Strictly greater counts move ahead, so among equal counts the earlier word stays first.
std::vector<WordFrequency> MostFrequent(const std::vector<WordEntry>& entries) {
    std::vector<const WordEntry*> top;
    for (const WordEntry& entry : entries) {
        if (top.size() == kMostFrequentCount && entry.count <= top.back()->count) {
            continue;
        }
        if (top.size() == kMostFrequentCount) {
            top.pop_back();
        }
        const auto at = std::find_if(top.begin(), top.end(), [&](const WordEntry* other) {
            return entry.count > other->count;
        });
        top.insert(at, &entry);
    }
    std::vector<WordFrequency> frequent;
    for (const WordEntry* entry : top) {
        frequent.push_back({std::u16string(entry->word), entry->count});
    }
    return frequent;
}

}  // namespace

LexicalStatistics ScanLexicon(std::u16string_view text) {
    const std::u16string lower = LowerCodeUnits(text);
    const std::u16string_view fields(lower);

    LexicalStatistics stats;
    WordTable table;
    table.slots.assign(std::bit_ceil(std::max<std::size_t>(fields.size() / 4, 64)), 0);
    std::size_t start = 0;
    for (std::size_t end = 0; end <= fields.size(); ++end) {
        if (end < fields.size() && fields[end] != u' ') {
            continue;
        }
        if (end > start) {
            const std::u16string_view word = fields.substr(start, end - start);
            ++stats.wordsScanned;
            stats.totalCharacters += static_cast<std::int64_t>(word.size());
            stats.repeatedOccurrences += AddWord(table, word) ? 1 : 0;
        }
        start = end + 1;
    }
    stats.distinctWords = static_cast<std::int64_t>(table.entries.size());
    stats.mostFrequent = MostFrequent(table.entries);
    return stats;
}
