#pragma once

#include <QIcon>

#include "platform/Platform.h"

namespace platform::qt {

// Symbols drawn at run time, in the palette's button text colour, so that no
// image files or SVG support are needed.
QIcon SymbolIcon(ImageKind image);

// The tray and window icon: "abc" on a dark rounded tile, legible on any panel.
QIcon ApplicationIcon();

}  // namespace platform::qt
