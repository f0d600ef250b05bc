#pragma once

#include <QMimeData>

namespace platform::qt {

// Whether the drag carries one local file: as a URL, as file managers give it,
// or as its path or file URL in plain text.
bool CarriesOneFile(const QMimeData* data);
// Posts FileDropped for the file the drag carries; false when it carries none.
bool PostFileDrop(const QMimeData* data);

}  // namespace platform::qt
