#pragma once

#include <string>

// Fixed notation with exactly two decimals and a full stop, whatever the locale.
// Never "-0.00"; infinities and NaN as "+Infinity", "-Infinity", "NaN".
std::u16string FormatTwoDecimals(double value);
