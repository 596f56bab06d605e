// The desktop's trash as the freedesktop.org trash standard lays it
// out: the home trash ($XDG_DATA_HOME/Trash) with a ".trashinfo" record for
// each file, its "Path=" percent-encoded, so that any byte of a name (a
// newline too) goes back where it came from. A file on another file system
// is copied there the way a move to a folder copies it.
#pragma once

#include <QString>
#include <QStringList>

// Moves every one of `paths` (the parts of one set) to the trash, all of them
// or none. "" when done, else why not, in plain words.
QString MoveToTrash(const QStringList &paths);
