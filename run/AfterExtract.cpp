#include "AfterExtract.h"

#include "joblist/PartSets.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// Where " (2)" goes in a name: before the archive's extension, which for a
// set's part is ".zip.001" or ".z01", so every part of one set gets the same.
qsizetype extensionStart(const QString &name)
{
    static const QRegularExpression part(QStringLiteral("\\.(zip\\.[0-9]+|z[0-9]+)$"),
                                         QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch m = part.match(name); m.hasMatch())
        return m.capturedStart();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? dot : name.size();
}

QString numbered(const QString &name, int n)
{
    if (n == 1)
        return name;
    const qsizetype at = extensionStart(name);
    return name.left(at) + QStringLiteral(" (%1)").arg(n) + name.mid(at);
}

QString moveTo(const QStringList &parts, const QString &folderPath)
{
    const QDir folder(folderPath);
    if (!QFileInfo(folderPath).isDir())
        return QCoreApplication::translate("AfterExtract", "extracted, but not moved: the folder \"%1\" does not exist").arg(folderPath);
    // Nothing in the folder is replaced: the first number free for every part.
    int n = 1;
    for (bool taken = true; taken; ++n) {
        taken = false;
        for (const QString &part : parts)
            taken = taken || QFileInfo::exists(folder.filePath(numbered(QFileInfo(part).fileName(), n)));
        if (!taken)
            break;
    }
    for (const QString &part : parts) {
        QFile file(part);
        const QString target = folder.filePath(numbered(QFileInfo(part).fileName(), n));
        if (!file.rename(target))
            return QCoreApplication::translate("AfterExtract", "extracted, but \"%1\" could not be moved to \"%2\": %3")
                .arg(part, folderPath, file.errorString());
    }
    return {};
}

} // namespace

QString DisposeOfArchive(const QString &archive, RunOptions::After after, const QString &folder)
{
    if (after == RunOptions::After::Keep)
        return {};
    const QStringList parts = PartsOfSet(archive);
    if (after == RunOptions::After::Move)
        return moveTo(parts, folder);
    for (const QString &part : parts) {
        QFile file(part);
        if (!file.moveToTrash())
            return QCoreApplication::translate("AfterExtract", "extracted, but \"%1\" could not be moved to the trash: %2")
                .arg(part, file.errorString());
    }
    return {};
}
