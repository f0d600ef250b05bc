#include "engine/LowerCase.h"

#include <gtest/gtest.h>
#include <unicode/uchar.h>

// The table stands in for ICU when the programs run, so every code unit must
// map as ICU maps it (a mapping beyond U+FFFF leaves the unit as it is).
TEST(LowerCodeUnit, AgreesWithIcuOnEveryCodeUnit) {
    int differing = 0;
    for (int unit = 0; unit <= 0xFFFF; ++unit) {
        const UChar32 icu = u_tolower(unit);
        const auto expected = static_cast<char16_t>(icu <= 0xFFFF ? icu : unit);
        const char16_t table = LowerCodeUnit(static_cast<char16_t>(unit));
        if (table != expected) {
            ADD_FAILURE() << "U+" << std::hex << unit << ": " << int{table} << " instead of "
                          << int{expected};
            if (++differing == 10) {
                return;
            }
        }
    }
}
