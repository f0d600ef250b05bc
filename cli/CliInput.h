#pragma once

#include <cstddef>
#include <string>

// No accepted text comes near this size, so a larger input is refused unread.
inline constexpr std::size_t kMaxInputBytes = 1048576;

enum class InputStatus { Ok, TooLarge, Unreadable };

struct CliInput {
    InputStatus status = InputStatus::Ok;
    std::string bytes;
    std::string error;  // for Unreadable: what failed and why, naming the path
};

// The whole FILE, or stdin when the path is "-", reading at most
// maxBytes + 1 bytes.
CliInput ReadCliInput(const std::string& path, std::size_t maxBytes = kMaxInputBytes);
