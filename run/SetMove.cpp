#include "SetMove.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool SameFile(const struct stat &a, const struct stat &b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// True when `name` beneath `dirfd` is still the file described by `info`.
bool IsStill(int dirfd, const std::string &name, const struct stat &info)
{
    struct stat now {};
    return ::fstatat(dirfd, name.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0 && SameFile(now, info);
}

// Renames without replacing; where the file system cannot say "no
// replacing", a hard link and an unlink do the same.
int RenameNoReplace(int fromDir, const std::string &from, int toDir, const std::string &to)
{
    if (::renameat2(fromDir, from.c_str(), toDir, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL)
        return errno;
    if (::linkat(fromDir, from.c_str(), toDir, to.c_str(), 0) != 0)
        return errno;
    ::unlinkat(fromDir, from.c_str(), 0);
    return 0;
}

int CopyBytes(int from, int to)
{
    std::vector<char> buffer(1 << 20);
    for (off_t at = 0;;) {
        const ssize_t got = ::pread(from, buffer.data(), buffer.size(), at);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return got < 0 ? errno : 0;
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(to, buffer.data() + done, size_t(got - done));
            if (put < 0 && errno != EINTR)
                return errno;
            done += put > 0 ? put : 0;
        }
        at += got;
    }
}

} // namespace

QString FileErrorWords(int error)
{
    switch (error) {
    case ENOSPC: return QCoreApplication::translate("SetMove", "the disk is full");
    case EDQUOT: return QCoreApplication::translate("SetMove", "the disk quota is exhausted");
    case EACCES:
    case EPERM: return QCoreApplication::translate("SetMove", "no permission");
    case EROFS: return QCoreApplication::translate("SetMove", "the folder is read-only");
    case ENOENT: return QCoreApplication::translate("SetMove", "it is gone");
    case EINVAL: return QCoreApplication::translate("SetMove", "it is not a file");
    case ELOOP: return QCoreApplication::translate("SetMove", "it is a symbolic link");
    case ENAMETOOLONG: return QCoreApplication::translate("SetMove", "the name is too long");
    case EEXIST: return QCoreApplication::translate("SetMove", "every free name is taken");
    case ESTALE: return QCoreApplication::translate("SetMove", "it was replaced while it was moved");
    case EIO: return QCoreApplication::translate("SetMove", "the disk could not be read or written");
    default: return QString::fromLocal8Bit(std::strerror(error));
    }
}

HeldFolder FolderOf(const QString &path, std::string &name)
{
    const std::string bytes = QFile::encodeName(path).toStdString();
    const size_t slash = bytes.rfind('/');
    name = slash == std::string::npos ? bytes : bytes.substr(slash + 1);
    if (slash == std::string::npos)
        return HeldFolder::open(".");
    return HeldFolder::open(slash == 0 ? "/" : bytes.substr(0, slash));
}

SetMove::~SetMove()
{
    for (Part &part : m_parts) {
        if (part.fd >= 0)
            ::close(part.fd);
        if (part.copy >= 0)
            ::close(part.copy);
        if (!part.copyName.empty() && m_target)
            ::unlinkat(m_target->fd(), part.copyName.c_str(), 0);
    }
}

int SetMove::open(const QStringList &paths, QString &failed)
{
    for (const QString &path : paths) {
        Part &part = m_parts.emplace_back();
        part.folder = FolderOf(path, part.name);
        part.fd = part.folder.held() ? part.folder.openRegularFile(part.name) : -1;
        if (part.fd < 0 || ::fstat(part.fd, &part.info) != 0) {
            failed = path;
            return errno;
        }
    }
    return 0;
}

int SetMove::prepare(const HeldFolder &target)
{
    m_target = &target;
    struct stat folder {};
    if (::fstat(target.fd(), &folder) != 0)
        return errno;
    m_copying = !m_parts.empty() && m_parts.front().info.st_dev != folder.st_dev;
    for (Part &part : m_parts) {
        if (m_copying && part.copy < 0) {
            if (const int error = copyPart(part))
                return error;
        }
    }
    return 0;
}

// An unnamed file where the file system has them (a kill leaves nothing),
// else a hidden temporary name; the copy keeps the original's mode and time.
int SetMove::copyPart(Part &part)
{
    const int folder = m_target->fd();
    part.copy = ::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    for (int n = 0; part.copy < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EEXIST) && n < 100; ++n) {
        part.copyName = ".marrowlyn-move-" + std::to_string(::getpid()) + "-" + std::to_string(n);
        part.copy = ::openat(folder, part.copyName.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
    }
    if (part.copy < 0) {
        part.copyName.clear();
        return errno;
    }
    const struct timespec times[2] = {part.info.st_atim, part.info.st_mtim};
    int error = CopyBytes(part.fd, part.copy);
    if (!error
        && (::fchmod(part.copy, part.info.st_mode & 0777) != 0 || ::futimens(part.copy, times) != 0
            || ::fsync(part.copy) != 0 || ::fstat(part.copy, &part.copyInfo) != 0))
        error = errno;
    return error;
}

int SetMove::movePart(Part &part, const std::string &name)
{
    const int folder = m_target->fd();
    if (!m_copying) {
        if (const int error = RenameNoReplace(part.folder.fd(), part.name, folder, name))
            return error;
        if (IsStill(folder, name, part.info))
            return 0;
        RenameNoReplace(folder, name, part.folder.fd(), part.name);
        return ESTALE;
    }
    const int linked = part.copyName.empty()
        ? ::linkat(AT_FDCWD, DescriptorPath(part.copy).c_str(), folder, name.c_str(), AT_SYMLINK_FOLLOW)
        : ::linkat(folder, part.copyName.c_str(), folder, name.c_str(), 0);
    return linked == 0 ? 0 : errno;
}

// Undoes the first `count` placements: renamed files go back, named copies
// lose their names again.
void SetMove::takeBack(size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        Part &part = m_parts[i];
        if (!m_copying)
            RenameNoReplace(m_target->fd(), m_names[i], part.folder.fd(), part.name);
        else if (IsStill(m_target->fd(), m_names[i], part.copyInfo))
            ::unlinkat(m_target->fd(), m_names[i].c_str(), 0);
    }
}

int SetMove::place(const std::vector<std::string> &names)
{
    m_names = names;
    for (size_t i = 0; i < m_parts.size(); ++i) {
        if (const int error = movePart(m_parts[i], names[i])) {
            takeBack(i);
            return error;
        }
    }
    m_placed = true;
    if (m_copying && ::fsync(m_target->fd()) != 0) {
        const int error = errno;
        takeBack(m_parts.size());
        m_placed = false;
        return error;
    }
    return 0;
}

int SetMove::finish()
{
    if (!m_copying)
        return 0;
    for (size_t i = 0; i < m_parts.size(); ++i) {
        Part &part = m_parts[i];
        const int error = IsStill(part.folder.fd(), part.name, part.info)
            ? (::unlinkat(part.folder.fd(), part.name.c_str(), 0) == 0 ? 0 : errno)
            : ESTALE;
        if (error) {
            // With every original still there, the copies go; once one is
            // gone, the copies are what holds the set whole.
            if (i == 0) {
                takeBack(m_parts.size());
                m_placed = false;
            }
            return error;
        }
    }
    return 0;
}
