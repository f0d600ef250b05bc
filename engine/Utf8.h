#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Decodes strict UTF-8 (no overlongs, surrogates or values above U+10FFFF).
// On failure returns the byte offset of the first invalid sequence.
struct Utf8DecodeResult {
    std::u16string text;
    std::optional<std::size_t> errorOffset;
};
Utf8DecodeResult DecodeUtf8(std::string_view bytes);

// The two halves of a surrogate pair, in that order.
constexpr bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
constexpr bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Writes a code point (not a surrogate) as one UTF-16 unit or a surrogate
// pair, and returns how many units it wrote.
std::size_t WriteUtf16(char32_t value, char16_t* units);

// Encodes UTF-16; a lone surrogate becomes U+FFFD.
std::string EncodeUtf8(std::u16string_view text);
