#include "HeldFolder.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// Splits off the next component of `rest`; empty components ("a//b") and
// "." are passed over.
bool NextComponent(std::string_view &rest, std::string &component)
{
    while (!rest.empty()) {
        const std::size_t slash = rest.find('/');
        component.assign(rest.substr(0, slash));
        rest = slash == std::string_view::npos ? std::string_view{} : rest.substr(slash + 1);
        if (!component.empty() && component != ".")
            return true;
    }
    return false;
}

} // namespace

HeldFolder::HeldFolder(HeldFolder &&other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}

HeldFolder &HeldFolder::operator=(HeldFolder &&other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

HeldFolder::~HeldFolder()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

HeldFolder HeldFolder::open(const std::string &path)
{
    return HeldFolder(::open(path.empty() ? "." : path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

HeldFolder HeldFolder::adopt(int fd) { return HeldFolder(fd); }

int HeldFolder::openBeneath(std::string_view relative, int flags, mode_t mode) const
{
    if (m_fd < 0) {
        errno = EBADF;
        return -1;
    }
    if (relative.empty() || relative.front() == '/' || relative.find('\0') != std::string_view::npos) {
        errno = EXDEV;
        return -1;
    }
    // Walk one component at a time: each folder on the way is opened without
    // following a link, so neither a link nor ".." can lead out.
    std::string component;
    std::string_view rest = relative;
    if (!NextComponent(rest, component)) {
        errno = EINVAL;
        return -1;
    }
    int folder = m_fd;
    for (;;) {
        if (component == "..") {
            if (folder != m_fd)
                ::close(folder);
            errno = EXDEV;
            return -1;
        }
        std::string next;
        const bool last = !NextComponent(rest, next);
        const int fd = last ? ::openat(folder, component.c_str(), flags | O_CLOEXEC | O_NOFOLLOW, mode)
                            : ::openat(folder, component.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW);
        const int saved = errno;
        if (folder != m_fd)
            ::close(folder);
        if (fd < 0 || last) {
            errno = saved;
            return fd;
        }
        folder = fd;
        component = std::move(next);
    }
}

HeldFolder HeldFolder::folderBeneath(std::string_view relative) const
{
    return HeldFolder(openBeneath(relative, O_RDONLY | O_DIRECTORY));
}

int HeldFolder::openRegularFile(std::string_view relative) const
{
    const int fd = openBeneath(relative, O_RDONLY | O_NONBLOCK);
    if (fd >= 0 && !IsRegularFile(fd)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}

std::string HeldFolder::currentPath() const
{
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink(DescriptorPath(m_fd).c_str(), buffer, sizeof buffer);
    return length > 0 ? std::string(buffer, std::size_t(length)) : std::string{};
}

bool IsPlainName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos
        && name.find('\0') == std::string_view::npos;
}

std::string PlainNameOf(std::string_view name)
{
    std::string plain(name);
    for (char &c : plain) {
        if (c == '/' || c == '\0')
            c = '_';
    }
    if (plain.empty() || plain == "." || plain == "..")
        return "_";
    return plain;
}

std::string DescriptorPath(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

bool IsRegularFile(int fd)
{
    struct stat st {};
    return fd >= 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
}

std::optional<std::vector<FolderEntry>> EntriesOf(int folderFd)
{
    // A listing of its own, so the caller's descriptor keeps its place.
    const int fd = ::openat(folderFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *listing = fd >= 0 ? ::fdopendir(fd) : nullptr;
    if (!listing) {
        if (fd >= 0)
            ::close(fd);
        return std::nullopt;
    }
    std::vector<FolderEntry> entries;
    while (const dirent *entry = ::readdir(listing)) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            entries.push_back({entry->d_name, entry->d_type});
    }
    ::closedir(listing);
    return entries;
}
