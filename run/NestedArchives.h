// Archives inside archives: the ZIP files an archive brought are extracted in
// turn, each into a folder beside it named after it, once (what they bring is
// not looked into again), and removed afterwards when the user asked.
#pragma once

#include "BatchRun.h"

#include <QString>
#include <QStringList>

struct NestedOutcome {
    int extracted = 0;
    int removed = 0;
    QStringList failures; // "NAME: why", for the archives inside that failed
};

// `written`: the files the outer archive brought, relative to `destination`.
NestedOutcome ExtractNested(const QStringList &written, const QString &destination, const UnzipFunction &unzip,
                            UnzipHooks hooks, bool remove);

// What the summary says of them ("2 archives inside extracted and removed").
QString NestedNote(const NestedOutcome &outcome);
