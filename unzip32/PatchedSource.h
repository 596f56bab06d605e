// libzip refuses a whole archive when one entry claims a UTF-8 name (flag bit
// 11) that is not valid UTF-8. Such an archive is opened through a source that
// reads the file as it is, except that it clears that flag on the entries
// concerned, so libzip reads their names in the old code page like any other
// unflagged name and the rest of the archive is extracted.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

typedef struct zip zip_t;

namespace unzip32 {

// Offsets of the bytes whose bit 0x08 (flag bit 11) is cleared; sorted.
using FlagPatches = std::vector<uint64_t>;

// Opens the archive read-only through the patching source; null with a
// reason on failure.
zip_t *OpenPatched(const std::string &path, const FlagPatches &patches, std::string &reason);

} // namespace unzip32
