#include "NestedArchives.h"

#include "SubfolderNames.h"

#include <QCoreApplication>
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
    if (outcome.removed == outcome.extracted)
        return outcome.extracted == 1
                   ? QCoreApplication::translate("NestedArchives", "1 archive inside extracted and removed")
                   : QCoreApplication::translate("NestedArchives", "%1 archives inside extracted and removed").arg(outcome.extracted);
    if (outcome.removed > 0)
        return QCoreApplication::translate("NestedArchives", "%1 archives inside extracted, %2 removed")
            .arg(outcome.extracted)
            .arg(outcome.removed);
    return outcome.extracted == 1 ? QCoreApplication::translate("NestedArchives", "1 archive inside extracted")
                                  : QCoreApplication::translate("NestedArchives", "%1 archives inside extracted").arg(outcome.extracted);
}
