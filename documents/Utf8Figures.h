#pragma once

#include <string>

#include "engine/TwoDecimals.h"
#include "engine/Utf8.h"

// A figure as the window shows it, for output in UTF-8.
inline std::string TwoDecimalsUtf8(double value) {
    return EncodeUtf8(FormatTwoDecimals(value));
}
