#include "ArchiveScan.h"

#include "PartSets.h"
#include "PathHelpers.h"

#include <QElapsedTimer>
#include <memory>

QString JoinPath(const QString &folder, const QString &name, QChar separator)
{
    if (folder.endsWith(separator))
        return folder + name;
    return folder + separator + name;
}

namespace {

QString WithTrailingSeparator(const QString &folder)
{
    return folder.endsWith(NativeSeparator) ? folder : folder + NativeSeparator;
}

// The folder list carries a trailing separator on every entry; the root "/"
// is its own trailing separator and must not lose it.
QString WithoutTrailingSeparator(const QString &entry)
{
    if (entry.size() > 1 && entry.endsWith(NativeSeparator))
        return entry.chopped(1);
    return entry;
}

// Hidden + archive and nothing else; here, where files carry no such bits,
// that is a name beginning with a dot.
bool IsHiddenArchiveKind(const QString &name) { return name.startsWith(QChar('.')); }

} // namespace

bool WalkArchives(const QString &folder, const QString &pattern, const ScanHooks &hooks,
                  const std::function<void(const QString &)> &found)
{
    return WalkArchives(folder, ScanPatterns(pattern), hooks, found);
}

bool WalkArchives(const QString &folder, const QStringList &patterns, const ScanHooks &hooks,
                  const std::function<void(const QString &)> &found)
{
    const QString start = WithTrailingSeparator(folder);
    FolderList folders{start};
    GetSubDirectories2016(folders, true, hooks);
    const bool startRead = !folders.isEmpty() && folders.first() == start;
    PartSetFilter sets;

    for (const QString &entry : std::as_const(folders)) {
        if (hooks.pumpEvents)
            hooks.pumpEvents();
        if (hooks.stopped())
            break;
        const QString dir = WithoutTrailingSeparator(entry);
        const QStringList names = GetFilesInFolder(dir, patterns, hooks.pumpEvents, hooks.stopRequested);
        for (const QString &name : names) {
            // Per file as well as per folder: one folder may hold most of the tree.
            if (hooks.pumpEvents)
                hooks.pumpEvents();
            if (hooks.stopped())
                break;
            if (name.startsWith(QChar('~')))
                continue;
            const QString path = JoinPath(dir, name, NativeSeparator);
            if (!IsOpenableFile(path) || IsHiddenArchiveKind(name))
                continue;
            const QString row = sets.admit(CollapseBackslashes(path, NativeSeparator));
            if (!row.isEmpty())
                found(row);
        }
    }
    return startRead;
}

QStringList CollectArchives(const QString &folder, const QString &extension, const ScanHooks &hooks)
{
    QStringList rows;
    WalkArchives(folder, QStringLiteral("*.") + extension, hooks, [&rows](const QString &path) { rows << path; });
    return rows;
}

std::function<void()> ThrottledPump(std::function<void()> pump, int intervalMs)
{
    if (!pump)
        return {};
    auto clock = std::make_shared<QElapsedTimer>();
    return [pump = std::move(pump), clock, intervalMs] {
        if (clock->isValid() && clock->elapsed() < intervalMs)
            return;
        pump();
        clock->start();
    };
}
