#pragma once

#include <cstddef>
#include <string>

#include "platform/common/FileBytes.h"

namespace platform::posix {

// How messages name a path: "-" is "standard input".
std::string InputName(const std::string& path);

// The whole file, or stdin when the path is "-", reading at most maxBytes + 1
// bytes: a larger input, even an endless one, is refused unread.
FileBytes ReadFileBytes(const std::string& path, std::size_t maxBytes);

}  // namespace platform::posix
