#include "report/BandValue.h"

#include <cmath>
#include <limits>

std::int64_t BandValue(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    // 2^63 is exact as a double; anything at or beyond it would overflow the cast.
    constexpr double kLimit = 9223372036854775808.0;
    if (value >= kLimit) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (value <= -kLimit) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return static_cast<std::int64_t>(value);
}
