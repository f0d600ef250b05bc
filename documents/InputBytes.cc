#include "documents/InputBytes.h"

#include <string>
#include <string_view>
#include <utility>

#include "engine/Utf8.h"

std::string Mebibytes(std::size_t bytes) {
    return std::to_string(bytes >> 20) + " MiB";
}

std::string OverDocumentCeiling(std::string_view name) {
    const std::string why = "longer than " + Mebibytes(kMaxDocumentBytes);
    return name.empty() ? why : std::string(name) + ": " + why;
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
