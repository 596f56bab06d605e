// What the list accepts when something is dragged onto it: a list of local
// files and folders, nothing else.
#pragma once

#include <QStringList>
#include <optional>

class QMimeData;

// The local paths of a file list in drag order, or nothing when the data is
// not a file list (no URLs, or any URL that is not a local file). The window
// refuses the drag over the list when this answers nothing.
std::optional<QStringList> DroppedFileList(const QMimeData *data);
