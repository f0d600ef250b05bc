#include "platform/qt/Preferences.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

#include <map>
#include <memory>
#include <string>

#include "platform/Platform.h"
#include "platform/qt/QtText.h"

namespace platform {
namespace {

// An INI file under XDG_CONFIG_HOME on Linux, the defaults domain on macOS.
std::unique_ptr<QSettings> store;
// Writes wait here for SyncPreferences: QSettings would write its whole file at
// the next turn of the event loop after every change, the typed text included.
std::map<std::string, QVariant, std::less<>> unsynced;
bool lastSyncFailed = false;

QVariant Value(std::string_view key) {
    if (const auto found = unsynced.find(key); found != unsynced.end()) {
        return found->second;
    }
    return store != nullptr ? store->value(qt::Utf8ToQString(key)) : QVariant();
}

void Write(std::string_view key, const QVariant& value) {
    if (store != nullptr) {
        unsynced[std::string(key)] = value;
    }
}

void OpenStore() {
    store = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                        QStringLiteral("com.velmoor"), QStringLiteral("Quillory"));
}

}  // namespace

void qt::OpenPreferences() {
    OpenStore();
    // An empty lock beside the file was left by a run killed between making it
    // and writing its owner into it, and QSettings would wait half a minute for
    // it. Only one instance runs in a session; a lock naming its owner is left
    // to QSettings, which sees at once whether that owner still runs.
    const QString lock = store->fileName() + QStringLiteral(".lock");
    if (QFileInfo(lock).size() == 0) {
        QFile::remove(lock);
    }
}

void qt::ClosePreferences() {
    SyncPreferences();
    store.reset();
}

bool PreferencesExist() {
    if (store == nullptr) {
        return false;
    }
    const QFileInfo path(store->fileName());
    return path.exists() || path.isSymLink();
}

std::int64_t ReadPreferenceInteger(std::string_view key) {
    bool ok = false;
    const qlonglong value = Value(key).toLongLong(&ok);
    return ok ? value : 0;
}

std::u16string ReadPreferenceString(std::string_view key) {
    const QVariant value = Value(key);
    if (value.typeId() == QMetaType::QByteArray) {
        return qt::ToU16(QString::fromUtf8(value.toByteArray()));
    }
    // An INI value with unquoted commas reads back as a list.
    if (value.typeId() == QMetaType::QStringList) {
        return qt::ToU16(value.toStringList().join(QStringLiteral(", ")));
    }
    return qt::ToU16(value.toString());
}

void WritePreferenceInteger(std::string_view key, std::int64_t value) {
    Write(key, QVariant::fromValue(static_cast<qlonglong>(value)));
}

void WritePreferenceString(std::string_view key, std::u16string_view value) {
    // As bytes: QSettings writes a string's characters out one allocation each,
    // which for the typed text cost more than the rest of a keystroke. Bytes cost
    // that only beyond ASCII, written as \xNN escapes.
    Write(key, QStringView(value.data(), static_cast<qsizetype>(value.size())).toUtf8());
}

bool SyncPreferences() {
    if (store == nullptr) {
        return false;
    }
    // QSettings keeps its first error for good, a failed read included, so each
    // try after a failure starts from a fresh one.
    if (lastSyncFailed) {
        OpenStore();
    }
    for (const auto& [key, value] : unsynced) {
        store->setValue(qt::Utf8ToQString(key), value);
    }
    store->sync();
    // A hand-edited file that does not parse is still written over.
    lastSyncFailed = store->status() == QSettings::AccessError;
    if (!lastSyncFailed) {
        unsynced.clear();
    }
    return !lastSyncFailed;
}

}  // namespace platform
