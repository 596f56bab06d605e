// What becomes of an archive once it was extracted cleanly: it stays, goes
// to the desktop's trash, or moves to a folder; a set in parts goes whole.
#pragma once

#include "RunOptions.h"

#include <QString>

// "" when done (or nothing was asked), else why not, in plain words. A part
// already moved is not brought back: each stands on its own once moved.
QString DisposeOfArchive(const QString &archive, RunOptions::After after, const QString &folder);
