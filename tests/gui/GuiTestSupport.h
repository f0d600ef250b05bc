#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <vector>

#include "platform/Platform.h"

// Started with this flag, the test binary only tries to start the platform
// and exits with kAnotherInstanceRuns when an instance already runs.
inline constexpr char kSecondInstanceFlag[] = "--second-instance";
inline constexpr int kAnotherInstanceRuns = 3;

// HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR under `home`; offscreen display.
void PointUserFoldersAt(const QString& home);

// The open main window's widget, and one control's widget by number.
QWidget* MainWindowForTest();
QWidget* ControlWidget(int number);

// An event's kind, number and type, comparable in expectations.
using EventFields = std::array<int, 3>;

// Every queued program event, after handling pending input.
std::vector<EventFields> DrainEvents();

// Clicks the button with this text in the next modal box, once it is open.
void AnswerNextAlert(const QString& buttonText);
