// A spanned set's parts read as one archive: the directory written anew from
// the parts' own must keep every offset it accepts inside the whole, and the
// whole must read back exactly as the parts end to end. The input's first
// byte picks the part size (64 to 4,096 bytes); the rest is cut into parts
// NAME.z01, NAME.z02, ... and NAME.zip, the last taking what remains.
#include "Archive.h"
#include "ArchiveFile.h"
#include "FuzzSandbox.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

constexpr size_t kMostParts = 32;

std::string folder()
{
    const char *base = std::getenv("MARROWLYN_FUZZ_TMP");
    std::string path = std::string(base ? base : "/tmp") + "/spanned.XXXXXX";
    if (!mkdtemp(path.data()))
        fuzz::Finding("cannot make the parts' folder");
    return path;
}

std::string partPath(const std::string &dir, size_t number, size_t count)
{
    if (number == count)
        return dir + "/set.zip";
    char name[16];
    std::snprintf(name, sizeof name, "/set.z%02zu", number);
    return dir + name;
}

void write(const std::string &path, const uint8_t *data, size_t size)
{
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0 || (size > 0 && ::write(fd, data, size) != ssize_t(size)))
        fuzz::Finding("cannot write a part");
    ::close(fd);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::string dir = folder();
    if (size < 1)
        return 0;
    const size_t partSize = 64 * (1 + data[0] % 64);
    const uint8_t *stream = data + 1;
    const size_t length = size - 1;
    const size_t count = std::min(kMostParts, length / partSize + 1);
    for (size_t number = 1; number <= kMostParts; ++number)
        ::unlink(partPath(dir, number, kMostParts + 1).c_str());
    for (size_t number = 1; number <= count; ++number) {
        size_t from = (number - 1) * partSize;
        write(partPath(dir, number, count), stream + from, number == count ? length - from : partSize);
    }

    unzip32::Archive archive;
    std::string reason;
    if (!archive.open(partPath(dir, count, count), reason)) {
        if (reason.empty())
            fuzz::Finding("refused without a reason");
        return 0;
    }
    const unzip32::ArchiveFile &file = *archive.file();
    for (const unzip32::ArchiveEntry &entry : archive.entries()) {
        const unzip32::CentralEntry &e = entry.central;
        if (e.localHeaderValid && (e.dataOffset > file.size() || e.packedSize > file.size() - e.dataOffset))
            fuzz::Finding("an entry's data accepted beyond the end of the whole");
    }
    // The parts' bytes come back in order, read in steps that cross their seams.
    // A set whose end record names fewer parts than were written has the same
    // first parts, then the last: only those first ones are the input in order.
    const uint64_t inOrder = file.partCount() == count
        ? file.partsEnd()
        : std::min<uint64_t>(file.partsEnd(), (file.partCount() - 1) * partSize);
    uint8_t buffer[97];
    for (uint64_t at = 0; at < file.size(); at += sizeof buffer) {
        size_t want = size_t(std::min<uint64_t>(sizeof buffer, file.size() - at));
        if (!unzip32::ReadExactly(file, at, buffer, want))
            fuzz::Finding("the whole cannot be read to its end");
        if (file.partCount() > 1 && at + want <= inOrder && std::memcmp(buffer, stream + at, want) != 0)
            fuzz::Finding("the parts read back out of order");
    }
    return 0;
}
