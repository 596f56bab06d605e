#include "Archive.h"

#include "EntryNames.h"

#include <zip.h>

#include <algorithm>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace unzip32 {

namespace {

// DOS times are local times. mktime looks at the time zone file on every
// call, so each hour is converted once per archive: clocks change on the
// hour, and minutes and seconds (even invalid ones) only count on from it.
class DosTimes {
public:
    int64_t toUnix(uint16_t date, uint16_t time)
    {
        uint32_t hour = (time >> 11) & 0x1F;
        auto [at, added] = m_hours.try_emplace(uint32_t(date) << 5 | hour, 0);
        if (added) {
            struct tm parts {};
            parts.tm_year = ((date >> 9) & 0x7F) + 80;
            parts.tm_mon = ((date >> 5) & 0x0F) - 1;
            parts.tm_mday = date & 0x1F;
            parts.tm_hour = int(hour);
            parts.tm_isdst = -1;
            at->second = int64_t(mktime(&parts));
        }
        return at->second + ((time >> 5) & 0x3F) * 60 + (time & 0x1F) * 2;
    }

private:
    std::unordered_map<uint32_t, int64_t> m_hours;
};

std::string zipErrorText(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    return text;
}

} // namespace

namespace {

// What libzip takes for UTF-8: valid, and no C0 control but tab, CR and LF.
bool libzipTakesAsUtf8(const std::string &name)
{
    for (char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\r' && c != '\n')
            return false;
    }
    return IsValidUtf8(name);
}

} // namespace

zip_t *OpenWithLibzip(const std::string &path, const FlagPatches &patches, std::string &reason)
{
    if (!patches.empty())
        return OpenPatched(path, patches, reason);
    int code = 0;
    zip_t *zip = zip_open(path.c_str(), ZIP_RDONLY, &code);
    if (!zip)
        reason = code == ZIP_ER_NOZIP ? "not a ZIP archive" : "cannot be read as a ZIP archive (" + zipErrorText(code) + ")";
    return zip;
}

Archive::~Archive()
{
    if (m_zip)
        zip_discard(m_zip);
    if (m_fd >= 0)
        ::close(m_fd);
}

bool Archive::open(const std::string &path, std::string &reason)
{
    int fd = m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        reason = "the archive cannot be opened";
        return false;
    }
    struct stat info {};
    bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (!ok)
        reason = "not a file";
    ok = ok && ReadCentralDirectory(fd, m_directory, reason);
    if (ok)
        findFalseUtf8Flags(fd);
    if (!ok)
        return false;
    m_zip = OpenWithLibzip(path, m_patches, reason);
    if (!m_zip)
        return false;
    zip_int64_t count = zip_get_num_entries(m_zip, 0);
    if (count < 0 || uint64_t(count) != m_directory.entries.size()) {
        reason = "the central directory is damaged";
        return false;
    }
    DosTimes times;
    m_entries.resize(m_directory.entries.size());
    for (size_t i = 0; i < m_entries.size(); ++i) {
        ArchiveEntry &entry = m_entries[i];
        entry.index = i;
        entry.central = m_directory.entries[i];
        const char *name = zip_get_name(m_zip, i, ZIP_FL_ENC_GUESS);
        entry.name = name ? name : entry.central.rawName;
        entry.normalised = NormalisedName(entry.name);
        uint32_t mode = entry.central.unixHost() ? entry.central.unixMode() : 0;
        entry.directory = (!entry.normalised.empty() && entry.normalised.back() == '/') || S_ISDIR(mode)
                          || (!entry.central.unixHost() && (entry.central.externalAttributes & 0x10));
        entry.symlink = !entry.directory && S_ISLNK(mode);
        entry.mtime = entry.central.unixMtime ? *entry.central.unixMtime
                                              : times.toUnix(entry.central.dosDate, entry.central.dosTime);
    }
    return true;
}

void Archive::findFalseUtf8Flags(int fd)
{
    for (const CentralEntry &entry : m_directory.entries) {
        if ((entry.flags & 0x800) && !libzipTakesAsUtf8(entry.rawName))
            m_patches.push_back(entry.centralOffset + 9);
        // The local header's own flag and name are checked when the entry is opened.
        uint8_t local[30];
        if (entry.localHeaderValid && (entry.localFlags & 0x800) && pread(fd, local, 30, off_t(entry.localOffset)) == 30) {
            std::string name(size_t(local[26] | local[27] << 8), '\0');
            if (pread(fd, name.data(), name.size(), off_t(entry.localOffset + 30)) == ssize_t(name.size())
                && !libzipTakesAsUtf8(name))
                m_patches.push_back(entry.localOffset + 7);
        }
    }
    std::sort(m_patches.begin(), m_patches.end());
}

bool Archive::overlapping(std::string &name) const
{
    size_t which = 0;
    if (!EntriesOverlap(m_directory, which))
        return false;
    name = m_entries[which].name;
    return true;
}

} // namespace unzip32
