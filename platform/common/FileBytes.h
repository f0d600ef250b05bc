#pragma once

#include <string>

namespace platform {

// What reading one file gave: the window's file drop is told it through
// Platform.h, the programs by the reader itself.
enum class FileReadStatus { Read, TooLarge, Folder, Unreadable };
struct FileBytes {
    FileReadStatus status = FileReadStatus::Read;
    std::string bytes;  // the whole file when Read
    std::string error;  // what failed, naming the file: "NAME: too large" when TooLarge
};

}  // namespace platform
