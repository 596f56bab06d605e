// A few bytes of an archive must look different to libzip than they are:
// - libzip refuses a whole archive when one entry claims a UTF-8 name (flag
//   bit 11) that is not valid UTF-8. That flag is cleared on the entries
//   concerned, so libzip reads their names in the old code page like any
//   other unflagged name and the rest of the archive is extracted.
// - libzip checks the CRC of an entry it takes as stored even when it only
//   decrypts it, and an AES entry of vendor version AE-2 has no CRC (0): every
//   such entry would fail. An AES entry's real method is said to libzip to be
//   deflate, so it only decrypts and authenticates; our own decoding copies
//   the data and checks the CRC wherever there is one.
// Such an archive is opened through a source that reads the file as it is,
// except for those bytes. An archive in parts is opened through it as well,
// patched or not: libzip cannot read one by itself; and so is a small archive
// read whole when opened, which libzip then reads from memory.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

typedef struct zip zip_t;

namespace unzip32 {

class ArchiveFile;

struct BytePatch {
    uint64_t offset;
    uint8_t clear; // bits cleared first
    uint8_t set;   // then bits set

    bool operator<(const BytePatch &other) const { return offset < other.offset; }
};
// Sorted by offset.
using BytePatches = std::vector<BytePatch>;

// Why libzip would not open an archive, from its error code.
std::string LibzipOpenFailure(int code);

// Opens the archive read-only through the patching source, which also reads
// an archive in parts as one; null with a reason on failure.
zip_t *OpenPatched(const std::shared_ptr<const ArchiveFile> &file, const BytePatches &patches, std::string &reason);

} // namespace unzip32
