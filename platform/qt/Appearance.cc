#include "platform/qt/Appearance.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QEvent>
#include <QPalette>

#include <optional>

#include "platform/Platform.h"

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

void NoticeChange() {
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
        if (themeChange || paletteChange) {
            NoticeChange();
        }
        return false;
    }

  public slots:
    void SettingChanged(const QString& group, const QString& key, const QDBusVariant& value) {
        if (group == kAppearanceNamespace && key == kColourSchemeKey) {
            portalColourScheme = ColourScheme(value.variant());
            NoticeChange();
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
                             NoticeChange();
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
    qApp->installEventFilter(observer);
    // Without an announced session bus there is no portal to ask, and Qt would
    // start its D-Bus thread and try to launch a bus for nothing.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        bus.connect(kPortalService, kPortalPath, kPortalInterface, QStringLiteral("SettingChanged"),
                    observer, SLOT(SettingChanged(QString, QString, QDBusVariant)));
        AskPortal(bus);
    }
}

void StopWatchingAppearance() {
    delete observer;
    observer = nullptr;
    portalColourScheme.reset();
}

}  // namespace platform::qt

namespace platform {

bool IsDarkMode() {
    if (qt::portalColourScheme.has_value()) {
        return *qt::portalColourScheme == 1;
    }
    return QApplication::palette().color(QPalette::Window).lightness() < 128;
}

}  // namespace platform

#include "Appearance.moc"
