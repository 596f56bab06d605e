#include "ArchiveKind.h"

#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <unistd.h>

namespace unzip32 {

namespace {

struct Mark {
    size_t offset;
    std::string_view bytes;
};

using namespace std::string_view_literals;

// Marks that nothing else starts with by chance. Kinds whose marks are weak
// (an old tar without "ustar", a bare LZMA stream) are left to the fallback.
constexpr Mark kMarks[] = {
    {0, "7z\xBC\xAF\x27\x1C"sv},
    {0, "Rar!\x1A\x07"sv},
    {257, "ustar"sv},
    {0, "070701"sv},
    {0, "070702"sv},
    {0, "070707"sv},
    {0x8001, "CD001"sv},
    {0, "MSCF\0\0\0\0"sv},
    {0, "\x1F\x8B\x08"sv}, // gzip, deflate
    {0, "BZh"sv},
    {0,
     "\xFD"
     "7zXZ\0"sv},
    {0, "\x28\xB5\x2F\xFD"sv}, // zstd
    {0, "\x04\x22\x4D\x18"sv}, // lz4
    {0, "LZIP"sv},
    {0, "\x1F\x9D"sv}, // compress
};

} // namespace

bool BeginsAsOtherKind(const std::string &path)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    char head[512], iso[5];
    ssize_t got = ::pread(fd, head, sizeof head, 0);
    bool isoRead = ::pread(fd, iso, sizeof iso, 0x8001) == ssize_t(sizeof iso);
    ::close(fd);
    for (const Mark &mark : kMarks) {
        if (mark.offset == 0x8001) {
            if (isoRead && std::memcmp(iso, mark.bytes.data(), mark.bytes.size()) == 0)
                return true;
        } else if (got >= ssize_t(mark.offset + mark.bytes.size())
                   && std::memcmp(head + mark.offset, mark.bytes.data(), mark.bytes.size()) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace unzip32
