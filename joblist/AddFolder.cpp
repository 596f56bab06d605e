#include "AddFolder.h"

#include "PathHelpers.h"
#include "Prompts.h"
#include "TrappedProcedure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <stdexcept>
#include <sys/stat.h>

QString PickerStartFolder(const QString &wanted) { return IsFolderPresent(wanted) ? wanted : QDir::homePath(); }

QString BrowseForFolder(Prompts &prompts, const QString &prompt, const QString &startFolder)
{
    QString chosen = prompts.pickFolder(prompt, PickerStartFolder(startFolder));
    while (chosen.size() > 1 && chosen.endsWith(NativeSeparator))
        chosen.chop(1);
    return chosen;
}

namespace {

const QString ScanLocation = QStringLiteral("in BrenvikTitle2021/08/31.AddFolder.GetSubDirectories2016 ");

// Line numbers the scan's error box names.
enum ScanLine {
    LineFolderPump = 106,
    LineReadSubFolders = 110,
    LineSubFolderPump = 112,
    LineRecurse = 120,
    LineListPump = 126,
};

class Scan {
public:
    explicit Scan(const ScanHooks &hooks) : m_hooks(hooks)
    {
        if (hooks.prompts)
            m_procedure.emplace(*hooks.prompts, ScanLocation);
    }

    // A failure other than an unreadable folder reaches the error box (or
    // the hook that stands for it), and the scan goes on with its next step.
    void trap(int line, const std::function<void()> &statement)
    {
        if (m_procedure) {
            m_procedure->step(line, statement);
            return;
        }
        try {
            statement();
        } catch (const std::exception &failure) {
            if (m_hooks.failed)
                m_hooks.failed(QString::fromLocal8Bit(failure.what()));
        } catch (...) {
            if (m_hooks.failed)
                m_hooks.failed(QCoreApplication::translate("AddFolder", "the folder scan failed"));
        }
    }

    void pump(int line)
    {
        if (m_hooks.pumpEvents)
            trap(line, m_hooks.pumpEvents);
    }

    // Returns the number of entries removed from `folders` as unreadable.
    qsizetype level(FolderList &folders, bool recurse);

private:
    enum class Read { Done, Unreadable };
    Read readSubFolders(const QString &folder, FolderList &found);

    const ScanHooks &m_hooks;
    std::optional<TrappedProcedure> m_procedure;
};

bool unreadableError(int error)
{
    // Permission denied (70) and path not found (76): the folder leaves the list.
    return error == EACCES || error == EPERM || error == ENOENT || error == ENOTDIR;
}

[[noreturn]] void readFailed(int error, const QString &folder)
{
    throw std::runtime_error(std::string(std::strerror(error)) + ": " + folder.toStdString());
}

bool isSubFolder(DIR *dir, const dirent *entry)
{
    // A symbolic link is never followed: that keeps the scan out of loops and
    // out of trees that belong elsewhere.
    if (entry->d_type == DT_DIR)
        return true;
    if (entry->d_type != DT_UNKNOWN)
        return false;
    struct stat info;
    return ::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(info.st_mode);
}

// Case-insensitive first, so the order is the one a user expects from a
// folder listing and stays the same from one file system to the next.
bool listingOrder(const QString &a, const QString &b)
{
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

Scan::Read Scan::readSubFolders(const QString &folder, FolderList &found)
{
    const QByteArray encoded = QFile::encodeName(folder);
    DIR *dir = ::opendir(encoded.constData());
    if (!dir) {
        const int error = errno;
        if (unreadableError(error))
            return Read::Unreadable;
        readFailed(error, folder);
    }
    const QString prefix = folder.endsWith(NativeSeparator) ? folder : folder + NativeSeparator;
    QStringList names;
    int error = 0;
    for (;;) {
        errno = 0;
        const dirent *entry = ::readdir(dir);
        if (!entry) {
            error = errno;
            break;
        }
        // Reading a folder of a hundred thousand entries takes tens of
        // milliseconds; the window is served while it goes on.
        pump(LineSubFolderPump);
        if (m_hooks.stopped())
            break;
        const char *name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0 || !isSubFolder(dir, entry))
            continue;
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = decoder(QByteArrayView(name, qsizetype(std::strlen(name))));
        // A name that is not valid UTF-8 cannot be handed back to the system
        // through a text path, so it takes no part in the scan.
        if (decoder.hasError() || HasBadNameChars(decoded) || decoded.contains(QChar(u'?')))
            continue;
        names << decoded;
    }
    ::closedir(dir);

    // Sub-folders read before a failure part-way stay in the result.
    std::sort(names.begin(), names.end(), listingOrder);
    for (const QString &name : std::as_const(names)) {
        pump(LineSubFolderPump);
        found << prefix + name + NativeSeparator;
    }
    if (error != 0) {
        if (unreadableError(error))
            return Read::Unreadable;
        readFailed(error, folder);
    }
    return Read::Done;
}

qsizetype Scan::level(FolderList &folders, bool recurse)
{
    FolderList newFolders;
    QHash<QString, int> unreadable;
    qsizetype unreadableCount = 0;

    // Walk a snapshot: the list changes only after the walk, so every entry
    // is visited exactly once.
    const FolderList current = folders;
    for (const QString &folder : current) {
        if (m_hooks.stopped())
            break;
        if (!IsFolderPresent(folder))
            continue;
        if (QFile::encodeName(folder).size() >= PATH_MAX)
            continue;
        pump(LineFolderPump);
        trap(LineReadSubFolders, [&] {
            if (readSubFolders(folder, newFolders) == Read::Unreadable) {
                ++unreadable[folder];
                ++unreadableCount;
            }
        });
    }

    // Each unreadable folder takes out the first entry equal to it.
    if (unreadableCount > 0) {
        FolderList kept;
        kept.reserve(folders.size() - unreadableCount);
        for (const QString &folder : std::as_const(folders)) {
            auto pending = unreadable.find(folder);
            if (pending != unreadable.end() && pending.value() > 0) {
                --pending.value();
                continue;
            }
            kept << folder;
        }
        folders = std::move(kept);
    }

    const qsizetype direct = newFolders.size();
    qsizetype directRemoved = 0;
    if (recurse && !newFolders.isEmpty() && !m_hooks.stopped())
        trap(LineRecurse, [&] { directRemoved = level(newFolders, true); });

    // The deeper levels were checked by the call that listed them; only this
    // level's own sub-folders are tested again before they join the list.
    const qsizetype directKept = direct - directRemoved;
    folders.reserve(folders.size() + newFolders.size());
    for (qsizetype i = 0; i < newFolders.size(); ++i) {
        const QString &folder = newFolders.at(i);
        if (i < directKept) {
            if (!IsFolderPresent(folder))
                continue;
            pump(LineListPump);
        }
        folders << folder;
    }
    return unreadableCount;
}

} // namespace

void GetSubDirectories2016(FolderList &folders, bool recurse, const ScanHooks &hooks)
{
    Scan(hooks).level(folders, recurse);
}
