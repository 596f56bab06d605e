#include "ArchiveFile.h"
#include "FileWriter.h"
#include "HeldFolder.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace unzip32 {

namespace {

// Threads read different entries at once, and an entry's data may run from
// one part into the next: a few open parts keep them from opening and
// closing in turn, while a set of hundreds of parts never holds hundreds.
constexpr size_t kOpenParts = 4;

// Archives up to this size are read whole when opened. Most archives are
// small, and for them reading the directory, every local header and every
// entry apart costs more than reading the file once; the memory it takes is
// bounded by the archives being extracted at once.
constexpr uint64_t kWholeArchiveLimit = 4u << 20;

ssize_t preadFully(int fd, uint8_t *buffer, size_t length, uint64_t offset)
{
    ssize_t n;
    do
        n = ::pread(fd, buffer, length, off_t(offset));
    while (n < 0 && errno == EINTR);
    return n;
}

} // namespace

int OpenArchiveFile(const std::string &path)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd >= 0 && !IsRegularFile(fd)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}

struct ArchiveFile::OpenPart {
    int fd = -1;
    ~OpenPart()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

ArchiveFile::~ArchiveFile()
{
    if (m_fd >= 0 && m_ownsFd)
        ::close(m_fd);
}

std::shared_ptr<const ArchiveFile> ArchiveFile::borrow(int fd)
{
    auto file = std::make_shared<ArchiveFile>();
    struct stat info {};
    file->setPlain(std::string(), fd, ::fstat(fd, &info) == 0 ? uint64_t(info.st_size) : 0, false);
    return file;
}

void ArchiveFile::setPlain(std::string path, int fd, uint64_t size, bool owned)
{
    m_path = std::move(path);
    m_fd = fd;
    m_ownsFd = owned;
    m_parts = {{m_path, size, 0}};
    m_partsEnd = m_size = size;
    m_whole.reset();
    if (size > 0 && size <= kWholeArchiveLimit)
        loadWhole();
}

void ArchiveFile::loadWhole()
{
    m_whole.reset(new (std::nothrow) uint8_t[size_t(m_size)]);
    if (!m_whole)
        return; // read as it comes instead
    size_t done = 0;
    while (done < m_size) {
        ssize_t n = preadFully(m_fd, m_whole.get() + done, size_t(m_size) - done, done);
        if (n <= 0)
            break;
        done += size_t(n);
    }
    // A file that changed size meanwhile is read as it comes, as before.
    if (done != m_size)
        m_whole.reset();
}

void ArchiveFile::setParts(std::string path, std::vector<ArchivePart> parts)
{
    if (m_fd >= 0 && m_ownsFd)
        ::close(m_fd);
    m_fd = -1;
    m_whole.reset();
    m_path = std::move(path);
    m_parts = std::move(parts);
    uint64_t at = 0;
    for (ArchivePart &part : m_parts) {
        part.start = at;
        at += part.size;
    }
    m_partsEnd = m_size = at;
    m_tail.clear();
}

void ArchiveFile::replaceEnd(uint64_t end, std::string tail)
{
    m_partsEnd = std::min(end, m_partsEnd);
    m_tail = std::move(tail);
    m_size = m_partsEnd + m_tail.size();
}

ssize_t ArchiveFile::read(void *buffer, size_t length, uint64_t offset, std::string *why) const
{
    if (m_whole) {
        if (offset >= m_size)
            return 0;
        length = size_t(std::min<uint64_t>(length, m_size - offset));
        std::memcpy(buffer, m_whole.get() + offset, length);
        return ssize_t(length);
    }
    if (m_fd >= 0)
        return preadFully(m_fd, static_cast<uint8_t *>(buffer), length, offset);
    auto *out = static_cast<uint8_t *>(buffer);
    size_t done = 0;
    while (done < length && offset < m_size) {
        ssize_t n;
        if (offset >= m_partsEnd) {
            n = ssize_t(std::min<uint64_t>(length - done, m_size - offset));
            std::memcpy(out + done, m_tail.data() + (offset - m_partsEnd), size_t(n));
        } else if ((n = readParts(out + done, length - done, offset, why)) <= 0) {
            if (done > 0)
                break;
            return n;
        }
        done += size_t(n);
        offset += uint64_t(n);
    }
    return ssize_t(done);
}

ssize_t ArchiveFile::readParts(uint8_t *buffer, size_t length, uint64_t offset, std::string *why) const
{
    auto after = std::upper_bound(m_parts.begin(), m_parts.end(), offset,
                                  [](uint64_t at, const ArchivePart &part) { return at < part.start; });
    size_t index = size_t(after - m_parts.begin()) - 1;
    const ArchivePart &part = m_parts[index];
    uint64_t end = std::min(part.start + part.size, m_partsEnd);
    length = size_t(std::min<uint64_t>(length, end - offset));
    std::shared_ptr<OpenPart> open = openPart(index, why);
    if (!open)
        return -1;
    ssize_t n = preadFully(open->fd, buffer, length, offset - part.start);
    if (n == 0) {
        errno = EIO;
        if (why)
            *why = PartFault(index + 1, part.path, "has shrunk since the set was put together");
        return -1;
    }
    return n;
}

std::shared_ptr<ArchiveFile::OpenPart> ArchiveFile::openPart(size_t index, std::string *why) const
{
    std::lock_guard lock(m_mutex);
    for (auto it = m_open.begin(); it != m_open.end(); ++it) {
        if (it->first == index) {
            std::rotate(it, it + 1, m_open.end());
            return m_open.back().second;
        }
    }
    // A part may have been replaced since the set was put together, even by
    // a FIFO, which must not hang the call.
    const std::string &path = m_parts[index].path;
    auto part = std::make_shared<OpenPart>();
    part->fd = OpenArchiveFile(path);
    struct stat info {};
    if (part->fd < 0) {
        if (why)
            *why = PartFault(index + 1, path,
                             errno == EINVAL ? "is not a regular file" : "cannot be opened: " + ErrnoText(errno));
        return nullptr;
    }
    if (::fstat(part->fd, &info) != 0 || uint64_t(info.st_size) != m_parts[index].size) {
        errno = EIO;
        if (why)
            *why = PartFault(index + 1, path, "has changed since the set was put together");
        return nullptr;
    }
    if (m_open.size() >= kOpenParts)
        m_open.erase(m_open.begin()); // closed once the last reader lets go of it
    m_open.emplace_back(index, part);
    return part;
}

bool ReadExactly(const ArchiveFile &file, uint64_t offset, void *buffer, size_t length)
{
    auto *out = static_cast<uint8_t *>(buffer);
    while (length > 0) {
        ssize_t n = file.read(out, length, offset);
        if (n <= 0)
            return false;
        out += n;
        offset += uint64_t(n);
        length -= size_t(n);
    }
    return true;
}

} // namespace unzip32
