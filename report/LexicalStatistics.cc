#include "report/LexicalStatistics.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstring>

#include "engine/LowerCase.h"

namespace {

constexpr std::size_t kMostFrequentCount = 5;

// Grown as distinct words come; most texts repeat a few hundred words.
constexpr std::size_t kInitialSlots = 256;

// The text is lower-cased a block at a time into a small buffer, a block ending at a blank so
// that no field spans two. A field longer than a block makes that block longer.
constexpr std::size_t kBlockLength = 2048;

// Fields are read four code units at a time, each 16-bit lane of a 64-bit value holding one,
// the first code unit in the lowest lane. A lower-cased block is followed by a blank, which
// ends its last field, and by zeros up to a whole load past it.
constexpr std::size_t kLaneCount = 4;
constexpr std::uint64_t kLaneOnes = 0x0001000100010001;

// Code-unit-wise, so a field keeps its length.
void LowerBlock(std::u16string_view block, std::u16string& lower) {
    lower.resize(block.size() + kLaneCount);
    // Branch-free for ASCII, which is most of any English text, so that it vectorises; the
    // table only when something beyond ASCII is there.
    char16_t allBits = 0;
    for (std::size_t i = 0; i < block.size(); ++i) {
        const char16_t unit = block[i];
        allBits = static_cast<char16_t>(allBits | unit);
        lower[i] =
            static_cast<char16_t>(unit + (static_cast<char16_t>(unit - u'A') < 26 ? 0x20 : 0));
    }
    std::fill(lower.begin() + static_cast<std::ptrdiff_t>(block.size()), lower.end(), u'\0');
    lower[block.size()] = u' ';
    if (allBits < 0x80) {
        return;
    }
    for (std::size_t i = 0; i < block.size(); ++i) {
        if (block[i] >= 0x80) {
            lower[i] = LowerCodeUnit(block[i]);
        }
    }
}

std::uint64_t LoadUnits(const char16_t* units) {
    std::uint64_t bits;
    std::memcpy(&bits, units, sizeof bits);
    return bits;
}

// The top bit of each lane that holds a blank, and no other bit: adding 0x7FFF to the low 15
// bits of a lane carries into its top bit exactly when they are not all zero.
std::uint64_t BlankLanes(std::uint64_t units) {
    constexpr std::uint64_t kLow15 = kLaneOnes * 0x7FFF;
    const std::uint64_t difference = units ^ (kLaneOnes * u' ');
    return ~(((difference & kLow15) + kLow15) | difference) & ~kLow15;
}

// One multiplication a load; the high bits are folded in once the word is complete.
std::uint64_t MixUnits(std::uint64_t hash, std::uint64_t units) {
    return (hash ^ units) * 0x9E3779B97F4A7C15ull;
}

std::uint64_t FinishHash(std::uint64_t hash) {
    return hash ^ (hash >> 29);
}

// The first two loads of a word, the lanes past its end zero: all of most words, so that those
// are told apart without going back to the code units.
constexpr std::size_t kHeadLoads = 2;
constexpr std::size_t kHeadLength = kHeadLoads * kLaneCount;
struct WordHead {
    std::uint64_t first = 0;
    std::uint64_t second = 0;
    friend bool operator==(const WordHead&, const WordHead&) = default;
};

struct WordEntry {
    WordHead head;
    std::size_t start = 0;  // into the table's words
    std::size_t length = 0;
    std::uint64_t hash = 0;
    std::int64_t count = 0;
};

// Open addressing over a small array of entry numbers (0 marks a free slot), so a word seen
// before costs no allocation; entries stay in order of first appearance.
struct WordTable {
    std::vector<std::uint32_t> slots;
    std::vector<WordEntry> entries;
    std::u16string words;  // the distinct words, lower-cased, one after the other
};

bool SameWord(const WordTable& table, const WordEntry& entry, const WordEntry& word,
              const char16_t* units) {
    return entry.hash == word.hash && entry.length == word.length && entry.head == word.head &&
           (word.length <= kHeadLength ||
            std::memcmp(table.words.data() + entry.start + kHeadLength, units + kHeadLength,
                        (word.length - kHeadLength) * sizeof(char16_t)) == 0);
}

// The slot that holds the word, or the free slot where it belongs.
std::uint32_t& FindSlot(WordTable& table, const WordEntry& word, const char16_t* units) {
    const std::size_t mask = table.slots.size() - 1;
    for (std::size_t i = word.hash & mask;; i = (i + 1) & mask) {
        std::uint32_t& slot = table.slots[i];
        if (slot == 0 || SameWord(table, table.entries[slot - 1], word, units)) {
            return slot;
        }
    }
}

// The entries are distinct, so each goes to the first free slot from its hash on.
void GrowSlots(WordTable& table) {
    table.slots.assign(table.slots.size() * 2, 0);
    const std::size_t mask = table.slots.size() - 1;
    for (std::size_t number = 1; number <= table.entries.size(); ++number) {
        std::size_t i = table.entries[number - 1].hash & mask;
        while (table.slots[i] != 0) {
            i = (i + 1) & mask;
        }
        table.slots[i] = static_cast<std::uint32_t>(number);
    }
}

// Counts one occurrence of the word whose code units are given; true when it had been seen
// before.
bool AddWord(WordTable& table, WordEntry word, const char16_t* units) {
    std::uint32_t& slot = FindSlot(table, word, units);
    if (slot != 0) {
        ++table.entries[slot - 1].count;
        return true;
    }
    word.start = table.words.size();
    word.count = 1;
    table.entries.push_back(word);
    table.words.append(units, word.length);
    slot = static_cast<std::uint32_t>(table.entries.size());
    if (table.entries.size() * 2 > table.slots.size()) {
        GrowSlots(table);
    }
    return false;
}

// Counts the fields of a lower-cased block. Each is hashed in loads from its own start, so
// that equal words hash alike wherever they stand; the load that holds the closing blank is
// cut before it.
void ScanBlock(std::u16string_view lower, LexicalStatistics& stats, WordTable& table) {
    const std::size_t blockLength = lower.size() - kLaneCount;
    for (std::size_t start = 0; start <= blockLength;) {
        std::array<std::uint64_t, kHeadLoads + 1> loads{};  // the last takes every later load
        std::uint64_t hash = 0;
        std::size_t end = start;
        for (std::size_t load = 0;; end += kLaneCount, load = std::min(load + 1, kHeadLoads)) {
            std::uint64_t units = LoadUnits(lower.data() + end);
            const std::uint64_t blanks = BlankLanes(units);
            if (blanks != 0) {
                const int bitsBefore = std::countr_zero(blanks) & ~15;
                end += static_cast<std::size_t>(bitsBefore / 16);
                units &= (std::uint64_t{1} << bitsBefore) - 1;
                loads[load] = units;
                hash = MixUnits(hash, units);
                break;
            }
            loads[load] = units;
            hash = MixUnits(hash, units);
        }
        if (end > start) {
            const WordEntry word{{loads[0], loads[1]}, 0, end - start, FinishHash(hash), 0};
            ++stats.wordsScanned;
            stats.totalCharacters += static_cast<std::int64_t>(word.length);
            stats.repeatedOccurrences += AddWord(table, word, lower.data() + start) ? 1 : 0;
        }
        start = end + 1;
    }
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
    frequent.reserve(top.size());
    for (const WordEntry* entry : top) {
        frequent.push_back({table.words.substr(entry->start, entry->length), entry->count});
    }
    return frequent;
}

}  // namespace

LexicalStatistics ScanLexicon(std::u16string_view text) {
    LexicalStatistics stats;
    WordTable table{std::vector<std::uint32_t>(kInitialSlots), {}, {}};
    std::u16string lower;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = std::min(text.size(), start + kBlockLength);
        while (end < text.size() && text[end] != u' ') {
            ++end;
        }
        LowerBlock(text.substr(start, end - start), lower);
        ScanBlock(lower, stats, table);
        start = end + 1;
    }
    stats.distinctWords = static_cast<std::int64_t>(table.entries.size());
    stats.mostFrequent = MostFrequent(table);
    return stats;
}
