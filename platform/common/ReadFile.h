#pragma once

#include <cstddef>
#include <string>

namespace platform {

enum class FileReadStatus { Read, TooLarge, Folder, Unreadable };
struct FileBytes {
    FileReadStatus status = FileReadStatus::Read;
    std::string bytes;  // the whole file when Read
    std::string error;  // what failed, naming the path: "PATH: too large" when TooLarge
};

}  // namespace platform

namespace platform::posix {

// The whole file, or stdin when the path is "-", reading at most maxBytes + 1
// bytes: a larger input, even an endless one, is refused unread.
FileBytes ReadFileBytes(const std::string& path, std::size_t maxBytes);

}  // namespace platform::posix
