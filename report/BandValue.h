#pragma once

#include <cstdint>

// A measure truncated toward zero, as the label and verdict bands look it up.
// NaN gives 0; values beyond the int64 range give its ends.
std::int64_t BandValue(double value);
