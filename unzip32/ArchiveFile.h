// The bytes of an archive as the engine reads them. Most archives are one
// file. An archive in parts is read as one run of bytes, its parts end to end:
// - a split set (NAME.zip.001, NAME.zip.002, ...) is one archive cut into
//   pieces, so its parts end to end are that archive;
// - a spanned set (NAME.z01, NAME.z02, ..., NAME.zip) counts each offset from
//   the start of the part it lies in, so its central directory is written
//   anew with offsets into the whole (see SpannedDirectory.h) and stands in
//   for the original one, which is cut off.
// Everything after (our directory reader, the overlap check, libzip) sees one
// ordinary archive, and every rule that holds for one holds across parts.
// Only a few parts are open at any time, however many the set has.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

namespace unzip32 {

struct ArchivePart {
    std::string path;
    uint64_t size = 0;
    uint64_t start = 0; // where it begins in the whole
};

class ArchiveFile {
public:
    // Opens the archive at `path` with the rest of its set: `path` is a split
    // set's first part, or a spanned set's last part, or a plain archive.
    // Null with a reason when it cannot be opened or a part is missing or cut
    // short ("part 3 ("NAME.z03") is missing").
    static std::shared_ptr<const ArchiveFile> open(const std::string &path, std::string &reason);
    // A plain archive on a descriptor that stays the caller's.
    static std::shared_ptr<const ArchiveFile> borrow(int fd);

    ArchiveFile(const ArchiveFile &) = delete;
    ArchiveFile &operator=(const ArchiveFile &) = delete;
    ~ArchiveFile();

    // pread over the whole: short only at its end, -1 with errno set, and
    // `why` naming the part when one of the parts is at fault.
    ssize_t read(void *buffer, size_t length, uint64_t offset, std::string *why = nullptr) const;
    uint64_t size() const { return m_size; }
    // Read whole when opened (a small plain archive).
    bool inMemory() const { return m_whole != nullptr; }
    // The `length` bytes at `offset` where they are in memory already; null
    // when they are not (a larger archive, a set of parts) or out of range.
    const uint8_t *view(uint64_t offset, uint64_t length) const
    {
        return m_whole && offset <= m_size && length <= m_size - offset ? m_whole.get() + offset : nullptr;
    }
    // The path it was opened by (a split set's first part, a spanned set's last).
    const std::string &path() const { return m_path; }
    // One file read as it is, which libzip may open through its descriptor.
    bool plain() const { return m_fd >= 0; }
    int descriptor() const { return m_fd; }
    size_t partCount() const { return m_parts.size(); }
    // Where the parts' own bytes stop and a written directory begins.
    uint64_t partsEnd() const { return m_partsEnd; }

    // Used while a set is put together (ArchiveParts.cpp).
    ArchiveFile() = default;
    void setPlain(std::string path, int fd, uint64_t size, bool owned);
    void setParts(std::string path, std::vector<ArchivePart> parts);
    const std::vector<ArchivePart> &parts() const { return m_parts; }
    // Cuts the parts' bytes at `end` and puts `tail` after them.
    void replaceEnd(uint64_t end, std::string tail);

private:
    struct OpenPart;
    std::shared_ptr<OpenPart> openPart(size_t index, std::string *why) const;
    ssize_t readParts(uint8_t *buffer, size_t length, uint64_t offset, std::string *why) const;

    void loadWhole();

    std::string m_path;
    int m_fd = -1; // a plain archive's, open for the archive's life
    // A small plain archive, read in one go when opened: its directory, local
    // headers and entries are then taken from memory, not read one by one.
    std::unique_ptr<uint8_t[]> m_whole; // null for any other; not cleared first: every byte is read into it
    bool m_ownsFd = true;
    std::vector<ArchivePart> m_parts;
    uint64_t m_partsEnd = 0; // where the parts' bytes stop counting
    std::string m_tail;
    uint64_t m_size = 0;
    mutable std::mutex m_mutex;
    mutable std::vector<std::pair<size_t, std::shared_ptr<OpenPart>>> m_open; // the most recent last
};

// "part 3 ("NAME.z03") is missing": what is wrong with one part of a set.
std::string PartFault(size_t number, const std::string &path, const std::string &what);

// Opens a file of an archive for reading without waiting: a FIFO or device
// put in its place would block open() and every read. -1 with errno (EINVAL
// when it is no regular file).
int OpenArchiveFile(const std::string &path);

// Reads `length` bytes at `offset`, or fails.
bool ReadExactly(const ArchiveFile &file, uint64_t offset, void *buffer, size_t length);

} // namespace unzip32
