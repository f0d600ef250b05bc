#include "cli/CliInput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

std::string Failure(std::string_view what, const std::string& name) {
    return std::string(what) + " '" + name + "': " + std::strerror(errno);
}

CliInput ReadBounded(std::FILE* stream, const std::string& name) {
    CliInput input;
    input.bytes.resize(kMaxInputBytes + 1);
    const std::size_t size = std::fread(input.bytes.data(), 1, input.bytes.size(), stream);
    if (std::ferror(stream) != 0) {
        input.status = InputStatus::Unreadable;
        input.error = Failure("cannot read", name);
        input.bytes.clear();
    } else if (size > kMaxInputBytes) {
        input.status = InputStatus::TooLarge;
        input.bytes.clear();
    } else {
        input.bytes.resize(size);
    }
    return input;
}

}  // namespace

CliInput ReadCliInput(const std::string& path) {
    if (path == "-") {
        return ReadBounded(stdin, "standard input");
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        CliInput input;
        input.status = InputStatus::Unreadable;
        input.error = Failure("cannot open", path);
        return input;
    }
    CliInput input = ReadBounded(file, path);
    std::fclose(file);
    return input;
}
