#include "NestedArchives.h"

#include "SubfolderNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

NestedOutcome ExtractNested(const QStringList &written, const QString &destination, const UnzipFunction &unzip,
                            UnzipHooks hooks, bool remove)
{
    NestedOutcome outcome;
    hooks.progress = {}; // their files are not the outer archive's
    hooks.workDone = {};
    hooks.openedByListPassword = {};
    const QDir top(destination);
    for (const QString &name : written) {
        if (!name.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive))
            continue;
        const QString path = top.filePath(name);
        const QFileInfo info(path);
        if (!info.isFile() || info.isSymLink())
            continue;
        const QString folder = info.dir().filePath(FullBaseNameOf(info.fileName(), QLatin1Char('/')));
        if (const std::optional<ArchiveProblem> problem = ExtractArchive(path, folder, unzip, hooks)) {
            outcome.failures << name + QStringLiteral(": ") + problem->reason;
            continue;
        }
        ++outcome.extracted;
        if (remove && QFile::remove(path))
            ++outcome.removed;
    }
    return outcome;
}

QString NestedNote(const NestedOutcome &outcome)
{
    if (outcome.extracted == 0)
        return {};
    QString note = outcome.extracted == 1 ? QStringLiteral("1 archive inside extracted")
                                          : QStringLiteral("%1 archives inside extracted").arg(outcome.extracted);
    if (outcome.removed == outcome.extracted)
        note += QStringLiteral(" and removed");
    else if (outcome.removed > 0)
        note += QStringLiteral(", %1 removed").arg(outcome.removed);
    return note;
}
