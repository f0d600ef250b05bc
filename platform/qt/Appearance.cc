#include "platform/qt/Appearance.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QEvent>
#include <QPalette>
#include <QScopedValueRollback>
#include <QStyle>
#include <QWidget>

#include <optional>

#include "platform/Platform.h"
#include "platform/qt/DarkPalette.h"

namespace platform::qt {
namespace {

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kPortalInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString kAppearanceNamespace = QStringLiteral("org.freedesktop.appearance");
const QString kColourSchemeKey = QStringLiteral("color-scheme");

// The portal's "color-scheme": 0 no preference, 1 dark, 2 light. Empty until a portal answers.
std::optional<uint> portalColourScheme;

// Read wraps the value in one variant more than SettingChanged does.
uint ColourScheme(QVariant value) {
    while (value.canConvert<QDBusVariant>() && value.typeId() == qMetaTypeId<QDBusVariant>()) {
        value = value.value<QDBusVariant>().variant();
    }
    return value.toUInt();
}

// Whether the platform's own palette is dark, read while ours is not shown.
bool platformPaletteDark = false;
bool desktopDark = false;
// Set while the program changes the palette itself, so that only the platform's
// changes are read as news.
bool settingPalette = false;

bool IsDarkPalette(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < 128;
}

bool DarkPaletteShown() {
    return QApplication::palette().color(QPalette::Window) == DarkPalette().color(QPalette::Window);
}

void ShowDarkPalette(bool dark) {
    if (dark == DarkPaletteShown()) {
        return;
    }
    const QScopedValueRollback guard(settingPalette, true);
    // An empty palette hands every role back to the platform's theme.
    QApplication::setPalette(dark ? DarkPalette() : QPalette());
    // A style sheet takes its palette() colours when its widget is polished.
    for (QWidget* widget : QApplication::allWidgets()) {
        if (!widget->styleSheet().isEmpty()) {
            widget->style()->unpolish(widget);
            widget->style()->polish(widget);
        }
    }
}

// Ours hides the platform's palette, so it is taken off to read what lies beneath.
void ReadPlatformPalette() {
    ShowDarkPalette(false);
    platformPaletteDark = IsDarkPalette(QApplication::palette());
}

// A dark theme counts whatever the portal prefers: its colours are made for a
// dark window.
void ShowDesktopAppearance() {
    desktopDark = portalColourScheme == 1U || platformPaletteDark;
    ShowDarkPalette(desktopDark);
}

void FollowChange() {
    ShowDesktopAppearance();
    PostEventAfter(0, {EventKind::AppearanceChanged});
}

// Listens to the portal and to Qt's own theme and palette notices.
class AppearanceObserver final : public QObject {
    Q_OBJECT

  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool themeChange = event->type() == QEvent::ThemeChange && watched->isWindowType();
        const bool paletteChange =
            event->type() == QEvent::ApplicationPaletteChange && watched == qApp;
        if ((themeChange || paletteChange) && !settingPalette) {
            ReadPlatformPalette();
            FollowChange();
        }
        return false;
    }

  public slots:
    void SettingChanged(const QString& group, const QString& key, const QDBusVariant& value) {
        if (group == kAppearanceNamespace && key == kColourSchemeKey) {
            portalColourScheme = ColourScheme(value.variant());
            FollowChange();
        }
    }
};

AppearanceObserver* observer = nullptr;

void AskPortal(const QDBusConnection& bus) {
    QDBusMessage read = QDBusMessage::createMethodCall(kPortalService, kPortalPath,
                                                       kPortalInterface, QStringLiteral("Read"));
    read << kAppearanceNamespace << kColourSchemeKey;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(read), observer);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished,
                     [](QDBusPendingCallWatcher* finished) {
                         const QDBusPendingReply<QDBusVariant> reply = *finished;
                         if (reply.isValid()) {
                             portalColourScheme = ColourScheme(reply.value().variant());
                             FollowChange();
                         }
                         finished->deleteLater();
                     });
}

}  // namespace

void WatchAppearance() {
    if (observer != nullptr) {
        return;
    }
    observer = new AppearanceObserver;
    ReadPlatformPalette();
    ShowDesktopAppearance();
    qApp->installEventFilter(observer);
    // Without an announced session bus there is no portal to ask, and Qt would
    // start its D-Bus thread and try to launch a bus for nothing.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        // The slot's argument types are looked up by name, and QDBusVariant's
        // is known only once registered; without it the connection fails unseen.
        qRegisterMetaType<QDBusVariant>();
        bus.connect(kPortalService, kPortalPath, kPortalInterface, QStringLiteral("SettingChanged"),
                    observer, SLOT(SettingChanged(QString, QString, QDBusVariant)));
        AskPortal(bus);
    }
}

void StopWatchingAppearance() {
    delete observer;
    observer = nullptr;
    portalColourScheme.reset();
    ShowDarkPalette(false);
    platformPaletteDark = false;
    desktopDark = false;
}

}  // namespace platform::qt

namespace platform {

bool IsDarkMode() {
    return qt::desktopDark;
}

}  // namespace platform

#include "Appearance.moc"
