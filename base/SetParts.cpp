#include "SetParts.h"

#include "LittleEndian.h"
#include "VolumeSets.h"

#include <algorithm>
#include <cctype>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace unzip32 {

namespace {

bool findEnd(uint64_t fileSize, const ReadAt &read, uint64_t &endOffset)
{
    // Most archives have no comment: their end record is their last 22 bytes.
    uint8_t last[22];
    if (fileSize >= 22 && read(fileSize - 22, last, 22) && get32(last) == 0x06054b50 && get16(last + 20) == 0) {
        endOffset = fileSize - 22;
        return true;
    }
    size_t span = size_t(std::min<uint64_t>(fileSize, 65535 + 22));
    std::vector<uint8_t> tail(span);
    if (span < 22 || !read(fileSize - span, tail.data(), span))
        return false;
    for (size_t i = span - 22 + 1; i-- > 0;) {
        if (get32(&tail[i]) == 0x06054b50) {
            endOffset = fileSize - span + i;
            return true;
        }
    }
    return false;
}

} // namespace

bool ReadEndRecord(uint64_t size, const ReadAt &read, EndRecord &record, std::string &reason)
{
    uint64_t endOffset = 0;
    uint8_t end[22];
    if (!findEnd(size, read, endOffset) || !read(endOffset, end, sizeof end)) {
        reason = "not a ZIP archive";
        return false;
    }
    record = EndRecord{endOffset, get16(end + 4), get16(end + 6), get16(end + 10), get32(end + 12), get32(end + 16)};
    uint8_t locator[20];
    if (endOffset >= 20 && read(endOffset - 20, locator, 20) && get32(locator) == 0x07064b50) {
        uint8_t zip64[56];
        uint64_t zip64Offset = get64(locator + 8);
        if (!read(zip64Offset, zip64, 56) || get32(zip64) != 0x06064b50) {
            reason = "the Zip64 end record is damaged";
            return false;
        }
        record.disk = get32(zip64 + 16);
        record.directoryDisk = get32(zip64 + 20);
        record.count = get64(zip64 + 32);
        record.directorySize = get64(zip64 + 40);
        record.directoryOffset = get64(zip64 + 48);
    }
    return true;
}

bool EndsWithNoCase(std::string_view text, std::string_view end)
{
    if (text.size() < end.size())
        return false;
    text.remove_prefix(text.size() - end.size());
    for (size_t i = 0; i < end.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != end[i])
            return false;
    }
    return true;
}

std::optional<uint64_t> RegularFileSize(const std::string &path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return uint64_t(info.st_size);
}

std::string SplitPartName(const std::string &first, size_t number)
{
    std::string digits = std::to_string(number);
    return first.substr(0, first.size() - 3) + std::string(digits.size() < 3 ? 3 - digits.size() : 0, '0') + digits;
}

std::string SpannedPartName(const std::string &last, size_t number, bool otherCase)
{
    char z = last[last.size() - 3];
    if (otherCase)
        z = char(std::isupper(static_cast<unsigned char>(z)) ? 'z' : 'Z');
    std::string digits = std::to_string(number);
    return last.substr(0, last.size() - 3) + z + (digits.size() < 2 ? "0" : "") + digits;
}

std::optional<FoundPart> FindSpannedPart(const std::string &last, size_t number)
{
    for (bool otherCase : {false, true}) {
        std::string path = SpannedPartName(last, number, otherCase);
        if (auto size = RegularFileSize(path))
            return FoundPart{path, *size};
    }
    return std::nullopt;
}

std::vector<FoundPart> FindSplitParts(const std::string &first)
{
    std::vector<FoundPart> parts;
    for (size_t number = 1; number <= kMostSplitParts; ++number) {
        std::string path = SplitPartName(first, number);
        auto size = RegularFileSize(path);
        if (!size)
            break;
        parts.push_back({path, *size});
    }
    return parts;
}

std::vector<std::string> FilesOfArchive(const std::string &path)
{
    std::vector<std::string> files = VolumesOfSet(path);
    if (!files.empty())
        return files;
    if (EndsWithNoCase(path, ".zip.001")) {
        for (FoundPart &part : FindSplitParts(path))
            files.push_back(std::move(part.path));
        return files.empty() ? std::vector<std::string>{path} : files;
    }
    int fd = EndsWithNoCase(path, ".zip") ? ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK) : -1;
    struct stat info {};
    EndRecord end;
    std::string why;
    if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)
        && ReadEndRecord(
            uint64_t(info.st_size),
            [fd](uint64_t at, uint8_t *into, size_t length) {
                return ::pread(fd, into, length, off_t(at)) == ssize_t(length);
            },
            end, why)) {
        for (size_t number = 1; number <= end.disk; ++number) {
            auto part = FindSpannedPart(path, number);
            if (!part)
                break;
            files.push_back(std::move(part->path));
        }
    }
    if (fd >= 0)
        ::close(fd);
    files.push_back(path);
    return files;
}

} // namespace unzip32
