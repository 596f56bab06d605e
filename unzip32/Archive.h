// One archive as a call sees it: our own reading of its directory and what
// each entry is, with the names as libzip decodes them. libzip's handle is
// only kept while it is needed (encrypted entries): its copy of a directory
// of many entries costs about as much memory again as ours.
#pragma once

#include "ArchiveFile.h"
#include "CentralDirectory.h"
#include "EntryNames.h"
#include "PatchedSource.h"

#include <cstdint>
#include <ctime>
#include <memory>
#include <optional>
#include <utility>
#include <string>
#include <string_view>
#include <vector>

typedef struct zip zip_t;
typedef struct zip_file zip_file_t;

namespace unzip32 {

struct ArchiveEntry {
    size_t index = 0;
    CentralEntry central;
    std::string name; // UTF-8, as stored ("\" kept)
    bool directory = false;
    bool symlink = false;
    int64_t mtime = 0;       // seconds since the epoch
    uint32_t mtimeNanos = 0; // and the nanoseconds after it, where the archive keeps them

    struct timespec modified() const { return {time_t(mtime), long(mtimeNanos)}; }

    // "\" turned into "/".
    std::string normalised() const { return NormalisedName(name); }
};

class Archive {
public:
    Archive() = default;
    ~Archive();
    Archive(const Archive &) = delete;
    Archive &operator=(const Archive &) = delete;

    // False with a reason when the file cannot be read or is not a ZIP archive.
    // `codePage` reads the names without the UTF-8 flag in that Windows code
    // page; 0 (or one not known) decides it from the names themselves.
    bool open(const std::string &path, std::string &reason, int codePage = 0);
    // The code page the names without the UTF-8 flag were read in; 0 when
    // every name was ASCII, flagged, or named by a Unicode path field.
    int codePage() const { return m_codePage; }
    // True (and one of them named) when entries share their data.
    bool overlapping(std::string &name) const;

    const std::vector<ArchiveEntry> &entries() const { return m_entries; }
    // libzip's handle, opened again when needed; null when it cannot be.
    zip_t *handle();
    // The archive's bytes as they were checked (all its parts, for a set),
    // for reading raw entry data.
    const std::shared_ptr<const ArchiveFile> &file() const { return m_file; }
    // Flags libzip must not see (see PatchedSource.h); empty for most archives.
    const BytePatches &patches() const { return m_patches; }

private:
    // Every entry's stored name bytes, end to end.
    struct RawNames {
        std::string bytes;
        std::vector<size_t> ends;
        std::vector<bool> unflagged; // without the UTF-8 flag
        std::string_view name(size_t i) const
        {
            size_t begin = i ? ends[i - 1] : 0;
            return std::string_view(bytes).substr(begin, ends[i] - begin);
        }
    };
    // The first look at the directory: the names' bytes, and flags patched
    // away before libzip reads the names.
    bool lookAtNames(size_t &count, std::string &reason);
    // The second: our own reading, kept, of the `count` entries libzip saw.
    bool readEntries(size_t count, std::string &reason);
    bool readNames(const RawNames &raw, std::string &reason);
    void decodeLegacyNames(const RawNames &raw, const std::vector<size_t> &legacy);
    void findFalseLocalUtf8Flag(const CentralEntry &entry);

    zip_t *m_zip = nullptr;
    std::shared_ptr<const ArchiveFile> m_file;
    std::vector<ArchiveEntry> m_entries;
    std::vector<std::pair<size_t, std::string>> m_decodedNames; // where libzip's name differs from the bytes
    BytePatches m_patches;
    std::optional<size_t> m_overlap;
    int m_forcedCodePage = 0;
    int m_codePage = 0;
};

// Opens an archive read-only with libzip; null with a reason on failure.
zip_t *OpenWithLibzip(const std::shared_ptr<const ArchiveFile> &file, const BytePatches &patches, std::string &reason);

} // namespace unzip32
