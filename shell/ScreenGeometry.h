#pragma once

#include <optional>
#include <vector>

#include "platform/Platform.h"

// The screen under the pointer as start-up judges it: the last screen that
// contains the point (edges count), else the first; none without screens.
std::optional<platform::Rect> ScreenUnderPointer(platform::Point pointer,
                                                 const std::vector<platform::Rect>& screens);

// The left edge of a window opened at the pointer: centred on it and held
// inside the first screen that contains it.
int WindowLeftForPointer(platform::Point pointer, const std::vector<platform::Rect>& screens);
