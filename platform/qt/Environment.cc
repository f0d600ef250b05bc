#include <QCursor>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QSysInfo>
#include <QUrl>

#include "platform/Platform.h"
#include "platform/qt/QtText.h"

namespace platform {
namespace {

Rect ToRect(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

}  // namespace

std::string LocaleIdentifier() {
    return QLocale::system().name().toStdString();
}

std::vector<Rect> Screens() {
    std::vector<Rect> screens;
    QScreen* primary = QGuiApplication::primaryScreen();
    if (primary != nullptr) {
        screens.push_back(ToRect(primary->geometry()));
    }
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen != primary) {
            screens.push_back(ToRect(screen->geometry()));
        }
    }
    return screens;
}

Point PointerPosition() {
    const QPoint position = QCursor::pos();
    return {position.x(), position.y()};
}

int MenuBarHeight() {
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return 0;
    }
    return screen->availableGeometry().top() - screen->geometry().top();
}

std::u16string ProcessorFamily() {
    const QString architecture = QSysInfo::currentCpuArchitecture();
    if (architecture == QStringLiteral("x86_64")) {
        return u"x86-64";
    }
    if (architecture == QStringLiteral("arm64")) {
        return u"ARM64";
    }
    return qt::ToU16(architecture);
}

void OpenUrl(std::string_view url) {
    const QUrl address(qt::Utf8ToQString(url), QUrl::StrictMode);
    if (address.isValid() && !address.scheme().isEmpty()) {
        QDesktopServices::openUrl(address);
    }
}

}  // namespace platform
