#include "documents/InputBytes.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <utility>

#include "engine/Utf8.h"

namespace {

std::string Failure(std::string_view what, const std::string& name) {
    return std::string(what) + " '" + name + "': " + std::strerror(errno);
}

InputBytes ReadBounded(std::FILE* stream, const std::string& name, std::size_t maxBytes) {
    InputBytes input;
    // Grown geometrically, so any size reads in linear time, and never past
    // maxBytes: a byte beyond it is looked for on its own.
    std::size_t size = 0;
    while (size < maxBytes && std::feof(stream) == 0 && std::ferror(stream) == 0) {
        input.bytes.resize(std::min(maxBytes, std::max<std::size_t>(65536, 2 * size)));
        size += std::fread(input.bytes.data() + size, 1, input.bytes.size() - size, stream);
    }
    char beyond = 0;
    const bool more = std::ferror(stream) == 0 && std::feof(stream) == 0 &&
                      std::fread(&beyond, 1, 1, stream) == 1;
    if (std::ferror(stream) != 0) {
        input.status = InputStatus::Unreadable;
        input.error = Failure("cannot read", name);
        input.bytes.clear();
    } else if (more) {
        input.status = InputStatus::TooLarge;
        input.bytes = std::string();
    } else {
        input.bytes.resize(size);
    }
    return input;
}

}  // namespace

std::string OverDocumentCeiling() {
    return "longer than " + std::to_string(kMaxDocumentBytes >> 20) + " MiB";
}

InputBytes ReadInputBytes(const std::string& path, std::size_t maxBytes) {
    InputBytes input;
    if (path == "-") {
        input = ReadBounded(stdin, "standard input", maxBytes);
    } else if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        input = ReadBounded(file, path, maxBytes);
        std::fclose(file);
    } else {
        input.status = InputStatus::Unreadable;
        input.error = Failure("cannot open", path);
    }
    if (input.status == InputStatus::TooLarge) {
        input.error = path + ": too large";
    }
    return input;
}

DecodedInput DecodeInputBytes(std::string_view bytes) {
    constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
    Utf8DecodeResult decoded = DecodeUtf8(bytes);
    DecodedInput input;
    if (decoded.errorOffset) {
        input.error = "invalid UTF-8 at byte offset " + std::to_string(*decoded.errorOffset);
        return input;
    }
    input.text = std::move(decoded.text);
    input.utf8 = bytes;
    if (bytes.starts_with(kUtf8Bom)) {
        input.utf8.remove_prefix(kUtf8Bom.size());
        input.text.erase(0, 1);
    }
    return input;
}
