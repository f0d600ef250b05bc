#pragma once

#include <cstddef>
#include <string>

#include "platform/Platform.h"

namespace platform::posix {

// Reads at most maxBytes + 1 bytes, so a larger file is refused unread.
FileBytes ReadFileBytes(const std::string& path, std::size_t maxBytes);

}  // namespace platform::posix
