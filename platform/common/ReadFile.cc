#include "platform/common/ReadFile.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace platform::posix {

FileBytes ReadFileBytes(const std::string& path, std::size_t maxBytes) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> stream(std::fopen(path.c_str(), "rb"),
                                                                 &std::fclose);
    if (!stream) {
        return {FileReadStatus::Unreadable, {}};
    }
    struct stat opened {};
    if (fstat(fileno(stream.get()), &opened) == 0 && S_ISDIR(opened.st_mode)) {
        return {FileReadStatus::Folder, {}};
    }
    FileBytes file;
    char buffer[65536];
    while (file.bytes.size() <= maxBytes) {
        const std::size_t wanted = std::min(sizeof buffer, maxBytes + 1 - file.bytes.size());
        const std::size_t read = std::fread(buffer, 1, wanted, stream.get());
        file.bytes.append(buffer, read);
        if (read < wanted) {
            break;
        }
    }
    if (std::ferror(stream.get()) != 0) {
        return {FileReadStatus::Unreadable, {}};
    }
    if (file.bytes.size() > maxBytes) {
        return {FileReadStatus::TooLarge, {}};
    }
    return file;
}

}  // namespace platform::posix
