#include "platform/qt/FileDrop.h"

#include <QFileInfo>
#include <QList>
#include <QMimeData>
#include <QString>
#include <QUrl>

#include <string>

#include "platform/Platform.h"

namespace platform {
namespace {

std::string droppedPath;

QString LocalFile(const QMimeData* data) {
    const QList<QUrl> urls = data->urls();
    if (urls.size() == 1) {
        return urls.front().isLocalFile() ? urls.front().toLocalFile() : QString();
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
    return QFileInfo(path).isAbsolute() && QFileInfo(path).isFile() ? path : QString();
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

std::string DroppedFilePath() {
    return droppedPath;
}

}  // namespace platform
