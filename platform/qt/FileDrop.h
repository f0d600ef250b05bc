#pragma once

#include <QDropEvent>

namespace platform::qt {

// Whether the drag, from another program, carries local files: as URLs, as
// file managers give them, or as a file URL or a path in plain text (see
// AcceptDroppedFiles). Files are taken as a copy, so the source never deletes
// what it gave, and whatever they are, so that the program can say why it does
// not open one. A drag within the program is text moving about, never a file.
bool TakesFileDrag(QDropEvent* event);
// Posts FileDropped for the files a drop carries; false when it carries none.
bool TakesFileDrop(QDropEvent* event);

}  // namespace platform::qt
