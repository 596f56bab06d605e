// Finding the parts of a set from the path of the part a user names, and
// telling which part is missing or short when the set is not whole.
#include "ArchiveFile.h"
#include "CentralDirectory.h"
#include "SpannedDirectory.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace unzip32 {

namespace {

// 7-Zip numbers its pieces with three digits; a set of more would be absurd.
constexpr size_t kMostSplitParts = 999;

bool endsWithNoCase(std::string_view text, std::string_view end)
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

std::optional<uint64_t> regularFileSize(const std::string &path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return uint64_t(info.st_size);
}

std::string baseName(const std::string &path)
{
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// NAME.zip.001 -> NAME.zip.00N
std::string splitPartName(const std::string &first, size_t number)
{
    std::string digits = std::to_string(number);
    return first.substr(0, first.size() - 3) + std::string(digits.size() < 3 ? 3 - digits.size() : 0, '0') + digits;
}

// NAME.zip -> NAME.zNN, the z in the letter case of the .zip's.
std::string spannedPartName(const std::string &last, size_t number, bool otherCase = false)
{
    char z = last[last.size() - 3];
    if (otherCase)
        z = char(std::isupper(static_cast<unsigned char>(z)) ? 'z' : 'Z');
    std::string digits = std::to_string(number);
    return last.substr(0, last.size() - 3) + z + (digits.size() < 2 ? "0" : "") + digits;
}

std::optional<ArchivePart> spannedPart(const std::string &last, size_t number)
{
    for (bool otherCase : {false, true}) {
        std::string path = spannedPartName(last, number, otherCase);
        if (auto size = regularFileSize(path))
            return ArchivePart{path, *size, 0};
    }
    return std::nullopt;
}

bool openSplit(ArchiveFile &file, const std::string &first, std::string &reason)
{
    std::vector<ArchivePart> parts;
    for (size_t number = 1; number <= kMostSplitParts; ++number) {
        std::string path = splitPartName(first, number);
        auto size = regularFileSize(path);
        if (!size) {
            // A gap in the numbers: the parts after it show the set goes on.
            if (number > 1 && regularFileSize(splitPartName(first, number + 1))) {
                reason = PartFault(number, path, "is missing");
                return false;
            }
            break;
        }
        parts.push_back({path, *size, 0});
    }
    if (parts.empty()) {
        reason = "the archive cannot be opened";
        return false;
    }
    // Every piece but the last is as long as the first.
    for (size_t i = 1; i + 1 < parts.size(); ++i) {
        if (parts[i].size != parts[0].size) {
            reason = PartFault(i + 1, parts[i].path, "is cut short or damaged: it is not as long as the first");
            return false;
        }
    }
    size_t count = parts.size();
    bool lastIsWhole = parts.back().size == parts[0].size;
    file.setParts(first, std::move(parts));
    EndRecord end;
    if (!ReadEndRecord(file, end, reason)) {
        // The end record is the set's last bytes: without it, either a piece
        // after the last one found is missing, or the last one is cut short.
        reason = count > 1 && lastIsWhole
                     ? PartFault(count + 1, splitPartName(first, count + 1), "is missing")
                     : PartFault(count, splitPartName(first, count), "is cut short or damaged: it has no end record");
        return false;
    }
    return true;
}

bool openSpanned(ArchiveFile &file, const std::string &last, const EndRecord &end, std::string &reason)
{
    std::vector<ArchivePart> parts;
    for (size_t number = 1; number <= end.disk; ++number) {
        auto part = spannedPart(last, number);
        if (!part) {
            reason = PartFault(number, spannedPartName(last, number), "is missing");
            return false;
        }
        parts.push_back(*part);
    }
    parts.push_back({last, file.size(), 0});
    file.setParts(last, std::move(parts));
    size_t faulty = 0;
    if (RelocateSpannedDirectory(file, end, faulty, reason))
        return true;
    if (faulty < file.partCount())
        reason = PartFault(faulty + 1, file.parts()[faulty].path, "is cut short or damaged");
    return false;
}

} // namespace

std::string PartFault(size_t number, const std::string &path, const std::string &what)
{
    return "part " + std::to_string(number) + " (\"" + baseName(path) + "\") " + what;
}

std::shared_ptr<const ArchiveFile> ArchiveFile::open(const std::string &path, std::string &reason)
{
    auto file = std::make_shared<ArchiveFile>();
    if (endsWithNoCase(path, ".zip.001"))
        return openSplit(*file, path, reason) ? file : nullptr;
    int fd = OpenArchiveFile(path);
    if (fd < 0) {
        reason = errno == EINVAL ? "not a file" : "the archive cannot be opened";
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        ::close(fd);
        reason = "the archive cannot be opened";
        return nullptr;
    }
    file->setPlain(path, fd, uint64_t(info.st_size), true);
    if (!endsWithNoCase(path, ".zip"))
        return file;
    // The last part of a spanned set says which part it is in its end record.
    EndRecord end;
    std::string why;
    if (ReadEndRecord(*file, end, why)) {
        if (end.disk > 0 && !openSpanned(*file, path, end, reason))
            return nullptr;
    } else if (spannedPart(path, 1)) {
        reason = "the last part (\"" + baseName(path) + "\") of the set is cut short or damaged: it has no end record";
        return nullptr;
    }
    return file;
}

} // namespace unzip32
