#include "AfterExtract.h"

#include "SetMove.h"
#include "Trash.h"
#include "joblist/PartSets.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <cerrno>

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

QString moveTo(const QStringList &parts, const QString &folderPath)
{
    const HeldFolder folder = HeldFolder::open(QFile::encodeName(folderPath).toStdString());
    if (!folder.held())
        return QCoreApplication::translate("AfterExtract", "extracted, but not moved: the folder \"%1\" does not exist")
            .arg(folderPath);
    const auto notMoved = [&](const QString &part, int error) {
        return QCoreApplication::translate("AfterExtract", "extracted, but \"%1\" could not be moved to \"%2\": %3")
            .arg(part, folderPath, FileErrorWords(error));
    };
    SetMove move;
    QString failed;
    if (const int error = move.open(parts, failed))
        return notMoved(failed, error);
    if (const int error = move.prepare(folder))
        return notMoved(parts.front(), error);
    // Nothing in the folder is replaced: the first number free for every part.
    int error = EEXIST;
    for (int n = 1; error == EEXIST && n <= kMostNumberedNames; ++n)
        error = move.place(NumberedNames(parts, n));
    if (!error)
        error = move.finish();
    return error ? notMoved(parts.front(), error) : QString();
}

} // namespace

std::vector<std::string> NumberedNames(const QStringList &paths, int n)
{
    std::vector<std::string> names;
    for (const QString &path : paths) {
        QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
        if (n > 1)
            name.insert(extensionStart(name), QStringLiteral(" (%1)").arg(n));
        names.push_back(QFile::encodeName(name).toStdString());
    }
    return names;
}

QString DisposeOfArchive(const QString &archive, RunOptions::After after, const QString &folder)
{
    if (after == RunOptions::After::Keep)
        return {};
    const QStringList parts = PartsOfSet(archive);
    if (after == RunOptions::After::Move)
        return moveTo(parts, folder);
    return MoveToTrash(parts);
}
