#include "engine/InputValidation.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

enum AllowedFor : std::uint8_t { kUs = 1, kUk = 2 };

constexpr std::array<std::uint8_t, 256> BuildAllowedTable() {
    std::array<std::uint8_t, 256> table{};
    for (int c = 0; c < 256; ++c) {
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
            table[c] = kUs | kUk;
        }
    }
    for (char16_t c : std::u16string_view(u"'-.,!?;:()\\\t\n\r ")) {
        table[c] = kUs | kUk;
    }
    for (char16_t c : std::u16string_view(u"áéíóúÁÉÍÓÚäëïöüÄËÏÖÜñÑ")) {
        table[c] = kUk;
    }
    return table;
}

constexpr std::array<std::uint8_t, 256> kAllowedTable = BuildAllowedTable();

constexpr bool IsAllowed(char16_t c, std::uint8_t variantBit) {
    if (c < 256) {
        return (kAllowedTable[c] & variantBit) != 0;
    }
    // Dashes and typographic quotation marks.
    return c == u'\u2013' || c == u'\u2014' || c == u'\u2018' || c == u'\u2019' || c == u'\u201C' ||
           c == u'\u201D';
}

}  // namespace

CleanedInput CleanInput(std::u16string_view text, EnglishVariant variant) {
    const std::uint8_t variantBit = variant == EnglishVariant::Uk ? kUk : kUs;
    CleanedInput cleaned;
    // One slot past the limit tells whether the limit was exceeded.
    cleaned.text.resize(std::min(text.size(), kMaxInputLength + 1));
    std::size_t length = 0;
    for (char16_t c : text) {
        if (IsAllowed(c, variantBit)) {
            cleaned.text[length++] = c;
            if (length > kMaxInputLength) {
                break;
            }
        }
    }
    cleaned.exceededLimit = length > kMaxInputLength;
    cleaned.text.resize(std::min(length, kMaxInputLength));
    return cleaned;
}

bool HoldsAnalysableText(std::u16string_view text, EnglishVariant variant) {
    const std::uint8_t variantBit = variant == EnglishVariant::Uk ? kUk : kUs;
    return std::any_of(text.begin(), text.end(),
                       [&](char16_t c) { return IsAllowed(c, variantBit); });
}
