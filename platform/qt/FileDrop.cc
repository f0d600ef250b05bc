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

std::string droppedPath;
QStringList droppableSuffixes;

bool Droppable(const QString& path) {
    return std::any_of(droppableSuffixes.begin(), droppableSuffixes.end(),
                       [&](const QString& suffix) { return path.endsWith(suffix); });
}

QString LocalFile(const QMimeData* data) {
    const QList<QUrl> urls = data->urls();
    if (urls.size() == 1) {
        const QString path = urls.front().isLocalFile() ? urls.front().toLocalFile() : QString();
        return Droppable(path) ? path : QString();
    }
    if (!urls.isEmpty() || !data->hasText()) {
        return {};
    }
    // A path typed or copied as text: one line, absolute or a file URL, naming a file.
    const QString text = data->text().trimmed();
    if (text.contains(QLatin1Char('\n'))) {
        return {};
    }
    const QUrl url(text);
    const QString path = url.isLocalFile() ? url.toLocalFile() : text;
    if (!Droppable(path)) {
        return {};
    }
    // Asked on every move of a drag: one look at the disk.
    const QFileInfo file(path);
    return file.isAbsolute() && file.isFile() ? path : QString();
}

QString DroppedFile(const QDropEvent* event) {
    return event->source() == nullptr ? LocalFile(event->mimeData()) : QString();
}

void TakeAsCopy(QDropEvent* event) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

}  // namespace

bool qt::TakesFileDrag(QDropEvent* event) {
    if (DroppedFile(event).isEmpty()) {
        return false;
    }
    TakeAsCopy(event);
    return true;
}

bool qt::TakesFileDrop(QDropEvent* event) {
    const QString path = DroppedFile(event);
    if (path.isEmpty()) {
        return false;
    }
    TakeAsCopy(event);
    droppedPath = path.toStdString();
    PostEvent({EventKind::FileDropped});
    return true;
}

void AcceptDroppedFiles(const std::vector<std::string_view>& suffixes) {
    droppableSuffixes.clear();
    for (const std::string_view suffix : suffixes) {
        droppableSuffixes.append(qt::Utf8ToQString(suffix));
    }
}

std::string DroppedFilePath() {
    return droppedPath;
}

}  // namespace platform
