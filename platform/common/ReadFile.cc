#include "platform/common/ReadFile.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace platform::posix {
namespace {

std::string Failure(std::string_view what, const std::string& name) {
    return std::string(what) + " '" + name + "': " + std::strerror(errno);
}

FileBytes ReadBounded(std::FILE* stream, const std::string& name, std::size_t maxBytes) {
    FileBytes file;
    // Grown geometrically, so any size reads in linear time, and never past
    // maxBytes: a byte beyond it is looked for on its own.
    std::size_t size = 0;
    while (size < maxBytes && std::feof(stream) == 0 && std::ferror(stream) == 0) {
        file.bytes.resize(std::min(maxBytes, std::max<std::size_t>(65536, 2 * size)));
        size += std::fread(file.bytes.data() + size, 1, file.bytes.size() - size, stream);
    }
    char beyond = 0;
    const bool more = std::ferror(stream) == 0 && std::feof(stream) == 0 &&
                      std::fread(&beyond, 1, 1, stream) == 1;
    if (std::ferror(stream) != 0) {
        return {FileReadStatus::Unreadable, {}, Failure("cannot read", name)};
    }
    if (more) {
        return {FileReadStatus::TooLarge, {}, {}};
    }
    file.bytes.resize(size);
    return file;
}

}  // namespace

std::string InputName(const std::string& path) {
    return path == "-" ? "standard input" : path;
}

FileBytes ReadFileBytes(const std::string& path, std::size_t maxBytes) {
    FileBytes file;
    if (path == "-") {
        file = ReadBounded(stdin, InputName(path), maxBytes);
    } else if (std::FILE* stream = std::fopen(path.c_str(), "rb")) {
        struct stat opened {};
        if (fstat(fileno(stream), &opened) == 0 && S_ISDIR(opened.st_mode)) {
            errno = EISDIR;  // as reading it would say
            file = {FileReadStatus::Folder, {}, Failure("cannot read", path)};
        } else {
            file = ReadBounded(stream, path, maxBytes);
        }
        std::fclose(stream);
    } else {
        file = {FileReadStatus::Unreadable, {}, Failure("cannot open", path)};
    }
    if (file.status == FileReadStatus::TooLarge) {
        file.error = InputName(path) + ": too large";
    }
    return file;
}

}  // namespace platform::posix
