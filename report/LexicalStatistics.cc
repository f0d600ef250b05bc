#include "report/LexicalStatistics.h"

#include <unicode/uchar.h>

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>

namespace {

constexpr std::size_t kMostFrequentCount = 5;

// Grown as distinct words come; most texts repeat a few hundred words.
constexpr std::size_t kInitialSlots = 256;

// Fields are read four code units at a time, each 16-bit lane of a 64-bit value holding one,
// the first code unit in the lowest lane.
constexpr std::size_t kLaneCount = 4;
constexpr std::uint64_t kLaneOnes = 0x0001000100010001;
constexpr std::uint64_t kBlanks = kLaneOnes * u' ';

// Four code units from the position on; those past the end read as blanks, so that the end
// of the text ends the last field.
std::uint64_t LoadUnits(std::u16string_view text, std::size_t at) {
    std::uint64_t units;
    if (at + kLaneCount <= text.size()) {
        std::memcpy(&units, text.data() + at, sizeof units);
        return units;
    }
    units = kBlanks;
    for (std::size_t lane = 0; at + lane < text.size(); ++lane) {
        units ^= (std::uint64_t{text[at + lane]} ^ u' ') << (16 * lane);
    }
    return units;
}

// The top bit of each lane that holds a blank, and no other bit: adding 0x7FFF to the low 15
// bits of a lane carries into its top bit exactly when they are not all zero.
std::uint64_t BlankLanes(std::uint64_t units) {
    constexpr std::uint64_t kLow15 = kLaneOnes * 0x7FFF;
    const std::uint64_t difference = units ^ kBlanks;
    return ~(((difference & kLow15) + kLow15) | difference) & ~kLow15;
}

char16_t LowerCodeUnit(char16_t unit) {
    if (unit < 0x80) {
        return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit + 0x20) : unit;
    }
    // A surrogate half, or a mapping beyond U+FFFF, stays as it is.
    const UChar32 mapped = u_tolower(unit);
    return mapped <= 0xFFFF ? static_cast<char16_t>(mapped) : unit;
}

// What a word is hashed on: its lower-cased code units with bit 5 set in every lane. For ASCII,
// most of any English text, setting the bit is all it takes, as it is what lower-casing
// changes.
std::uint64_t FoldedUnits(std::uint64_t units) {
    if ((units & ~(kLaneOnes * 0x7F)) != 0) {
        std::uint64_t lower = 0;
        for (std::size_t lane = 0; lane < kLaneCount; ++lane) {
            const auto unit = static_cast<char16_t>(units >> (16 * lane));
            lower |= std::uint64_t{LowerCodeUnit(unit)} << (16 * lane);
        }
        units = lower;
    }
    return units | (kLaneOnes * 0x20);
}

std::uint64_t MixUnits(std::uint64_t hash, std::uint64_t units) {
    hash = (hash ^ units) * 0x9E3779B97F4A7C15ull;
    return hash ^ (hash >> 32);
}

struct WordEntry {
    std::size_t start = 0;  // of its first appearance in the text
    std::size_t length = 0;
    std::uint64_t hash = 0;
    std::int64_t count = 0;
};

// Open addressing over a small array of entry numbers (0 marks a free slot), so a word seen
// before costs no allocation; entries stay in order of first appearance.
struct WordTable {
    std::u16string_view text;
    std::vector<std::uint32_t> slots;
    std::vector<WordEntry> entries;
};

// Equal when lower-cased; mostly the code units are equal as they stand.
bool SameWord(std::u16string_view text, std::size_t first, std::size_t second, std::size_t length) {
    if (std::memcmp(text.data() + first, text.data() + second, length * sizeof(char16_t)) == 0) {
        return true;
    }
    for (std::size_t i = 0; i < length; ++i) {
        if (LowerCodeUnit(text[first + i]) != LowerCodeUnit(text[second + i])) {
            return false;
        }
    }
    return true;
}

// The slot that holds the word, or the free slot where it belongs.
std::uint32_t& FindSlot(WordTable& table, std::size_t start, std::size_t length,
                        std::uint64_t hash) {
    const std::size_t mask = table.slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        std::uint32_t& slot = table.slots[i];
        if (slot == 0) {
            return slot;
        }
        const WordEntry& entry = table.entries[slot - 1];
        if (entry.hash == hash && entry.length == length &&
            SameWord(table.text, entry.start, start, length)) {
            return slot;
        }
    }
}

void GrowSlots(WordTable& table) {
    table.slots.assign(table.slots.size() * 2, 0);
    for (std::size_t number = 1; number <= table.entries.size(); ++number) {
        const WordEntry& entry = table.entries[number - 1];
        FindSlot(table, entry.start, entry.length, entry.hash) = static_cast<std::uint32_t>(number);
    }
}

// Counts one occurrence; true when the word had been seen before.
bool AddWord(WordTable& table, std::size_t start, std::size_t length, std::uint64_t hash) {
    std::uint32_t& slot = FindSlot(table, start, length, hash);
    if (slot != 0) {
        ++table.entries[slot - 1].count;
        return true;
    }
    table.entries.push_back({start, length, hash, 1});
    slot = static_cast<std::uint32_t>(table.entries.size());
    if (table.entries.size() * 2 > table.slots.size()) {
        GrowSlots(table);
    }
    return false;
}

std::u16string LowerCased(std::u16string_view word) {
    std::u16string lower(word);
    for (char16_t& unit : lower) {
        unit = LowerCodeUnit(unit);
    }
    return lower;
}

// Strictly greater counts move ahead, so among equal counts the earlier word stays first.
std::vector<WordFrequency> MostFrequent(const WordTable& table) {
    std::vector<const WordEntry*> top;
    for (const WordEntry& entry : table.entries) {
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
        frequent.push_back(
            {LowerCased(table.text.substr(entry->start, entry->length)), entry->count});
    }
    return frequent;
}

}  // namespace

LexicalStatistics ScanLexicon(std::u16string_view text) {
    LexicalStatistics stats;
    WordTable table{text, std::vector<std::uint32_t>(kInitialSlots), {}};
    // Each field is read and hashed in loads from its own start, so that equal words hash alike
    // wherever they stand; the load that holds the closing blank is cut before it.
    for (std::size_t start = 0; start <= text.size();) {
        std::uint64_t hash = 0;
        std::size_t end = start;
        for (;; end += kLaneCount) {
            const std::uint64_t units = LoadUnits(text, end);
            const std::uint64_t blanks = BlankLanes(units);
            if (blanks != 0) {
                const int bitsBefore = std::countr_zero(blanks) & ~15;
                end += static_cast<std::size_t>(bitsBefore / 16);
                hash = MixUnits(hash, FoldedUnits(units) & ((std::uint64_t{1} << bitsBefore) - 1));
                break;
            }
            hash = MixUnits(hash, FoldedUnits(units));
        }
        const std::size_t length = end - start;
        if (length > 0) {
            ++stats.wordsScanned;
            stats.totalCharacters += static_cast<std::int64_t>(length);
            stats.repeatedOccurrences += AddWord(table, start, length, hash) ? 1 : 0;
        }
        start = end + 1;
    }
    stats.distinctWords = static_cast<std::int64_t>(table.entries.size());
    stats.mostFrequent = MostFrequent(table);
    return stats;
}
