#pragma once

#include <QWidget>

namespace platform::qt {

// The open main window, or nullptr; controls and the gear menu are its children.
QWidget* MainWindowWidget();

}  // namespace platform::qt
