#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "platform/Platform.h"
#include "platform/qt/Appearance.h"
#include "platform/qt/Icons.h"
#include "platform/qt/Preferences.h"
#include "platform/qt/SingleInstance.h"

namespace platform {
namespace {

QApplication* application = nullptr;

constexpr const char* kNoDisplayLine =
    "quillory: no graphical session to show the window in (is DISPLAY or WAYLAND_DISPLAY set?)\n";

// Qt ends the process from inside its constructor when it cannot reach the
// display, after several lines about plugins; say so in one line and exit
// instead of aborting.
void ExitOnFatalStartMessage(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type == QtFatalMsg) {
        std::fputs(kNoDisplayLine, stderr);
        std::_Exit(EXIT_FAILURE);
    }
}

bool HasGraphicalSession() {
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

}  // namespace

SessionStart InitialisePlatform(int& argc, char** argv) {
    if (!HasGraphicalSession()) {
        std::fputs(kNoDisplayLine, stderr);
        return SessionStart::NoDisplay;
    }
    QApplication::setOrganizationName(QStringLiteral("com.velmoor"));
    QApplication::setApplicationName(QStringLiteral("Quillory"));
    QApplication::setDesktopFileName(QStringLiteral("com.velmoor.Quillory"));
    const QtMessageHandler previousHandler = qInstallMessageHandler(ExitOnFatalStartMessage);
    application = new QApplication(argc, argv);
    qInstallMessageHandler(previousHandler);
    // The program lives in the tray; closing its window must not end it.
    application->setQuitOnLastWindowClosed(false);
    if (!qt::ClaimSingleInstance()) {
        delete application;
        application = nullptr;
        return SessionStart::AnotherInstance;
    }
    QApplication::setWindowIcon(qt::ApplicationIcon());
    qt::OpenPreferences();
    qt::WatchAppearance();
    return SessionStart::Started;
}

void ShutdownPlatform() {
    DestroyWindow();
    RemoveStatusItem();
    qt::StopWatchingAppearance();
    qt::ClosePreferences();
    qt::ReleaseSingleInstance();
    delete application;
    application = nullptr;
}

}  // namespace platform
