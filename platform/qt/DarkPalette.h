#pragma once

#include <QPalette>

namespace platform::qt {

// The window's colours on a dark desktop. Every role is set in every group, so
// the platform's theme cannot show through, and text keeps at least 4.5:1
// against what it is drawn on, disabled text included.
QPalette DarkPalette();

}  // namespace platform::qt
