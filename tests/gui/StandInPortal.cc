#include "tests/gui/StandInPortal.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QFile>

namespace {

constexpr int kBusStartDeadlineMs = 20000;
const QString kConnectionName = QStringLiteral("stand-in portal");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kAppearance = QStringLiteral("org.freedesktop.appearance");
const QString kColourScheme = QStringLiteral("color-scheme");

// A session bus that starts no services of its own, so that a real portal
// installed on the machine cannot answer in the stand-in's place.
constexpr char kBusConfig[] = R"(<!DOCTYPE busconfig PUBLIC
 "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=%1</listen>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

}  // namespace

StandInPortal::~StandInPortal() {
    QDBusConnection::disconnectFromBus(kConnectionName);
    daemon_.kill();
    daemon_.waitForFinished();
}

testing::AssertionResult StandInPortal::Start() {
    const QString config = folder_.filePath(QStringLiteral("bus.conf"));
    QFile file(config);
    if (!folder_.isValid() || !file.open(QIODevice::WriteOnly) ||
        file.write(QString::fromLatin1(kBusConfig).arg(folder_.path()).toUtf8()) < 0) {
        return testing::AssertionFailure() << "cannot write the bus's configuration";
    }
    file.close();
    daemon_.start(QStringLiteral("dbus-daemon"),
                  {QStringLiteral("--nofork"), QStringLiteral("--print-address"),
                   QStringLiteral("--config-file=") + config});
    while (!daemon_.canReadLine() && daemon_.waitForReadyRead(kBusStartDeadlineMs)) {
    }
    address_ = daemon_.readLine().trimmed();
    if (address_.isEmpty()) {
        return testing::AssertionFailure()
               << "dbus-daemon (Debian's dbus-daemon package) gave no address: "
               << daemon_.errorString().toStdString() << " "
               << daemon_.readAllStandardError().toStdString();
    }
    QDBusConnection bus =
        QDBusConnection::connectToBus(QString::fromUtf8(address_), kConnectionName);
    if (!bus.registerObject(kPath, this, QDBusConnection::ExportScriptableSlots) ||
        !bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"))) {
        return testing::AssertionFailure() << "the stand-in portal cannot take its name: "
                                           << bus.lastError().message().toStdString();
    }
    return testing::AssertionSuccess();
}

void StandInPortal::AnnounceColourScheme(uint value) {
    colourScheme_ = value;
    QDBusMessage signal = QDBusMessage::createSignal(
        kPath, QStringLiteral("org.freedesktop.portal.Settings"), QStringLiteral("SettingChanged"));
    signal << kAppearance << kColourScheme << QVariant::fromValue(QDBusVariant(value));
    QDBusConnection(kConnectionName).send(signal);
}

QDBusVariant StandInPortal::ReadOne(const QString& group, const QString& key) {
    if (group != kAppearance || key != kColourScheme) {
        sendErrorReply(QStringLiteral("org.freedesktop.portal.Error.NotFound"),
                       QStringLiteral("Requested setting not found"));
        return {};
    }
    return QDBusVariant(colourScheme_);
}

QDBusVariant StandInPortal::Read(const QString& group, const QString& key) {
    return QDBusVariant(QVariant::fromValue(ReadOne(group, key)));
}
