#pragma once

// A private session bus of its own (dbus-daemon) with a stand-in for the
// desktop's settings portal on it, which answers the appearance's
// "color-scheme" and announces changes of it as the real one does.

#include <gtest/gtest.h>

#include <QDBusContext>
#include <QDBusVariant>
#include <QObject>
#include <QProcess>
#include <QTemporaryDir>

class StandInPortal final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

  public:
    StandInPortal() = default;
    ~StandInPortal() override;
    StandInPortal(const StandInPortal&) = delete;
    StandInPortal& operator=(const StandInPortal&) = delete;

    // Starts the bus and takes the portal's name on it.
    [[nodiscard]] testing::AssertionResult Start();
    // The bus's address, for DBUS_SESSION_BUS_ADDRESS.
    [[nodiscard]] QByteArray Address() const { return address_; }
    // What Read and ReadOne answer from now on.
    void SetColourScheme(uint value) { colourScheme_ = value; }
    // Sets the colour scheme and sends SettingChanged for it.
    void AnnounceColourScheme(uint value);

  public slots:
    // Read wraps the value in one variant more than ReadOne.
    Q_SCRIPTABLE QDBusVariant Read(const QString& group, const QString& key);
    Q_SCRIPTABLE QDBusVariant ReadOne(const QString& group, const QString& key);

  private:
    QTemporaryDir folder_;
    QProcess daemon_;
    QByteArray address_;
    uint colourScheme_ = 0;
};
