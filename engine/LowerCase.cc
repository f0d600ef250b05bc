#include "engine/LowerCase.h"

#include <cstdint>

namespace {

#include "LowerCaseTable.inc"

}  // namespace

char16_t LowerCodeUnit(char16_t unit) {
    if (unit < 0x80) {
        return (unit >= u'A' && unit <= u'Z') ? static_cast<char16_t>(unit + (u'a' - u'A')) : unit;
    }
    return static_cast<char16_t>(unit + kLowerDifferences[kLowerPageOf[unit >> 8]][unit & 0xFF]);
}
