// Our own reading of the central directory and local headers, alone: every
// offset it accepts must lie inside the file.
#include "CentralDirectory.h"
#include "FuzzSandbox.h"

#include <sys/mman.h>
#include <unistd.h>

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
    size_t which = 0;
    if (unzip32::EntriesOverlap(directory, which) && which >= directory.entries.size())
        fuzz::Finding("an overlap named an entry that does not exist");
    return 0;
}
