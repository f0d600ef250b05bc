#pragma once

#include <cstdint>
#include <string_view>

// Held in one byte and stored under "Locale"; only 0 and 1 are valid.
enum class EnglishVariant : std::uint8_t { Us = 0, Uk = 1 };

// The regional-indicator flag that stands for the variant in titles and exports.
constexpr std::u16string_view VariantFlag(EnglishVariant variant) {
    return variant == EnglishVariant::Uk ? std::u16string_view(u"\U0001F1EC\U0001F1E7")
                                         : std::u16string_view(u"\U0001F1FA\U0001F1F8");
}
