#pragma once

#include <string_view>

#include "engine/EnglishVariant.h"

inline constexpr int kMinimumScreenWidth = 1024;

// Everything before the first wait for an event: the screen gate, the
// preferences (initialised on a first run), the status item, and the window
// where the desktop has no tray. False when the screen is too narrow; the
// error has been shown and the program should end.
bool StartUp();

// The first run's variant: exactly one of the Commonwealth identifiers gives UK.
EnglishVariant VariantForLocale(std::string_view identifier);
