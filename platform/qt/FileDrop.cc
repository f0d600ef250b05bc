#include "platform/qt/FileDrop.h"

#include <QFileInfo>
#include <QList>
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

}  // namespace

bool qt::CarriesOneFile(const QMimeData* data) {
    return !LocalFile(data).isEmpty();
}

bool qt::PostFileDrop(const QMimeData* data) {
    const QString path = LocalFile(data);
    if (path.isEmpty()) {
        return false;
    }
    droppedPath = path.toStdString();
    PostEvent({EventKind::FileDropped});
    return true;
}

std::string DroppedFilePath() {
    return droppedPath;
}

}  // namespace platform
