#pragma once

#include <string>
#include <string_view>

namespace platform::posix {

// Replaces the file at `path` with `bytes`, or leaves it as it was: the bytes go
// to a temporary file in the same folder, which is renamed over the target once
// complete and flushed. A replaced file keeps its permission bits; a new one gets
// 0644 less the umask. False when the folder cannot take the file or the target
// is not a regular file that may be written.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace platform::posix
