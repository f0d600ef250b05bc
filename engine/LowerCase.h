#pragma once

// The simple lower-case mapping of one UTF-16 code unit, as Unicode's data has
// it; a surrogate half, or a unit whose mapping lies beyond U+FFFF, is its own.
char16_t LowerCodeUnit(char16_t unit);
