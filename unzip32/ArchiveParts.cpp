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

std::string baseName(const std::string &path)
{
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool openSplit(ArchiveFile &file, const std::string &first, std::string &reason)
{
    std::vector<ArchivePart> parts;
    for (FoundPart &part : FindSplitParts(first))
        parts.push_back({std::move(part.path), part.size, 0});
    // A gap in the numbers: the parts after it show the set goes on.
    if (size_t next = parts.size() + 1;
        next > 1 && next <= kMostSplitParts && RegularFileSize(SplitPartName(first, next + 1))) {
        reason = PartFault(next, SplitPartName(first, next), "is missing");
        return false;
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
            ? PartFault(count + 1, SplitPartName(first, count + 1), "is missing")
            : PartFault(count, SplitPartName(first, count), "is cut short or damaged: it has no end record");
        return false;
    }
    return true;
}

bool openSpanned(ArchiveFile &file, const std::string &last, const EndRecord &end, std::string &reason)
{
    std::vector<ArchivePart> parts;
    for (size_t number = 1; number <= end.disk; ++number) {
        auto part = FindSpannedPart(last, number);
        if (!part) {
            reason = PartFault(number, SpannedPartName(last, number), "is missing");
            return false;
        }
        parts.push_back({std::move(part->path), part->size, 0});
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
    if (EndsWithNoCase(path, ".zip.001"))
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
    if (!EndsWithNoCase(path, ".zip"))
        return file;
    // The last part of a spanned set says which part it is in its end record.
    EndRecord end;
    std::string why;
    if (ReadEndRecord(*file, end, why)) {
        if (end.disk > 0 && !openSpanned(*file, path, end, reason))
            return nullptr;
    } else if (FindSpannedPart(path, 1)) {
        reason = "the last part (\"" + baseName(path) + "\") of the set is cut short or damaged: it has no end record";
        return nullptr;
    }
    return file;
}

} // namespace unzip32
