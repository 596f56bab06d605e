// Archives in parts take one row each. A split set ("NAME.zip.001", ".002",
// ...; "NAME.7z.001", ...) is extracted from its first part, a spanned set
// ("NAME.z01", ".z02", ..., "NAME.zip") from "NAME.zip", a RAR set from
// "NAME.part1.rar" or, for "NAME.r00", ".r01", ..., from "NAME.rar"; the
// engine finds the other parts beside the path it is given, so a later part
// gives way to that path.
#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

// What a folder scan lists for `pattern`: a pattern ending in ".zip" or ".7z"
// lists the first parts of split sets too ("*.zip" and "*.zip.001").
QStringList ScanPatterns(const QString &pattern);

// Every file the engine reads for the archive at `path`, first to last: the
// parts of a split set from its first part up to the first missing, of a
// spanned set the parts its "NAME.zip"'s end record counts, or `path` alone.
// A run weighs an archive by their sizes, and moves or trashes exactly these.
QStringList PartsOfSet(const QString &path);

// Takes the paths of one adding command in order and answers the row for each.
class PartSetFilter {
public:
    // `path` itself, or the set's path to extract from when `path` is a later
    // part and that path is a file beside it (its extension in any letter
    // case). Empty when this would list that path a second time.
    QString admit(const QString &path);

private:
    QString firstPartBeside(const QString &path);
    const QStringList &namesIn(const QString &folder);

    QSet<QString> m_asGiven;                // paths answered as they came
    QSet<QString> m_forParts;               // paths answered in place of a later part
    QHash<QString, QStringList> m_listings; // folders read for a letter case other than the part's own
};
