#include "OtherKindReader.h"

#include "DeclaredSizes.h"
#include "GzipFeed.h"
#include "SetParts.h"
#include "VolumeSets.h"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cctype>

namespace unzip32 {

namespace {

using Support = int (*)(archive *);

// Exactly these, one by one: nothing else (mtree, warc, shar, ...) is ever
// interpreted, whatever an archive's bytes claim.
constexpr Support kFormats[] = {
    archive_read_support_format_7zip, archive_read_support_format_rar,  archive_read_support_format_rar5,
    archive_read_support_format_tar,  archive_read_support_format_cpio, archive_read_support_format_iso9660,
    archive_read_support_format_cab,  archive_read_support_format_raw,
};
constexpr Support kFilters[] = {
    archive_read_support_filter_gzip, archive_read_support_filter_bzip2,    archive_read_support_filter_xz,
    archive_read_support_filter_lzma, archive_read_support_filter_zstd,     archive_read_support_filter_lz4,
    archive_read_support_filter_lzip, archive_read_support_filter_compress,
};

// Contents per compressed byte at the most, as DeclaredSizes.cpp reasons it:
// a true bound where the method has a simple one, otherwise far above
// anything honest and still below what only a lie declares.
uint64_t FilterRatio(int code)
{
    switch (code) {
    case ARCHIVE_FILTER_NONE: return 1;
    case ARCHIVE_FILTER_GZIP: return 1032;
    case ARCHIVE_FILTER_BZIP2: return 1u << 27;
    case ARCHIVE_FILTER_XZ:
    case ARCHIVE_FILTER_LZMA:
    case ARCHIVE_FILTER_LZIP: return 1u << 20;
    case ARCHIVE_FILTER_ZSTD: return 33000;
    case ARCHIVE_FILTER_LZ4: return 256;
    case ARCHIVE_FILTER_COMPRESS: return 1u << 16; // 16-bit codes, each string one byte longer than the last
    default: return 0;
    }
}

// A 7z entry may be BZip2 (the largest expansion of its methods); RAR's LZ
// and PPMd, cab's LZX and Quantum stay below LZMA's bound; an ISO's files
// may be zisofs (deflate).
uint64_t FormatRatio(int format)
{
    switch (format & ARCHIVE_FORMAT_BASE_MASK) {
    case ARCHIVE_FORMAT_7ZIP: return 1u << 27;
    case ARCHIVE_FORMAT_RAR:
    case ARCHIVE_FORMAT_RAR_V5:
    case ARCHIVE_FORMAT_CAB: return 1u << 20;
    case ARCHIVE_FORMAT_ISO9660: return 1032;
    default: return 1;
    }
}

std::string FilterName(int code)
{
    switch (code) {
    case ARCHIVE_FILTER_GZIP: return "gzip";
    case ARCHIVE_FILTER_BZIP2: return "bzip2";
    case ARCHIVE_FILTER_XZ: return "xz";
    case ARCHIVE_FILTER_LZMA: return "lzma";
    case ARCHIVE_FILTER_ZSTD: return "zstd";
    case ARCHIVE_FILTER_LZ4: return "lz4";
    case ARCHIVE_FILTER_LZIP: return "lzip";
    case ARCHIVE_FILTER_COMPRESS: return "compress";
    default: return "filter " + std::to_string(code);
    }
}

std::string FormatName(int format)
{
    switch (format & ARCHIVE_FORMAT_BASE_MASK) {
    case ARCHIVE_FORMAT_7ZIP: return "7z";
    case ARCHIVE_FORMAT_RAR: return "RAR";
    case ARCHIVE_FORMAT_RAR_V5: return "RAR5";
    case ARCHIVE_FORMAT_TAR: return "tar";
    case ARCHIVE_FORMAT_CPIO: return "cpio";
    case ARCHIVE_FORMAT_ISO9660: return "ISO 9660";
    case ARCHIVE_FORMAT_CAB: return "cab";
    default: return "compressed file";
    }
}

uint64_t SaturatingTimes(uint64_t a, uint64_t b) { return b != 0 && a > UINT64_MAX / b ? UINT64_MAX : a * b; }

// A text of libarchive's, or the raw bytes when it has no UTF-8 form.
std::string Text(const char *utf8, const char *raw) { return utf8 ? utf8 : raw ? raw : ""; }

template <size_t N> archive *NewReader(const Support (&formats)[N])
{
    archive *reader = archive_read_new();
    if (!reader)
        throw std::bad_alloc();
    for (Support support : formats)
        support(reader);
    // A filter whose library libarchive lacks would run an outside program
    // (ARCHIVE_WARN): such a filter is not offered at all.
    for (Support support : kFilters) {
        archive *probe = archive_read_new();
        bool builtIn = probe && support(probe) == ARCHIVE_OK;
        if (probe)
            archive_read_free(probe);
        if (builtIn)
            support(reader);
    }
    return reader;
}

// The reader of one format, for a look through the archive ahead of the call's own.
archive *OpenAgain(int format, const std::vector<std::string> &volumes)
{
    const Support support = (format & ARCHIVE_FORMAT_BASE_MASK) == ARCHIVE_FORMAT_7ZIP
        ? archive_read_support_format_7zip
        : (format & ARCHIVE_FORMAT_BASE_MASK) == ARCHIVE_FORMAT_RAR ? archive_read_support_format_rar
                                                                    : archive_read_support_format_rar5;
    const Support formats[] = {support};
    archive *reader = NewReader(formats);
    std::vector<const char *> names;
    for (const std::string &volume : volumes)
        names.push_back(volume.c_str());
    names.push_back(nullptr);
    if (archive_read_open_filenames(reader, names.data(), 64 * 1024) != ARCHIVE_OK) {
        archive_read_free(reader);
        return nullptr;
    }
    return reader;
}

bool NameSaysTar(const std::string &path)
{
    std::string name = path.substr(path.find_last_of('/') + 1);
    for (char &c : name)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    if (name.find(".tar") != std::string::npos)
        return true;
    static const char *const kTarSuffixes[]
        = {".tgz", ".tbz", ".tbz2", ".tb2", ".txz", ".tzst", ".tzs", ".tlz", ".tlz4", ".taz", ".tz", ".tz2"};
    for (const char *suffix : kTarSuffixes) {
        if (EndsWithNoCase(name, suffix))
            return true;
    }
    return false;
}

// libarchive's word for a 7z coder it lacks, made plain: the filters 7-Zip
// added after this libarchive was written, by their IDs.
std::string UndecodableReason(archive *reader)
{
    const char *why = archive_error_string(reader);
    const std::string_view mark = "Unexpected codec ID: ";
    if (!why || std::string_view(why).substr(0, mark.size()) != mark)
        return {};
    const std::string id(why + mark.size());
    const std::string name = id == "A" || id == "a" ? "ARM64" : id == "B" || id == "b" ? "RISC-V" : "";
    return name.empty() ? "uses a method this version cannot decode (codec " + id + ")"
                        : "uses a filter this version cannot decode (" + name + ")";
}

bool SaysEncrypted(archive *reader)
{
    const char *why = archive_error_string(reader);
    return why && std::string(why).find("ncrypt") != std::string::npos;
}

} // namespace

OtherKindReader::OtherKindReader() = default;

template <size_t N> int OtherKindReader::start(const Support (&formats)[N])
{
    if (m_archive)
        archive_read_free(m_archive);
    m_first = nullptr;
    m_archive = NewReader(formats);
    // One gzip file (no set) is inflated by the engine's own decoder; other
    // compressions, and gzip inside a set, as libarchive gives them.
    m_gzip = m_volumes.size() == 1 ? GzipFeed::Open(m_volumes.front()) : nullptr;
    if (m_gzip) {
        if (archive_read_open(m_archive, m_gzip.get(), nullptr, GzipFeed::Read, nullptr) != ARCHIVE_OK)
            return kNotOpened;
        return archive_read_next_header(m_archive, &m_first);
    }
    std::vector<const char *> names;
    for (const std::string &volume : m_volumes)
        names.push_back(volume.c_str());
    names.push_back(nullptr);
    if (archive_read_open_filenames(m_archive, names.data(), 64 * 1024) != ARCHIVE_OK)
        return kNotOpened;
    return archive_read_next_header(m_archive, &m_first);
}

OtherKindReader::~OtherKindReader()
{
    if (m_archive)
        archive_read_free(m_archive);
    if (m_utf8) {
        uselocale(m_previous);
        freelocale(m_utf8);
    }
}

bool OtherKindReader::fail(const std::string &what)
{
    const char *why = m_archive ? archive_error_string(m_archive) : nullptr;
    m_error = what + (why ? std::string(": ") + why : std::string());
    return false;
}

bool OtherKindReader::open(const std::string &path, bool &recognised, std::string &reason)
{
    recognised = false;
    m_path = path;
    m_volumes = VolumesOfSet(path);
    if (m_volumes.empty())
        m_volumes = {path};
    for (const std::string &volume : m_volumes)
        m_totalSize = SaturatingAdd(m_totalSize, RegularFileSize(volume).value_or(0));
    int rc = start(kFormats);
    if (m_gzip && (rc == kNotOpened || (rc < ARCHIVE_WARN && archive_format(m_archive) == 0))) {
        // Our own inflating failed before libarchive saw any format: a damaged gzip.
        recognised = true;
        reason = Text(archive_error_string(m_archive), nullptr);
        return false;
    }
    if (rc == kNotOpened) {
        // Not even its first bytes: no kind to name, the ZIP reader's reason stands.
        return false;
    }
    int format = archive_format(m_archive);
    // The raw format takes anything; without a compression it is no archive.
    const bool compressed = archive_filter_count(m_archive) > 1 || m_gzip;
    if (!compressed && (format == 0 || (format & ARCHIVE_FORMAT_BASE_MASK) == ARCHIVE_FORMAT_RAW))
        return false;
    // A compressed file that begins with zeros reads as a tar's end marker:
    // unless its name says tar, it is one file, not an empty tar.
    if (rc == ARCHIVE_EOF && (format & ARCHIVE_FORMAT_BASE_MASK) == ARCHIVE_FORMAT_TAR && !NameSaysTar(path)) {
        const Support raw[] = {archive_read_support_format_raw};
        if ((rc = start(raw)) == kNotOpened)
            return false;
    }
    recognised = true;
    describe();
    if (rc == ARCHIVE_EOF) {
        m_first = nullptr;
        m_ended = true;
        return drainGzip() || (reason = m_error, false);
    }
    if (rc < ARCHIVE_WARN) {
        m_first = nullptr;
        fail("damaged " + m_kind);
        reason = m_error;
        return false;
    }
    return true;
}

void OtherKindReader::describe()
{
    const int format = archive_format(m_archive);
    m_bare = (format & ARCHIVE_FORMAT_BASE_MASK) == ARCHIVE_FORMAT_RAW;
    m_kind = FormatName(format);
    uint64_t ratio = FormatRatio(format);
    std::string outer;
    if (m_gzip) {
        ratio = SaturatingTimes(ratio, FilterRatio(ARCHIVE_FILTER_GZIP));
        outer = FilterName(ARCHIVE_FILTER_GZIP);
    }
    for (int i = 0; i + 1 < archive_filter_count(m_archive); ++i) {
        int code = archive_filter_code(m_archive, i);
        ratio = SaturatingTimes(ratio, FilterRatio(code) ? FilterRatio(code) : UINT64_MAX);
        if (outer.empty())
            outer = FilterName(code);
    }
    // Headers and end marks take bytes but give none: a little slack keeps
    // tiny honest archives clear of the edge.
    m_mostContents = SaturatingTimes(SaturatingAdd(m_totalSize, 64 * 1024), ratio);
    if (!outer.empty())
        m_method = outer;
    else if (m_kind == "7z" || m_kind == "RAR" || m_kind == "RAR5" || m_kind == "cab")
        m_method = m_kind;
    else
        m_method = "Stored";
    if (!outer.empty() && !m_bare)
        m_kind += " (" + outer + ")";
}

uint64_t OtherKindReader::bytesRead() const
{
    if (m_gzip)
        return m_gzip->bytesRead();
    int64_t read = m_archive ? archive_filter_bytes(m_archive, -1) : 0;
    return read > 0 ? uint64_t(read) : 0;
}

bool OtherKindReader::encryptionUnreadable() const
{
    // Before a format has taken the archive, libarchive has no one to ask and
    // would follow a null pointer (found by fuzz_kinds).
    if (!m_archive || archive_format(m_archive) == 0)
        return false;
    return archive_read_has_encrypted_entries(m_archive) > 0 || SaysEncrypted(m_archive);
}

bool OtherKindReader::holdsEncryptedEntries()
{
    const int format = archive_format(m_archive);
    const int base = format & ARCHIVE_FORMAT_BASE_MASK;
    if (base != ARCHIVE_FORMAT_7ZIP && base != ARCHIVE_FORMAT_RAR && base != ARCHIVE_FORMAT_RAR_V5)
        return false;
    // 7z and RAR say so only of the entry at hand, and a folder or a stored
    // file may come first: every header is read before anything is written.
    // Skipping costs nothing in 7z (one header at the end) and RAR 4 (a seek);
    // a solid RAR 5 is decoded to skip, the price of writing nothing.
    archive *scan = OpenAgain(format, m_volumes);
    if (!scan)
        return false;
    archive_entry *raw = nullptr;
    bool encrypted = false;
    int rc = ARCHIVE_OK;
    while (!encrypted && (rc = archive_read_next_header(scan, &raw)) >= ARCHIVE_WARN)
        encrypted = archive_entry_is_encrypted(raw) || archive_read_has_encrypted_entries(scan) > 0;
    if (!encrypted && rc < ARCHIVE_WARN)
        encrypted = SaysEncrypted(scan);
    archive_read_free(scan);
    return encrypted;
}

// libarchive stops at a tar's end marker: the rest of the gzip, its trailer
// above all, is inflated here so that its checks are not skipped.
bool OtherKindReader::drainGzip()
{
    if (!m_gzip)
        return true;
    const void *block = nullptr;
    ssize_t got;
    while ((got = GzipFeed::Read(m_archive, m_gzip.get(), &block)) > 0) {
    }
    if (got < 0) {
        m_error = Text(archive_error_string(m_archive), nullptr);
        return false;
    }
    return true;
}

std::string OtherKindReader::undecodableMethod()
{
    const int format = archive_format(m_archive);
    if ((format & ARCHIVE_FORMAT_BASE_MASK) != ARCHIVE_FORMAT_7ZIP)
        return {};
    // The coders are known only once data is asked for: the first file's
    // first block, read apart, tells whether its folder can be decoded at all.
    archive *probe = OpenAgain(format, m_volumes);
    if (!probe)
        return {};
    archive_entry *raw = nullptr;
    std::string reason;
    while (archive_read_next_header(probe, &raw) >= ARCHIVE_WARN) {
        if (archive_entry_filetype(raw) != AE_IFREG || archive_entry_size(raw) <= 0 || archive_entry_is_encrypted(raw))
            continue;
        const void *buffer = nullptr;
        size_t length = 0;
        la_int64_t at = 0;
        if (archive_read_data_block(probe, &buffer, &length, &at) < ARCHIVE_WARN)
            reason = UndecodableReason(probe);
        break;
    }
    archive_read_free(probe);
    return reason;
}

std::string OtherKindReader::bareName() const
{
    std::string name = m_path.substr(m_path.find_last_of('/') + 1);
    static const char *const kSuffixes[] = {".gz", ".bz2", ".xz", ".zst", ".lz4", ".lz", ".z", ".lzma"};
    for (const char *suffix : kSuffixes) {
        if (EndsWithNoCase(name, suffix) && name.size() > std::char_traits<char>::length(suffix))
            return name.substr(0, name.size() - std::char_traits<char>::length(suffix));
    }
    return name + ".out";
}

void OtherKindReader::fill(archive_entry *raw, OtherEntry &entry)
{
    entry = OtherEntry{};
    entry.name = Text(archive_entry_pathname_utf8(raw), archive_entry_pathname(raw));
    switch (archive_entry_filetype(raw)) {
    case AE_IFDIR: entry.type = OtherEntry::Type::Folder; break;
    case AE_IFLNK: entry.type = OtherEntry::Type::Symlink; break;
    case AE_IFCHR:
    case AE_IFBLK: entry.type = OtherEntry::Type::Device; break;
    case AE_IFIFO: entry.type = OtherEntry::Type::Fifo; break;
    case AE_IFSOCK: entry.type = OtherEntry::Type::Socket; break;
    default: entry.type = OtherEntry::Type::File; break;
    }
    if (entry.type == OtherEntry::Type::Symlink)
        entry.linkTarget = Text(archive_entry_symlink_utf8(raw), archive_entry_symlink(raw));
    if (archive_entry_hardlink(raw)) {
        entry.linkTarget = Text(archive_entry_hardlink_utf8(raw), archive_entry_hardlink(raw));
        // A hard link that carries data (cpio writes it with the last name) is a file of its own.
        if (entry.type == OtherEntry::Type::File && (!archive_entry_size_is_set(raw) || archive_entry_size(raw) == 0))
            entry.type = OtherEntry::Type::HardLink;
    }
    if (archive_entry_size_is_set(raw) && !m_bare)
        entry.size = uint64_t(std::max<int64_t>(archive_entry_size(raw), 0));
    if (entry.type == OtherEntry::Type::HardLink)
        entry.size = 0;
    entry.mode = uint32_t(archive_entry_perm(raw)) & 0777;
    if (archive_entry_mtime_is_set(raw)) {
        entry.mtime = archive_entry_mtime(raw);
        entry.mtimeNanos = uint32_t(std::clamp<long>(archive_entry_mtime_nsec(raw), 0, 999999999));
    }
    entry.sparse = archive_entry_sparse_count(raw) > 0;
    entry.encrypted = archive_entry_is_encrypted(raw) != 0;
    if (m_bare)
        entry.name = bareName();
}

bool OtherKindReader::next(OtherEntry &entry)
{
    archive_entry *raw = m_first;
    m_first = nullptr;
    if (!raw) {
        if (m_ended || failed())
            return false;
        int rc = archive_read_next_header(m_archive, &raw);
        m_ended = rc == ARCHIVE_EOF;
        if (m_ended) {
            drainGzip();
            return false;
        }
        if (rc < ARCHIVE_WARN)
            return fail("damaged " + m_kind);
    }
    fill(raw, entry);
    return true;
}

bool OtherKindReader::data(const uint8_t *&bytes, size_t &length, uint64_t &offset)
{
    const void *buffer = nullptr;
    la_int64_t at = 0;
    int rc = archive_read_data_block(m_archive, &buffer, &length, &at);
    if (rc == ARCHIVE_EOF)
        return false;
    if (rc < ARCHIVE_WARN && !UndecodableReason(m_archive).empty()) {
        m_error = UndecodableReason(m_archive);
        return false;
    }
    if (rc < ARCHIVE_WARN || at < 0)
        return fail("cannot be read");
    bytes = static_cast<const uint8_t *>(buffer);
    offset = uint64_t(at);
    return true;
}

} // namespace unzip32
