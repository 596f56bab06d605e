// One archive as a call sees it: libzip's handle for names and passwords,
// our own reading of its directory, and what each entry is.
#pragma once

#include "CentralDirectory.h"
#include "PatchedSource.h"

#include <cstdint>
#include <string>
#include <vector>

typedef struct zip zip_t;
typedef struct zip_file zip_file_t;

namespace unzip32 {

struct ArchiveEntry {
    size_t index = 0;
    CentralEntry central;
    std::string name;        // UTF-8, as stored ("\" kept)
    std::string normalised;  // "\" turned into "/"
    bool directory = false;
    bool symlink = false;
    int64_t mtime = 0;       // seconds since the epoch
};

class Archive {
public:
    Archive() = default;
    ~Archive();
    Archive(const Archive &) = delete;
    Archive &operator=(const Archive &) = delete;

    // False with a reason when the file cannot be read or is not a ZIP archive.
    bool open(const std::string &path, std::string &reason);
    // True (and one of them named) when entries share their data.
    bool overlapping(std::string &name) const;

    const std::vector<ArchiveEntry> &entries() const { return m_entries; }
    zip_t *handle() const { return m_zip; }
    // The archive as it was checked, open for reading raw entry data with pread.
    int fd() const { return m_fd; }
    // Flags libzip must not see (see PatchedSource.h); empty for most archives.
    const FlagPatches &patches() const { return m_patches; }

private:
    void findFalseUtf8Flags(int fd);

    zip_t *m_zip = nullptr;
    int m_fd = -1;
    CentralDirectory m_directory;
    std::vector<ArchiveEntry> m_entries;
    FlagPatches m_patches;
};

// Opens an archive read-only with libzip; null with a reason on failure.
zip_t *OpenWithLibzip(const std::string &path, const FlagPatches &patches, std::string &reason);

} // namespace unzip32
