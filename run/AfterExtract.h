// What becomes of an archive once it was extracted cleanly: it stays, goes
// to the desktop's trash, or moves to a folder; a set in parts goes whole or
// not at all.
#pragma once

#include "RunOptions.h"

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

// "" when done (or nothing was asked), else why not, in plain words. When it
// fails, every part is still where it was and nothing is left at the target.
QString DisposeOfArchive(const QString &archive, RunOptions::After after, const QString &folder);

// The names of `paths` with " (n)" before their archive extension (none for
// n = 1), the same n for every part of a set.
std::vector<std::string> NumberedNames(const QStringList &paths, int n);
constexpr int kMostNumberedNames = 9999;
