#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// No accepted text comes near this size, so a larger input is refused unread.
inline constexpr std::size_t kMaxInputBytes = 1048576;

// The most a program reads of one document, whatever it is told: an endless
// input (/dev/zero, a FIFO) must end, not take the machine's memory. Also the
// language server's frame limit.
inline constexpr std::size_t kMaxDocumentBytes = std::size_t{64} << 20;

// "64 MiB": a limit in bytes as every message and help text gives it.
std::string Mebibytes(std::size_t bytes);

// Why an input over kMaxDocumentBytes is not read: "NAME: longer than 64 MiB",
// or without the name where the caller shows it already.
std::string OverDocumentCeiling(std::string_view name = {});

// The bytes as text, a leading byte order mark dropped from both (places count
// after it, as an editor shows them); `error` names the first invalid byte.
struct DecodedInput {
    std::u16string text;
    std::string_view utf8;  // the bytes after the mark, within the bytes given
    std::string error;
};
DecodedInput DecodeInputBytes(std::string_view bytes);
