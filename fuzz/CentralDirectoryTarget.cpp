// Our own reading of the central directory and local headers, alone: every
// offset it accepts must lie inside the file, and the overlap check that
// Archive::open makes with the very same function finds every pair of
// entries sharing their bytes and names only such an entry.
#include "CentralDirectory.h"
#include "FuzzSandbox.h"

#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace {

bool Shares(const unzip32::CentralEntry &a, const unzip32::CentralEntry &b)
{
    return a.localHeaderValid && b.localHeaderValid && a.localOffset < b.dataOffset + b.packedSize
        && b.localOffset < a.dataOffset + a.packedSize;
}

// Whether entry `one` (or, without it, any entry) shares its bytes with another.
bool OverlappingPair(const std::vector<unzip32::CentralEntry> &entries, size_t one = SIZE_MAX)
{
    for (size_t i = 0; i < entries.size(); ++i) {
        for (size_t j = i + 1; j < entries.size(); ++j) {
            if ((one == SIZE_MAX || one == i || one == j) && Shares(entries[i], entries[j]))
                return true;
        }
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int fd = memfd_create("archive", MFD_CLOEXEC);
    if (ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != ssize_t(size))
        fuzz::Finding("cannot write the memory file");
    unzip32::CentralDirectory directory;
    std::string reason;
    if (!unzip32::ReadCentralDirectory(fd, directory, reason)) {
        if (reason.empty())
            fuzz::Finding("refused without a reason");
        return 0;
    }
    for (const unzip32::CentralEntry &entry : directory.entries) {
        if (entry.localHeaderValid && (entry.dataOffset > size || entry.packedSize > size - entry.dataOffset))
            fuzz::Finding("an entry's data accepted beyond the end of the file");
    }
    // The check Archive::open makes, judged against every pair of entries.
    const auto &entries = directory.entries;
    size_t which = 0;
    bool overlap = unzip32::EntriesOverlap(
        entries.size(), [&](size_t i) -> const unzip32::CentralEntry & { return entries[i]; }, which);
    if (overlap && (which >= entries.size() || !entries[which].localHeaderValid))
        fuzz::Finding("an overlap named an entry that does not exist or was not read");
    if (overlap && !OverlappingPair(entries, which))
        fuzz::Finding("an overlap named an entry that shares no data");
    if (!overlap && OverlappingPair(entries))
        fuzz::Finding("entries that share their data passed");
    return 0;
}
