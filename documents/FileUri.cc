#include "documents/FileUri.h"

#include <algorithm>
#include <cctype>

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool IsUnreserved(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '.' || c == '_' ||
           c == '~';
}

bool StartsWithDriveLetter(std::string_view path) {
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) != 0 &&
           path[1] == ':' && (path.size() == 2 || path[2] == '/');
}

// A '%' not followed by two hexadecimal digits is kept as it is, as editors
// that forget to encode one send it.
std::string PercentDecoded(std::string_view text) {
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int high = text[i] == '%' && i + 2 < text.size() ? HexValue(text[i + 1]) : -1;
        const int low = high >= 0 ? HexValue(text[i + 2]) : -1;
        if (low >= 0) {
            decoded.push_back(static_cast<char>(high * 16 + low));
            i += 2;
        } else {
            decoded.push_back(text[i]);
        }
    }
    return decoded;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

std::string PathAsUriReference(std::string_view path) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string uri;
    uri.reserve(path.size());
    for (const char c : path) {
        if (IsUnreserved(c) || c == '/') {
            uri += c;
        } else {
            const auto byte = static_cast<unsigned char>(c);
            uri += '%';
            uri += kHex[byte >> 4];
            uri += kHex[byte & 15];
        }
    }
    return uri;
}

std::optional<std::string> LocalPathOfFileUri(std::string_view uri) {
    constexpr std::string_view kScheme = "file:";
    if (uri.size() < kScheme.size() ||
        !EqualsIgnoringCase(uri.substr(0, kScheme.size()), kScheme)) {
        return std::nullopt;
    }
    std::string_view rest = uri.substr(kScheme.size());
    if (rest.starts_with("//")) {
        rest.remove_prefix(2);
        const std::size_t pathStart = std::min(rest.find('/'), rest.size());
        const std::string_view host = rest.substr(0, pathStart);
        if (!host.empty() && !EqualsIgnoringCase(host, "localhost")) {
            return std::nullopt;
        }
        rest.remove_prefix(pathStart);
    }
    // A query or fragment is no part of a file's name.
    rest = rest.substr(0, std::min(rest.find_first_of("?#"), rest.size()));
    std::string path = PercentDecoded(rest);
    if (path.starts_with('/') && StartsWithDriveLetter(std::string_view(path).substr(1))) {
        path.erase(0, 1);
    }
    // A NUL would end the name where the file system reads it.
    if ((!path.starts_with('/') && !StartsWithDriveLetter(path)) ||
        path.find('\0') != std::string::npos) {
        return std::nullopt;
    }
    return path;
}
