#include "Archive.h"

#include "HeldFolder.h"
#include "VisibleText.h"

#include "Cp437.h"
#include "EntryNames.h"
#include "NameEncoding.h"

#include <zip.h>

#include <algorithm>
#include <cstring>
#include <string_view>
#include <ctime>
#include <fcntl.h>
#include <malloc.h>
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

// The most exact time the entry carries: NTFS (100 ns), then the extended
// timestamp (seconds, UTC), then the DOS time (2 s, local).
void setModified(ArchiveEntry &entry, DosTimes &times)
{
    const CentralEntry &central = entry.central;
    if (central.ntfsMtime && *central.ntfsMtime <= uint64_t(INT64_MAX)) {
        // 1601-01-01 to 1970-01-01 in 100 ns units; times before 1970 round down too.
        constexpr int64_t kEpochDelta = 116444736000000000;
        int64_t ticks = int64_t(*central.ntfsMtime) - kEpochDelta;
        int64_t seconds = ticks / 10000000, rest = ticks % 10000000;
        if (rest < 0) {
            seconds -= 1;
            rest += 10000000;
        }
        entry.mtime = seconds;
        entry.mtimeNanos = uint32_t(rest * 100);
    } else if (central.unixMtime) {
        entry.mtime = *central.unixMtime;
    } else {
        entry.mtime = times.toUnix(central.dosDate, central.dosTime);
    }
}

} // namespace

namespace {

bool isAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// What libzip takes for UTF-8: valid, and no C0 control but tab, CR and LF.
bool libzipTakesAsUtf8(const std::string &name)
{
    for (char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\r' && c != '\n')
            return false;
    }
    return IsValidUtf8(name);
}

// libzip's copy of a large directory is freed in many small pieces that the
// allocator would otherwise keep, adding to the peak what ours needs next.
void releaseFreedMemory(size_t entries)
{
#ifdef __GLIBC__
    if (entries >= 10000)
        malloc_trim(0);
#else
    (void)entries;
#endif
}

} // namespace

zip_t *OpenWithLibzip(const std::shared_ptr<const ArchiveFile> &file, const BytePatches &patches, std::string &reason)
{
    // An archive read whole is read by libzip from memory too.
    if (!patches.empty() || !file->plain() || file->inMemory())
        return OpenPatched(file, patches, reason);
    // Through the descriptor, not the name: by now the name may lead to
    // another file, even a FIFO that would hang the open. Without /proc,
    // libzip reads through ours.
    int code = 0;
    zip_t *zip = zip_open(DescriptorPath(file->descriptor()).c_str(), ZIP_RDONLY, &code);
    if (!zip && (code == ZIP_ER_OPEN || code == ZIP_ER_NOENT))
        return OpenPatched(file, patches, reason);
    if (!zip)
        reason = LibzipOpenFailure(code);
    return zip;
}

Archive::~Archive()
{
    if (m_zip)
        zip_discard(m_zip);
}

bool Archive::open(const std::string &path, std::string &reason, int codePage)
{
    m_forcedCodePage = codePage;
    m_file = ArchiveFile::open(path, reason);
    if (!m_file)
        return false;
    // libzip's directory and ours are never held at once: a first look at the
    // central directory finds the flags libzip must not see, libzip checks the
    // archive and decodes the names, and only then is our own reading kept.
    size_t count = 0;
    if (!lookAtNames(count, reason) || !readEntries(count, reason))
        return false;
    size_t which = 0;
    if (EntriesOverlap(
            m_entries.size(), [this](size_t i) -> const CentralEntry & { return m_entries[i].central; }, which))
        m_overlap = which;
    std::sort(m_patches.begin(), m_patches.end());
    return true;
}

bool Archive::lookAtNames(size_t &count, std::string &reason)
{
    RawNames raw;
    bool ok = ReadCentralDirectory(
        *m_file, reason, false, [&](uint64_t entries) { raw.ends.reserve(entries); },
        [&](CentralEntry &entry) {
            if ((entry.flags & 0x800) && !libzipTakesAsUtf8(entry.rawName))
                m_patches.push_back({entry.centralOffset + 9, 0x08, 0});
            if (entry.isAes() && entry.method == 0)
                m_patches.push_back({entry.aesMethodOffset, 0xFF, 8}); // see PatchedSource.h
            raw.bytes += entry.rawName;
            raw.ends.push_back(raw.bytes.size());
            raw.unflagged.push_back(!(entry.flags & 0x800));
        });
    if (!ok || !readNames(raw, reason))
        return false;
    count = raw.ends.size();
    raw = {};
    releaseFreedMemory(count);
    return true;
}

bool Archive::readEntries(size_t count, std::string &reason)
{
    DosTimes times;
    auto decoded = m_decodedNames.begin();
    bool ok = ReadCentralDirectory(
        *m_file, reason, true, [&](uint64_t n) { m_entries.reserve(std::min<uint64_t>(n, count)); },
        [&](CentralEntry &central) {
            size_t i = m_entries.size();
            if (i >= count)
                return;
            ArchiveEntry &entry = m_entries.emplace_back();
            entry.index = i;
            entry.central = std::move(central);
            if (decoded != m_decodedNames.end() && decoded->first == i)
                entry.name = std::move((decoded++)->second);
            else
                entry.name = std::move(entry.central.rawName);
            entry.central.rawName = std::string();
            uint32_t mode = entry.central.unixHost() ? entry.central.unixMode() : 0;
            entry.directory = (!entry.name.empty() && (entry.name.back() == '/' || entry.name.back() == '\\'))
                || S_ISDIR(mode) || (!entry.central.unixHost() && (entry.central.externalAttributes & 0x10));
            entry.symlink = !entry.directory && S_ISLNK(mode);
            setModified(entry, times);
            // Local headers matter to libzip only when it opens an encrypted entry.
            if (entry.central.encrypted() && entry.central.localHeaderValid && (entry.central.localFlags & 0x800))
                findFalseLocalUtf8Flag(entry.central);
        });
    m_decodedNames = {};
    if (!ok)
        return false;
    if (m_entries.size() != count) {
        reason = "the archive changed while it was read";
        return false;
    }
    return true;
}

bool Archive::readNames(const RawNames &raw, std::string &reason)
{
    m_zip = OpenWithLibzip(m_file, m_patches, reason);
    if (!m_zip)
        return false;
    size_t count = raw.ends.size();
    bool ok = zip_get_num_entries(m_zip, 0) == zip_int64_t(count);
    std::vector<size_t> legacy; // names libzip could only guess at, decided below as a whole
    for (size_t i = 0; ok && i < count; ++i) {
        // libzip's "raw" name already has a Unicode path field applied, so the
        // stored bytes are compared with ours.
        const char *name = zip_get_name(m_zip, zip_uint64_t(i), ZIP_FL_ENC_GUESS);
        std::string_view stored = raw.name(i);
        if (!name)
            continue;
        // A name without the UTF-8 flag that libzip took as it is or read as
        // CP437: its guess. Anything else came from a Unicode path field,
        // which wins for its entry when it is UTF-8 indeed. A false flag is
        // damage, not a code page, and keeps its own rule (CP437).
        bool guessed = raw.unflagged[i] && (stored == name || Cp437ToUtf8(stored) == name);
        if (guessed && !isAscii(stored))
            legacy.push_back(i);
        else if (!IsValidUtf8(name))
            m_decodedNames.emplace_back(i, IsValidUtf8(stored) ? std::string(stored) : Cp437ToUtf8(stored));
        else if (std::string_view(name) != stored)
            m_decodedNames.emplace_back(i, name);
    }
    zip_discard(m_zip);
    m_zip = nullptr;
    if (!ok)
        reason = "the central directory is damaged";
    else
        decodeLegacyNames(raw, legacy);
    return ok;
}

void Archive::decodeLegacyNames(const RawNames &raw, const std::vector<size_t> &legacy)
{
    if (legacy.empty())
        return;
    std::vector<std::string_view> names;
    names.reserve(legacy.size());
    for (size_t i : legacy)
        names.push_back(raw.name(i));
    m_codePage = IsKnownCodePage(m_forcedCodePage) ? m_forcedCodePage : DetectCodePage(names);
    std::vector<std::pair<size_t, std::string>> decoded;
    decoded.reserve(legacy.size());
    NameDecoder decode(m_codePage);
    for (size_t k = 0; k < legacy.size(); ++k) {
        std::string name = decode(names[k]);
        if (name != names[k])
            decoded.emplace_back(legacy[k], std::move(name));
    }
    // Both lists are in entry order; the entries take their names in that order.
    std::vector<std::pair<size_t, std::string>> merged;
    merged.reserve(m_decodedNames.size() + decoded.size());
    std::merge(std::make_move_iterator(m_decodedNames.begin()), std::make_move_iterator(m_decodedNames.end()),
               std::make_move_iterator(decoded.begin()), std::make_move_iterator(decoded.end()),
               std::back_inserter(merged), [](const auto &a, const auto &b) { return a.first < b.first; });
    m_decodedNames = std::move(merged);
}

zip_t *Archive::handle()
{
    if (!m_zip) {
        std::string reason;
        m_zip = OpenWithLibzip(m_file, m_patches, reason);
    }
    return m_zip;
}

void Archive::findFalseLocalUtf8Flag(const CentralEntry &entry)
{
    uint8_t local[30];
    if (!ReadExactly(*m_file, entry.localOffset, local, 30))
        return;
    std::string name(size_t(local[26] | local[27] << 8), '\0');
    if (ReadExactly(*m_file, entry.localOffset + 30, name.data(), name.size()) && !libzipTakesAsUtf8(name))
        m_patches.push_back({entry.localOffset + 7, 0x08, 0});
}

bool Archive::overlapping(std::string &name) const
{
    if (!m_overlap)
        return false;
    name = m_entries[*m_overlap].name;
    return true;
}

} // namespace unzip32
