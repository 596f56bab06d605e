#include "FolderCache.h"

#include "FileWriter.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace unzip32 {

namespace {

int openFolder(int parent, const std::string &name)
{
    return openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

} // namespace

FolderCache::Slot *FolderCache::find(std::string_view path)
{
    for (Slot &slot : m_slots) {
        if (slot.path == path) {
            slot.used = ++m_clock;
            return &slot;
        }
    }
    return nullptr;
}

FolderCache::Slot &FolderCache::hold(std::string path, int fd, bool made)
{
    if (m_slots.size() >= kHeld) {
        auto oldest = std::min_element(m_slots.begin(), m_slots.end(),
                                       [](const Slot &a, const Slot &b) { return a.used < b.used; });
        ::close(oldest->fd);
        m_slots.erase(oldest);
    }
    return m_slots.emplace_back(Slot{std::move(path), fd, made, ++m_clock});
}

void FolderCache::closeAll(int keep)
{
    std::erase_if(m_slots, [keep](const Slot &slot) {
        if (slot.fd == keep)
            return false;
        ::close(slot.fd);
        return true;
    });
}

int FolderCache::step(int parent, const std::string &name, bool create, bool parentMade, bool &made,
                      std::string &reason)
{
    made = false;
    // In a folder this walk made, nothing is there but what the call itself
    // makes: making the child first spares an open that would only fail.
    if (create && parentMade && mkdirat(parent, name.c_str(), 0777) == 0)
        made = true;
    int next = openFolder(parent, name);
    if (next < 0 && (errno == EMFILE || errno == ENFILE)) {
        // Other jobs of the process hold many descriptors: give back all but
        // the one this walk stands in, and try once more.
        closeAll(parent);
        next = openFolder(parent, name);
    }
    if (next < 0 && errno == ENOENT && create) {
        made = mkdirat(parent, name.c_str(), 0777) == 0;
        if (!made && errno != EEXIST) {
            reason = "cannot make folder \"" + name + "\": " + ErrnoText(errno);
            return -1;
        }
        next = openFolder(parent, name);
    }
    if (next >= 0)
        return next;
    int error = errno;
    struct stat info {};
    if ((error == ELOOP || error == ENOTDIR) && fstatat(parent, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0
        && S_ISLNK(info.st_mode))
        reason = "the folder \"" + name + "\" of its path is a symbolic link; nothing is written through links";
    else
        reason = "cannot open folder \"" + name + "\": " + ErrnoText(error);
    return -1;
}

int FolderCache::open(const std::vector<std::string> &components, size_t count, bool create, std::string &reason)
{
    if (count == 0)
        return m_root;
    // The path of each depth ends at ends[depth - 1].
    std::string path;
    std::vector<size_t> ends(count);
    for (size_t i = 0; i < count; ++i) {
        path.append(i ? "/" : "").append(components[i]);
        ends[i] = path.size();
    }
    // The deepest folder of the path already held.
    size_t depth = count;
    Slot *from = nullptr;
    while (depth > 0 && !(from = find(std::string_view(path).substr(0, ends[depth - 1]))))
        --depth;
    int fd = from ? from->fd : m_root;
    bool made = from ? from->made : m_rootMade;
    for (size_t i = depth; i < count; ++i) {
        bool childMade = false;
        const int next = step(fd, components[i], create, made, childMade, reason);
        if (next < 0)
            return -1;
        // The parent may be given back now: the child is open.
        fd = hold(path.substr(0, ends[i]), next, childMade).fd;
        made = childMade;
    }
    return fd;
}

} // namespace unzip32
