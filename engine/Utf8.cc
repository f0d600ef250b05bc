#include "engine/Utf8.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Length of the well-formed sequence at the offset, or 0. The allowed ranges of
// the second byte exclude overlongs, surrogates and values above U+10FFFF.
std::size_t SequenceLength(std::string_view bytes, std::size_t offset) {
    const auto lead = static_cast<unsigned char>(bytes[offset]);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (bytes.size() - offset < length) {
        return 0;
    }
    const auto second = static_cast<unsigned char>(bytes[offset + 1]);
    if (second < low || second > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!IsContinuation(static_cast<unsigned char>(bytes[offset + i]))) {
            return 0;
        }
    }
    return length;
}

char32_t DecodeSequence(std::string_view bytes, std::size_t offset, std::size_t length) {
    static constexpr unsigned char kLeadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t value = static_cast<unsigned char>(bytes[offset]) & kLeadMask[length];
    for (std::size_t i = 1; i < length; ++i) {
        value = (value << 6) | (static_cast<unsigned char>(bytes[offset + i]) & 0x3Fu);
    }
    return value;
}

void AppendUtf8(std::string& bytes, char32_t value) {
    const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
    if (value < 0x80) {
        bytes.push_back(byte(value));
    } else if (value < 0x800) {
        bytes.push_back(byte(0xC0 | (value >> 6)));
        bytes.push_back(byte(0x80 | (value & 0x3F)));
    } else if (value < 0x10000) {
        bytes.push_back(byte(0xE0 | (value >> 12)));
        bytes.push_back(byte(0x80 | ((value >> 6) & 0x3F)));
        bytes.push_back(byte(0x80 | (value & 0x3F)));
    } else {
        bytes.push_back(byte(0xF0 | (value >> 18)));
        bytes.push_back(byte(0x80 | ((value >> 12) & 0x3F)));
        bytes.push_back(byte(0x80 | ((value >> 6) & 0x3F)));
        bytes.push_back(byte(0x80 | (value & 0x3F)));
    }
}

}  // namespace

std::size_t WriteUtf16(char32_t value, char16_t* units) {
    if (value < 0x10000) {
        units[0] = static_cast<char16_t>(value);
        return 1;
    }
    value -= 0x10000;
    units[0] = static_cast<char16_t>(0xD800 + (value >> 10));
    units[1] = static_cast<char16_t>(0xDC00 + (value & 0x3FF));
    return 2;
}

Utf8DecodeResult DecodeUtf8(std::string_view bytes) {
    Utf8DecodeResult result;
    // Never more units than bytes; written in place, since documents are
    // decoded whole and appending unit by unit costs most of the time.
    result.text.resize(bytes.size());
    char16_t* const units = result.text.data();
    std::size_t count = 0;
    for (std::size_t offset = 0; offset < bytes.size();) {
        // Eight ASCII bytes at a time: most of an English text.
        std::uint64_t eight = 0;
        if (bytes.size() - offset >= sizeof eight) {
            std::memcpy(&eight, bytes.data() + offset, sizeof eight);
            if ((eight & 0x8080808080808080u) == 0) {
                for (std::size_t i = 0; i < sizeof eight; ++i) {
                    units[count++] = static_cast<unsigned char>(bytes[offset + i]);
                }
                offset += sizeof eight;
                continue;
            }
        }
        const auto lead = static_cast<unsigned char>(bytes[offset]);
        if (lead < 0x80) {
            units[count++] = lead;
            ++offset;
            continue;
        }
        const std::size_t length = SequenceLength(bytes, offset);
        if (length == 0) {
            // No partial text, so that nothing half-decoded is used by mistake.
            result.text.clear();
            result.errorOffset = offset;
            return result;
        }
        count += WriteUtf16(DecodeSequence(bytes, offset, length), units + count);
        offset += length;
    }
    result.text.resize(count);
    return result;
}

std::string EncodeUtf8(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        // A run of ASCII, most of any English text, is copied a unit to a byte
        // in one loop that vectorises.
        std::size_t runEnd = i;
        while (runEnd < text.size() && text[runEnd] < 0x80) {
            ++runEnd;
        }
        if (runEnd > i) {
            const std::size_t start = bytes.size();
            bytes.resize(start + (runEnd - i));
            for (std::size_t k = 0; k < runEnd - i; ++k) {
                bytes[start + k] = static_cast<char>(text[i + k]);
            }
            i = runEnd;
            continue;
        }
        const char16_t c = text[i];
        if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            AppendUtf8(bytes,
                       0x10000 + ((char32_t{c} - 0xD800) << 10) + (char32_t{text[i + 1]} - 0xDC00));
            i += 2;
        } else {
            AppendUtf8(bytes, IsHighSurrogate(c) || IsLowSurrogate(c) ? kReplacementCharacter
                                                                      : char32_t{c});
            ++i;
        }
    }
    return bytes;
}
