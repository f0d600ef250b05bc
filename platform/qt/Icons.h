#pragma once

#include <QIcon>

#include "platform/Platform.h"

namespace platform::qt {

// Symbols drawn at run time, so that no image files or SVG support are needed;
// all but the grey help icon take the palette's button text colour whenever
// they are painted.
QIcon SymbolIcon(ImageKind image);

// The tray and window icon: "abc" on a dark rounded tile, legible on any panel.
QIcon ApplicationIcon();

}  // namespace platform::qt
