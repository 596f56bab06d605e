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

size_t FolderCache::held() const
{
    return size_t(std::count_if(m_fds.begin(), m_fds.end(), [](int fd) { return fd >= 0; }));
}

void FolderCache::closeFrom(size_t depth)
{
    for (size_t i = depth; i < m_fds.size(); ++i) {
        if (m_fds[i] >= 0)
            ::close(m_fds[i]);
    }
    m_fds.resize(std::min(depth, m_fds.size()));
    m_names.resize(m_fds.size());
    m_made.resize(m_fds.size());
}

void FolderCache::dropMiddle()
{
    for (size_t i = 0; i < m_fds.size(); ++i) {
        if (m_fds[i] >= 0 && !keeps(i + 1, m_fds.size())) {
            ::close(m_fds[i]);
            m_fds[i] = -1;
        }
    }
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
        for (int &fd : m_fds) {
            if (fd >= 0 && fd != parent) {
                ::close(fd);
                fd = -1;
            }
        }
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
    size_t common = 0;
    while (common < m_names.size() && common < count && m_names[common] == components[common])
        ++common;
    closeFrom(common);
    // Resume from the deepest folder of the shared part still open.
    size_t depth = common;
    while (depth > 0 && m_fds[depth - 1] < 0)
        --depth;
    closeFrom(depth);
    int fd = depth ? m_fds[depth - 1] : m_root;
    int result = fd;
    for (size_t i = depth; i < count; ++i) {
        bool made = false;
        int next = step(fd, components[i], create, i > 0 && m_made[i - 1], made, reason);
        if (next < 0) {
            result = -1;
            break;
        }
        m_names.push_back(components[i]);
        m_fds.push_back(next);
        m_made.push_back(made);
        // The middle of a deep path is not kept: close the parent as soon as
        // its child is open.
        if (i > 0 && !keeps(i, count) && m_fds[i - 1] >= 0) {
            ::close(m_fds[i - 1]);
            m_fds[i - 1] = -1;
        }
        fd = result = next;
    }
    dropMiddle();
    return result;
}

} // namespace unzip32
