// Our own reading of an archive's central directory and local headers.
// libzip hands out names and streams but no data offsets, and the offsets are
// what tells an honest archive from one whose entries share their data.
#pragma once

#include "SetParts.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace unzip32 {

class ArchiveFile;

struct CentralEntry {
    std::string rawName; // bytes as stored
    uint16_t madeBy = 0; // high byte: host system (3 = Unix)
    uint16_t flags = 0;
    uint16_t method = 0;       // the real method, also for AES entries
    uint16_t storedMethod = 0; // as in the header (99 for AES)
    uint16_t dosTime = 0;
    uint16_t dosDate = 0;
    uint32_t crc = 0;
    uint64_t packedSize = 0;
    uint64_t size = 0;
    uint64_t localOffset = 0;
    uint64_t centralOffset = 0; // of this entry's header in the central directory
    uint64_t dataOffset = 0;    // from the local header; 0 when that header is unreadable
    uint32_t externalAttributes = 0;
    uint16_t localFlags = 0; // the local header's own flags
    bool localHeaderValid = false;
    // WinZip AES: vendor version (1 or 2) and strength (1 to 3), 0 when not AES.
    int aesVersion = 0;
    int aesStrength = 0;
    uint64_t aesMethodOffset = 0;      // where the AES field's real method lies in the archive
    std::optional<int64_t> unixMtime;  // from the extended timestamp field
    std::optional<uint64_t> ntfsMtime; // from the NTFS field: 100 ns units since 1601

    bool encrypted() const { return flags & 1; }
    bool isAes() const { return aesVersion != 0; }
    // AE-2 entries, and AES entries written with a zero CRC, are checked by
    // their authentication code instead of the CRC.
    bool crcIsMeaningful() const { return !(isAes() && (aesVersion == 2 || crc == 0)); }
    bool unixHost() const { return (madeBy >> 8) == 3; }
    uint32_t unixMode() const { return externalAttributes >> 16; }
};

struct CentralDirectory {
    std::vector<CentralEntry> entries;
    uint64_t archiveSize = 0;
};

// False with a reason when the file has none, or its Zip64 record is damaged.
bool ReadEndRecord(const ArchiveFile &file, EndRecord &end, std::string &reason);

// Reads the directory of the archive open on fd. Returns false with a reason
// when it is not a ZIP archive or its directory is damaged. Without
// `localHeaders` the entries' local headers are not read (no data offsets).
bool ReadCentralDirectory(int fd, CentralDirectory &directory, std::string &reason, bool localHeaders = true);

// The same, handing each entry to `visit` instead of keeping them all, for
// archives whose directories are large. `count` is said once, before the first.
using EntryVisitor = std::function<void(CentralEntry &entry)>;
bool ReadCentralDirectory(const ArchiveFile &file, std::string &reason, bool localHeaders,
                          const std::function<void(uint64_t count)> &counted, const EntryVisitor &visit);

// Where an entry's header and data lie in the archive.
struct DataSpan {
    uint64_t begin, end;
    size_t index;
};
// True when two of the spans overlap; `which` names the index of one.
bool SpansOverlap(std::vector<DataSpan> spans, size_t &which);

// True when the data of two entries overlap: the construction that lets a tiny
// archive expand to an enormous one. `entryAt(i)` is entry i of `count`, so
// that a caller keeps its entries as it likes; `which` names one of the two.
// An entry whose local header is not valid counts for nothing here (it fails
// as damaged on its own).
bool EntriesOverlap(size_t count, const std::function<const CentralEntry &(size_t)> &entryAt, size_t &which);

} // namespace unzip32
