// What happens to a file already at an entry's place: written over, kept, or
// kept both, the entry then taking a numbered name beside it.
#include "Call.h"

#include <climits>
#include <fcntl.h>
#include <sys/stat.h>

namespace unzip32 {

bool Call::conflicts(const std::string &target) const
{
    // The files in flight are a handful; the target's path may be thousands of
    // folders deep: compare with each in flight rather than look up every
    // prefix of the path.
    auto isBelow = [](const std::string &path, const std::string &folder) {
        return path.size() > folder.size() && path[folder.size()] == '/' && path.compare(0, folder.size(), folder) == 0;
    };
    for (const std::string &busy : m_targets) {
        if (busy == target || isBelow(target, busy) || isBelow(busy, target))
            return true;
    }
    return false;
}

Call::Existing Call::decideExisting(const ArchiveEntry &entry, std::vector<std::string> &components)
{
    std::string path = JoinComponents(components);
    struct stat info {};
    if (fstatat(m_shared.rootFd, path.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return Existing::Write;
    if (S_ISDIR(info.st_mode)) {
        fail(entry, "a folder of that name exists");
        return Existing::Skip;
    }
    if (m_options.ExtractOnlyNewer) {
        auto onDisk = std::make_pair(int64_t(info.st_mtim.tv_sec), info.st_mtim.tv_nsec);
        if (std::make_pair(entry.mtime, long(entry.mtimeNanos)) <= onDisk) {
            skip(entry, "the file on disk is as new or newer");
            return Existing::Skip;
        }
        return Existing::Replace;
    }
    if (m_options.OverwriteExisting)
        return Existing::Replace;
    if (!m_options.PromptToOverwrite) {
        skip(entry, "a file of that name exists");
        return Existing::Skip;
    }
    if (!m_replaceAll && m_callbacks.replace) {
        std::string full = m_destination + "/" + path;
        std::vector<char> buffer(full.begin(), full.end());
        buffer.push_back('\0');
        switch (m_callbacks.replace(buffer.data())) {
        case UZ_REPLACE_ALL: m_replaceAll = true; break;
        case UZ_REPLACE_NONE: m_replaceAll = false; break;
        case UZ_REPLACE_NO: skip(entry, "the existing file was kept"); return Existing::Skip;
        case UZ_REPLACE_RENAME: return nameBeside(entry, components);
        default: return Existing::Replace;
        }
    }
    if (m_replaceAll.value_or(true))
        return Existing::Replace;
    skip(entry, "the existing file was kept");
    return Existing::Skip;
}

Call::Existing Call::nameBeside(const ArchiveEntry &entry, std::vector<std::string> &components)
{
    // A name being written by a worker is as taken as one on disk. Should
    // another file take the chosen name before the entry is in place, the
    // entry fails rather than replace it (its job does not replace).
    // Many entries of one name look at each number once: the search goes on
    // from where the last one for this path stopped.
    const std::string name = components.back();
    int &next = m_nextNumber.try_emplace(JoinComponents(components), 2).first->second;
    for (; next < INT_MAX; ++next) {
        components.back() = NumberedName(name, next);
        const std::string path = JoinComponents(components);
        struct stat info {};
        if (!conflicts(path) && fstatat(m_shared.rootFd, path.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            ++next;
            return Existing::Renamed;
        }
    }
    fail(entry, "no free name is left beside the existing file");
    return Existing::Skip;
}

} // namespace unzip32
