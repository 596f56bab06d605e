// Folders are made on the calling thread as they come; links once every file
// is in place; the folders' times last of all.
#include "Call.h"

#include <sys/stat.h>

namespace unzip32 {

void Call::makeFolder(const ArchiveEntry &entry, const std::vector<std::string> &components)
{
    if (components.empty())
        return;
    std::string reason;
    int fd = m_local->folders().open(components, components.size(), true, reason);
    if (fd < 0) {
        fail(entry, reason);
        return;
    }
    // As for files: through the umask, and always the owner's to enter and
    // change. The sticky bit is kept (it guards a shared folder's files);
    // set-user-id and set-group-id never are.
    if (entry.central.unixHost() && (entry.central.unixMode() & 0777))
        fchmod(fd, (entry.central.unixMode() & 01777 & ~m_shared.settings.umask.value_or(0)) | 0700);
    m_folderTimes.push_back(&entry);
    print("extracted: " + entry.name);
}

void Call::restoreFolderTimes()
{
    // Last, because writing a file into a folder changes the folder's time.
    // Deepest first is not needed: a folder's time does not change with the
    // times of the folders in it.
    for (const ArchiveEntry *entry : m_folderTimes) {
        auto components = SafeComponents(entry->normalised(), true, m_options.SpaceToUnderscore);
        struct timespec mtime = entry->modified();
        std::string reason;
        int fd = m_local->folders().open(components, components.size(), false, reason);
        if (fd < 0)
            continue;
        struct timespec times[2] = {mtime, mtime};
        futimens(fd, times);
    }
}

void Call::makeSymlink(const EntryJob &job)
{
    const ArchiveEntry &entry = *job.entry;
    std::string target, reason;
    if (!m_local->readSymlinkTarget(job, target, reason)) {
        fail(entry, reason);
        return;
    }
    if (target.find('\0') != std::string::npos || !SymlinkTargetStaysInside(job.components, target)) {
        fail(entry, "refused: the link's target \"" + target + "\" leads outside the destination");
        return;
    }
    std::vector<std::string> components = job.components;
    Existing existing = decideExisting(entry, components);
    if (existing == Existing::Skip)
        return;
    EntryFile link(m_local->folders(), m_shared.settings, m_threads);
    if (!link.createSymlink(components, target, existing == Existing::Replace, reason)) {
        fail(entry, "the link cannot be made: " + reason);
        return;
    }
    written(entry, existing == Existing::Renamed, JoinComponents(components));
}

} // namespace unzip32
