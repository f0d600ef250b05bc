#pragma once

#include <QDropEvent>

namespace platform::qt {

// Whether the drag, from another program, carries one local file: as a URL, as
// file managers give it, or as its path or file URL in plain text. The file is
// taken as a copy, so the source never deletes what it gave. A drag within the
// program is text moving about, never a file.
bool TakesFileDrag(QDropEvent* event);
// Posts FileDropped for the file a drop carries; false when it carries none.
bool TakesFileDrop(QDropEvent* event);

}  // namespace platform::qt
