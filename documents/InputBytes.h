#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// No accepted text comes near this size, so a larger input is refused unread.
inline constexpr std::size_t kMaxInputBytes = 1048576;

enum class InputStatus { Ok, TooLarge, Unreadable };

struct InputBytes {
    InputStatus status = InputStatus::Ok;
    std::string bytes;
    std::string error;  // for Unreadable: what failed and why, naming the path
};

// The whole FILE, or stdin when the path is "-", reading at most
// maxBytes + 1 bytes.
InputBytes ReadInputBytes(const std::string& path, std::size_t maxBytes = kMaxInputBytes);

// The bytes as text, a leading byte order mark dropped from both (places count
// after it, as an editor shows them); `error` names the first invalid byte.
struct DecodedInput {
    std::u16string text;
    std::string_view utf8;  // the bytes after the mark, within the bytes given
    std::string error;
};
DecodedInput DecodeInputBytes(std::string_view bytes);
