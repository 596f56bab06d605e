// Reading the archives that are not ZIPs with libarchive's read interface,
// restricted to the kinds the engine promises (7z, RAR 4 and 5, tar, cpio,
// ISO 9660, cab, and one compressed file) and their compressions, one at a
// time, in order. Only reading: every entry is written by the engine's own
// writer and rules, never by libarchive.
#pragma once

#include "GzipFeed.h"

#include <clocale>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct archive;
struct archive_entry;

namespace unzip32 {

struct OtherEntry {
    enum class Type { File, Folder, Symlink, HardLink, Device, Fifo, Socket };
    Type type = Type::File;
    std::string name;             // UTF-8 where the archive says so; its bytes otherwise
    std::string linkTarget;       // a symbolic link's target, or the archive name a hard link repeats
    std::optional<uint64_t> size; // as declared; unknown for a bare compressed stream
    uint32_t mode = 0644;         // permission bits only
    int64_t mtime = 0;
    uint32_t mtimeNanos = 0;
    bool sparse = false;
    bool encrypted = false;
};

class OtherKindReader {
public:
    OtherKindReader();
    ~OtherKindReader();
    OtherKindReader(const OtherKindReader &) = delete;
    OtherKindReader &operator=(const OtherKindReader &) = delete;

    // Opens the archive (all the volumes of a set) and reads its first header.
    // False when it is no kind we read (reason untouched) or when that header
    // cannot be read (`recognised` set, reason given).
    bool open(const std::string &path, bool &recognised, std::string &reason);
    // The next entry; false at the end or on failure (`failed()` tells).
    bool next(OtherEntry &entry);
    // The current entry's next piece of contents at `offset` (holes of a
    // sparse file lie between); false at its end or on failure.
    bool data(const uint8_t *&bytes, size_t &length, uint64_t &offset);
    bool failed() const { return !m_error.empty(); }
    const std::string &error() const { return m_error; }

    // The kind as a user knows it: "7z", "RAR", "tar", ...
    const std::string &kindName() const { return m_kind; }
    // The entries' method for listings: the compression where one is known.
    const std::string &methodName() const { return m_method; }
    // The most contents the archive's bytes can honestly hold.
    uint64_t mostContents() const { return m_mostContents; }
    // The archive's bytes read so far (compressed), for progress.
    uint64_t bytesRead() const;
    // True when the format is a bare compressed stream, named by its file.
    bool bareStream() const { return m_bare; }
    // The name of a bare stream's one file: the archive's own without its suffix.
    std::string bareName() const;
    // True when the archive says its headers or entries are encrypted in a way
    // libarchive cannot open.
    bool encryptionUnreadable() const;
    // True when any entry of a 7z or a RAR is encrypted: read ahead, apart
    // from this reader, so that such an archive writes nothing at all.
    bool holdsEncryptedEntries();
    // Why a 7z's contents cannot be decoded by this libarchive at all (a
    // filter newer than it), found before anything is written; empty if they can.
    std::string undecodableMethod();

private:
    using Support = int (*)(archive *);
    static constexpr int kNotOpened = -1000;
    // A fresh libarchive reader of `formats` over the volumes, at its first header.
    template <size_t N> int start(const Support (&formats)[N]);
    bool fail(const std::string &what);
    bool drainGzip();
    void describe();
    void fill(archive_entry *raw, OtherEntry &entry);

    // libarchive converts names through the thread's locale: under "C" a
    // 7z's or a tar's UTF-8 names would have no form at all. This thread
    // reads in C.UTF-8 while the reader lives, without touching the
    // process's locale, which belongs to the program.
    locale_t m_utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(0));
    locale_t m_previous = m_utf8 ? uselocale(m_utf8) : locale_t(0);
    std::unique_ptr<GzipFeed> m_gzip; // outlives m_archive, which reads from it
    archive *m_archive = nullptr;
    archive_entry *m_first = nullptr; // read by open(), handed out by the first next()
    std::vector<std::string> m_volumes;
    std::string m_path, m_error, m_kind, m_method;
    uint64_t m_totalSize = 0;
    uint64_t m_mostContents = UINT64_MAX;
    bool m_bare = false;
    bool m_ended = false;
};

} // namespace unzip32
