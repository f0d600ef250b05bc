#include "engine/TwoDecimals.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace {

std::u16string FormatFixed(double value, int decimals, std::string_view negativeZero) {
    if (std::isnan(value)) {
        return u"NaN";
    }
    if (std::isinf(value)) {
        return value > 0 ? u"+Infinity" : u"-Infinity";
    }
    // The largest double has 309 integral digits.
    char buffer[320];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string_view digits(buffer, static_cast<std::size_t>(end - buffer));
    if (digits == negativeZero) {
        digits.remove_prefix(1);
    }
    return std::u16string(digits.begin(), digits.end());
}

}  // namespace

std::u16string FormatTwoDecimals(double value) {
    return FormatFixed(value, 2, "-0.00");
}

std::u16string FormatOneDecimal(double value) {
    return FormatFixed(value, 1, "-0.0");
}

std::u16string FormatCount(std::int64_t count) {
    // 19 digits and a sign.
    char buffer[20];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, count);
    return std::u16string(buffer, end);
}
