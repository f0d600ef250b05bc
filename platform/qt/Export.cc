// The export's desktop side: the save panel, the clock of its date stamp, the
// sound and the reveal of the written file.

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>
#include <QStandardPaths>
#include <QUrl>

#include "platform/Platform.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/QtText.h"

namespace platform {
namespace {

QString StartFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void OpenFolderOf(const QString& file) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(file).absolutePath()));
}

}  // namespace

std::string ShowSavePanel(std::u16string_view title, std::u16string_view proposedName,
                          std::u16string_view filterDescription,
                          std::u16string_view filterPattern) {
    const QPointer<QWidget> previous = QApplication::activeWindow();
    const QString filter = qt::ToQString(filterDescription) + QStringLiteral(" (") +
                           qt::ToQString(filterPattern) + QStringLiteral(")");
    QFileDialog panel(qt::MainWindowWidget(), qt::ToQString(title),
                      QDir(StartFolder()).filePath(qt::ToQString(proposedName)), filter);
    panel.setAcceptMode(QFileDialog::AcceptSave);
    panel.setFileMode(QFileDialog::AnyFile);
    const bool accepted = panel.exec() == QDialog::Accepted && !panel.selectedFiles().isEmpty();
    if (previous != nullptr) {
        previous->activateWindow();
    }
    if (!accepted) {
        return {};
    }
    QString chosen = panel.selectedFiles().constFirst();
    // Qt's own panel reads quoted parts of a typed name as a list of names and
    // would save `report "final".txt` as `final`; the name is what the user typed.
    const auto* nameField = panel.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (nameField != nullptr && nameField->text().contains(QLatin1Char('"'))) {
        chosen = panel.directory().filePath(nameField->text());
    }
    return chosen.toStdString();
}

std::chrono::local_seconds LocalNow() {
    using namespace std::chrono;
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return local_days{year{date.year()} / date.month() / date.day()} + hours{time.hour()} +
           minutes{time.minute()} + seconds{time.second()};
}

void PlaySystemSound() {
    QApplication::beep();
}

void RevealFile(std::string_view path) {
    const QString file = QFileInfo(qt::Utf8ToQString(path)).absoluteFilePath();
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        OpenFolderOf(file);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(file).toString()} << QString();
    // The file manager may take a while to start; the window must not wait for it.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), QApplication::instance());
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [file](QDBusPendingCallWatcher* finished) {
                         if (finished->isError()) {
                             OpenFolderOf(file);
                         }
                         finished->deleteLater();
                     });
}

}  // namespace platform
