#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace platform::qt {

// QString is UTF-16 too, so these copy code units as they are (lone surrogates included).
inline QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString Utf8ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u16string ToU16(const QString& text) {
    return text.toStdU16String();
}

}  // namespace platform::qt
