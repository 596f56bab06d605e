// The subfolder each archive of a run gets in subfolder mode, by the rule of
// "More Options...". "Up to the first dot" is the program's own rule and
// stays exactly as it was (two archives may share a folder). The other rules
// keep the archives of one run apart: the later of two that would share a
// folder gets " (2)", " (3)", ...
#pragma once

#include "Destination.h"
#include "RunOptions.h"

#include <QSet>
#include <QString>

#include <functional>
#include <optional>

// The one folder every entry of the archive sits under, or nothing (entries
// at the top, several top folders, or an archive that cannot be listed).
std::optional<QString> SingleTopFolder(const QString &archive);

// The whole file name without the suffix that names its kind, in any letter
// case: ".zip", ".zip.001", ".tar.gz", ".tgz", ".7z.001", ".part1.rar" (see
// ArchiveKinds.h); a name with another extension loses only its last one.
QString FullBaseNameOf(const QString &archivePath, QChar separator = NativeSeparator);

class SubfolderNamer {
public:
    using TopFolder = std::function<std::optional<QString>(const QString &archive)>;
    explicit SubfolderNamer(RunOptions::SubfolderName rule, TopFolder topFolder = &SingleTopFolder);

    // Where `archive` is extracted. The smart rule answers the output folder
    // itself when the archive brings its own top folder and no other archive
    // of the run has taken that name.
    QString destinationFor(const QString &archive, const QString &outputText, UnzipMode mode,
                           QChar separator = NativeSeparator);

private:
    QString unique(const QString &outputText, const QString &name, QChar separator);

    RunOptions::SubfolderName m_rule;
    TopFolder m_topFolder;
    QSet<QString> m_taken; // folders of this run, by their full path
};
