#pragma once

#include <cstdint>
#include <string>

// Fixed notation with exactly two decimals and a full stop, whatever the locale.
// Never "-0.00"; infinities and NaN as "+Infinity", "-Infinity", "NaN".
std::u16string FormatTwoDecimals(double value);
// The same with one decimal.
std::u16string FormatOneDecimal(double value);

// A count as plain decimal digits, without grouping, whatever the locale.
std::u16string FormatCount(std::int64_t count);
