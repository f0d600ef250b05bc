#include "platform/qt/FileDrop.h"

#include <QFileInfo>
#include <QList>
#include <QMimeData>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"
#include "platform/qt/QtText.h"

namespace platform {
namespace {

std::vector<std::string> droppedPaths;
QStringList droppableSuffixes;

bool Droppable(const QString& path) {
    return std::any_of(droppableSuffixes.begin(), droppableSuffixes.end(),
                       [&](const QString& suffix) { return path.endsWith(suffix); });
}

// Links to anything but local files are left to the editor, as their text.
QStringList LocalFiles(const QMimeData* data) {
    const QList<QUrl> urls = data->urls();
    QStringList paths;
    for (const QUrl& url : urls) {
        if (url.isLocalFile()) {
            paths.append(url.toLocalFile());
        }
    }
    if (!urls.isEmpty() || !data->hasText()) {
        return paths;
    }
    // A path typed or copied as text: one line, a file URL, or an absolute path
    // naming a file the window opens.
    const QString text = data->text().trimmed();
    if (text.contains(QLatin1Char('\n'))) {
        return {};
    }
    if (const QUrl url(text); url.isLocalFile()) {
        return {url.toLocalFile()};
    }
    if (!Droppable(text)) {
        return {};
    }
    // Asked on every move of a drag: one look at the disk.
    const QFileInfo file(text);
    return file.isAbsolute() && file.isFile() ? QStringList{text} : QStringList();
}

QStringList DroppedFiles(const QDropEvent* event) {
    return event->source() == nullptr ? LocalFiles(event->mimeData()) : QStringList();
}

void TakeAsCopy(QDropEvent* event) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

}  // namespace

bool qt::TakesFileDrag(QDropEvent* event) {
    if (DroppedFiles(event).isEmpty()) {
        return false;
    }
    TakeAsCopy(event);
    return true;
}

bool qt::TakesFileDrop(QDropEvent* event) {
    const QStringList paths = DroppedFiles(event);
    if (paths.isEmpty()) {
        return false;
    }
    TakeAsCopy(event);
    droppedPaths.clear();
    for (const QString& path : paths) {
        droppedPaths.push_back(path.toStdString());
    }
    PostEvent({EventKind::FileDropped});
    return true;
}

void AcceptDroppedFiles(const std::vector<std::string_view>& suffixes) {
    droppableSuffixes.clear();
    for (const std::string_view suffix : suffixes) {
        droppableSuffixes.append(qt::Utf8ToQString(suffix));
    }
}

std::vector<std::string> DroppedFilePaths() {
    return droppedPaths;
}

}  // namespace platform
