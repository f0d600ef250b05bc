#pragma once

#include <QPalette>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "platform/Platform.h"

// Started with this flag, the test binary only tries to start the platform
// and exits with kAnotherInstanceRuns when an instance already runs.
inline constexpr char kSecondInstanceFlag[] = "--second-instance";
inline constexpr int kAnotherInstanceRuns = 3;

// Started with this flag, the test binary saves SavedTextNumber(1), 2, 3 ...
// under "AnalyzeText", syncing each and printing its number, until killed.
inline constexpr char kKeepSavingFlag[] = "--keep-saving";
// A long text with CR LF breaks that says which one it is.
std::u16string SavedTextNumber(int number);

// HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR under `home`; an offscreen display
// with one 1440 x 900 screen.
void PointUserFoldersAt(const QString& home);

// The open main window's widget, and one control's widget by number.
QWidget* MainWindowForTest();
QWidget* ControlWidget(int number);

// An event's kind, number and type as the numbers they stand for, comparable in
// expectations.
using EventFields = std::array<int, 3>;

// Every queued program event, after handling pending input.
std::vector<EventFields> DrainEvents();

// While it lives, every modal box that opens is answered with the button of
// this text (kDefaultButton: the default one, as Return would), after `whileOpen` ran; the
// boxes' texts are kept in order.
inline const QString kDefaultButton;
struct AlertAnswerer {
    explicit AlertAnswerer(const QString& buttonText, std::function<void()> whileOpen = {});
    QStringList headlines;
    QStringList details;
    QTimer poll;
};

// Once the save panel is up, shows `folder` in it, types `name` and presses
// Return; `poll` keeps looking until then.
void AnswerSavePanel(QTimer& poll, const QString& folder, const QString& name);

// Every kind of text, enabled and disabled, has a contrast of at least 4.5:1
// (WCAG AA) with what it is drawn on.
void ExpectLegibleText(const QPalette& palette);
