#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/TwoDecimals.h"
#include "engine/Utf8.h"

// A figure as the window shows it, for output in UTF-8.
inline std::string TwoDecimalsUtf8(double value) {
    return EncodeUtf8(FormatTwoDecimals(value));
}

// "1 word", "2 words".
inline std::string CountOf(std::int64_t count, std::string_view noun) {
    return std::to_string(count) + " " + std::string(noun) + (count == 1 ? "" : "s");
}
