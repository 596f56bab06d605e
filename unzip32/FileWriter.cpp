#include "FileWriter.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace unzip32 {

std::string ErrnoText(int error)
{
    switch (error) {
    case ENOSPC: return "the disk is full";
    case EDQUOT: return "the disk quota is exhausted";
    case EACCES:
    case EPERM: return "permission denied";
    case EROFS: return "the destination is read-only";
    case ENAMETOOLONG: return "the name is too long";
    case ELOOP: return "a folder of its path is a symbolic link";
    case ENOTDIR: return "a file stands where a folder is needed";
    case EISDIR:
    case ENOTEMPTY: return "a folder of that name exists";
    case EEXIST: return "a file of that name exists";
    default: return std::strerror(error);
    }
}

std::string EntryFile::nextTemporaryName()
{
    std::string name = TemporaryName(m_settings.token, m_worker, m_counter++);
    // Recorded before it exists, so that a kill never leaves an unrecorded one.
    m_settings.temporaries.add(m_where, name);
    return name;
}

bool EntryFile::makeUnnamed(uint32_t mode)
{
    // Without /proc (and without the privilege to link by descriptor) an
    // unnamed file could not be named; the named form is the only safe one then.
    if (!m_settings.unnamedFiles)
        return false;
    m_fd = openat(m_folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    m_unnamed = m_fd >= 0;
    return m_unnamed;
}

bool EntryFile::makeTemporary(bool symlink, const std::string &target, uint32_t mode, std::string &reason)
{
    if (!symlink && makeUnnamed(mode))
        return true;
    for (int attempt = 0; attempt < 100; ++attempt) {
        m_temporary = nextTemporaryName();
        const char *name = m_temporary.c_str();
        if (symlink) {
            if (symlinkat(target.c_str(), m_folder, name) == 0)
                return true;
        } else {
            m_fd = openat(m_folder, name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
            if (m_fd >= 0)
                return true;
        }
        if (errno != EEXIST) {
            reason = ErrnoText(errno);
            m_temporary.clear();
            return false;
        }
    }
    m_temporary.clear();
    reason = "cannot find a free temporary name";
    return false;
}

bool EntryFile::openFolder(const std::vector<std::string> &components, std::string &reason)
{
    m_folder = m_folders.open(components, components.size() - 1, true, reason);
    if (m_folder < 0)
        return false;
    m_name = components.back();
    m_where.clear();
    for (size_t i = 0; i + 1 < components.size(); ++i)
        m_where.append(i ? "/" : "").append(components[i]);
    return true;
}

bool EntryFile::create(const std::vector<std::string> &components, uint32_t mode, std::string &reason)
{
    if (!openFolder(components, reason))
        return false;
    m_mode = mode;
    m_writeError.clear();
    if (m_settings.staged) {
        // Nothing in the hidden folder is seen before the call ends. Where the
        // name is taken (only an earlier entry of the same name can be there)
        // or refused, the usual way decides, and says why as it always does.
        m_fd = openat(m_folder, m_name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        m_direct = m_fd >= 0;
        if (m_direct)
            return true;
    }
    return makeTemporary(false, {}, mode, reason);
}

bool EntryFile::write(const uint8_t *data, size_t length)
{
    while (length > 0) {
        ssize_t n = ::write(m_fd, data, length);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            m_writeError = ErrnoText(errno);
            return false;
        }
        data += n;
        length -= size_t(n);
    }
    return true;
}

bool EntryFile::renameIntoPlace(bool replace, std::string &reason)
{
    int rc = renameat2(m_folder, m_temporary.c_str(), m_folder, m_name.c_str(), replace ? 0 : RENAME_NOREPLACE);
    if (rc != 0 && errno == EINVAL && !replace) {
        // File systems without RENAME_NOREPLACE: link refuses an existing name too.
        rc = linkat(m_folder, m_temporary.c_str(), m_folder, m_name.c_str(), 0);
        if (rc == 0)
            unlinkat(m_folder, m_temporary.c_str(), 0);
    }
    if (rc != 0) {
        m_lastError = errno;
        reason = ErrnoText(errno);
        return false;
    }
    m_temporary.clear();
    return true;
}

bool EntryFile::linkUnnamed(const char *name)
{
    if (m_settings.linkByDescriptor.load(std::memory_order_relaxed)) {
        if (linkat(m_fd, "", m_folder, name, AT_EMPTY_PATH) == 0)
            return true;
        if (errno != ENOENT && errno != EPERM)
            return false;
        // Without the privilege the kernel answers ENOENT; /proc serves the
        // rest of the call.
        m_settings.linkByDescriptor.store(false, std::memory_order_relaxed);
    }
    char self[32];
    std::snprintf(self, sizeof self, "/proc/self/fd/%d", m_fd);
    return linkat(AT_FDCWD, self, m_folder, name, AT_SYMLINK_FOLLOW) == 0;
}

bool EntryFile::nameUnnamed(bool replace, std::string &reason)
{
    // A link never replaces a name: a file that appeared meanwhile is kept,
    // and when replacing, a target that is not there takes the one step.
    if (linkUnnamed(m_name.c_str())) {
        m_unnamed = false;
        return true;
    }
    if (!replace || errno != EEXIST) {
        m_lastError = errno;
        reason = ErrnoText(errno);
        return false;
    }
    // Replacing: a name of our own first, then one atomic rename over the old
    // file (a link cannot replace a name).
    for (int attempt = 0; attempt < 100; ++attempt) {
        m_temporary = nextTemporaryName();
        if (linkUnnamed(m_temporary.c_str())) {
            m_unnamed = false;
            return renameIntoPlace(true, reason);
        }
        if (errno != EEXIST)
            break;
    }
    m_lastError = errno;
    reason = ErrnoText(errno);
    m_temporary.clear();
    return false;
}

bool EntryFile::commit(struct timespec mtime, bool replace, std::string &reason)
{
    // The archive's bits pass through the user's umask, as for any file a
    // program makes (open() applied it), and the owner keeps reading and
    // writing what we wrote: a chmod only when the umask took those.
    if (m_settings.umask && (m_mode & *m_settings.umask & 0600) != 0)
        fchmod(m_fd, (m_mode & ~*m_settings.umask) | 0600);
    struct timespec times[2] = {mtime, mtime};
    futimens(m_fd, times);
    if (m_direct) {
        int fd = m_fd;
        m_fd = -1;
        if (::close(fd) == 0) {
            m_direct = false;
            return true;
        }
        reason = ErrnoText(errno);
        abandon();
        return false;
    }
    if (m_unnamed) {
        bool ok = nameUnnamed(replace, reason);
        ::close(m_fd);
        m_fd = -1;
        return ok;
    }
    int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0) {
        reason = ErrnoText(errno);
        return false;
    }
    return renameIntoPlace(replace, reason);
}

bool EntryFile::createSymlink(const std::vector<std::string> &components, const std::string &target, bool replace,
                              std::string &reason)
{
    if (!openFolder(components, reason))
        return false;
    // symlinkat refuses an existing name as atomically as a rename would.
    if (symlinkat(target.c_str(), m_folder, m_name.c_str()) == 0)
        return true;
    if (!replace || errno != EEXIST) {
        m_lastError = errno;
        reason = ErrnoText(errno);
        return false;
    }
    return makeTemporary(true, target, 0, reason) && renameIntoPlace(true, reason);
}

bool EntryFile::createHardLink(const std::vector<std::string> &components, int fromFolder, const std::string &fromName,
                               bool replace, std::string &reason)
{
    if (!openFolder(components, reason))
        return false;
    if (linkat(fromFolder, fromName.c_str(), m_folder, m_name.c_str(), 0) == 0)
        return true;
    if (replace && errno == EEXIST) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            m_temporary = nextTemporaryName();
            if (linkat(fromFolder, fromName.c_str(), m_folder, m_temporary.c_str(), 0) == 0) {
                const std::string temporary = m_temporary;
                if (!renameIntoPlace(true, reason))
                    return false;
                // A rename between two links of one file does nothing and says
                // it worked (the name was linked to that file already): the
                // name is in place, and ours must go.
                struct stat left {
                }, placed{};
                if (fstatat(m_folder, temporary.c_str(), &left, AT_SYMLINK_NOFOLLOW) == 0
                    && fstatat(m_folder, m_name.c_str(), &placed, AT_SYMLINK_NOFOLLOW) == 0
                    && left.st_dev == placed.st_dev && left.st_ino == placed.st_ino)
                    unlinkat(m_folder, temporary.c_str(), 0);
                return true;
            }
            if (errno != EEXIST)
                break;
        }
        m_temporary.clear();
    }
    m_lastError = errno;
    reason = ErrnoText(errno);
    return false;
}

bool EntryFile::leaveHole(uint64_t length)
{
    off_t at = length > uint64_t(INT64_MAX) ? -1 : lseek(m_fd, off_t(length), SEEK_CUR);
    if (at < 0 || ftruncate(m_fd, at) != 0) {
        m_writeError = ErrnoText(at < 0 ? EFBIG : errno);
        return false;
    }
    return true;
}

void EntryFile::abandon()
{
    // An unnamed file vanishes with its descriptor.
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    m_unnamed = false;
    if (m_direct) {
        unlinkat(m_folder, m_name.c_str(), 0);
        m_direct = false;
    }
    if (!m_temporary.empty()) {
        unlinkat(m_folder, m_temporary.c_str(), 0);
        m_temporary.clear();
    }
}

} // namespace unzip32
