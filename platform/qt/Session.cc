#include <QApplication>

#include "platform/Platform.h"
#include "platform/qt/Appearance.h"
#include "platform/qt/Icons.h"
#include "platform/qt/Preferences.h"
#include "platform/qt/SingleInstance.h"

namespace platform {
namespace {

QApplication* application = nullptr;

}  // namespace

bool InitialisePlatform(int& argc, char** argv) {
    QApplication::setOrganizationName(QStringLiteral("com.velmoor"));
    QApplication::setApplicationName(QStringLiteral("Quillory"));
    QApplication::setDesktopFileName(QStringLiteral("com.velmoor.Quillory"));
    application = new QApplication(argc, argv);
    // The program lives in the tray; closing its window must not end it.
    application->setQuitOnLastWindowClosed(false);
    if (!qt::ClaimSingleInstance()) {
        delete application;
        application = nullptr;
        return false;
    }
    QApplication::setWindowIcon(qt::ApplicationIcon());
    qt::OpenPreferences();
    qt::WatchAppearance();
    return true;
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
