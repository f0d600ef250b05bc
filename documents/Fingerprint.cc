#include "documents/Fingerprint.h"

#include <cstdint>

#include "engine/TextStatistics.h"

std::string WordsFingerprint(std::u16string_view text) {
    // FNV-1a over the code units: the same bytes on every machine and in every release.
    std::uint64_t hash = 0xcbf29ce484222325U;
    const auto mix = [&hash](char16_t unit) {
        for (const auto byte :
             {static_cast<unsigned>(unit & 0xFF), static_cast<unsigned>(unit >> 8)}) {
            hash ^= byte;
            hash *= 0x100000001b3U;
        }
    };
    bool blank = false;
    bool any = false;
    for (const char16_t unit : text) {
        if (IsWordSeparator(unit) || unit == u'\t') {
            blank = any;
            continue;
        }
        if (blank) {
            mix(u' ');
            blank = false;
        }
        mix(unit);
        any = true;
    }
    constexpr std::string_view kHex = "0123456789abcdef";
    std::string digits(16, '0');
    for (int i = 15; i >= 0; --i) {
        digits[static_cast<std::size_t>(i)] = kHex[hash & 15U];
        hash >>= 4;
    }
    return digits;
}
