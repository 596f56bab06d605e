#include "EntryWorker.h"

#include <zip.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace unzip32 {

namespace {

class LibzipSource : public Source {
public:
    explicit LibzipSource(zip_file_t *file) : m_file(file) {}
    ssize_t read(void *buffer, size_t length) override
    {
        zip_int64_t n = zip_fread(m_file, buffer, length);
        if (n < 0)
            m_code = zip_error_code_zip(zip_file_get_error(m_file));
        return ssize_t(n);
    }
    std::string error() const override { return zip_file_strerror(m_file); }
    int code() const { return m_code; }

private:
    zip_file_t *m_file;
    int m_code = 0;
};

// An unencrypted entry's stored bytes, read straight from the archive at the
// offsets our own reading of the directory and local header found (and the
// overlap check accepted): one pread for a small entry, no seeking, no
// per-thread libzip handle. libzip is only needed to decrypt.
class RawSource : public Source {
public:
    RawSource(const ArchiveFile &file, uint64_t offset, uint64_t length)
        : m_file(file), m_offset(offset), m_left(length)
    {}
    ssize_t read(void *buffer, size_t length) override
    {
        if (m_left == 0)
            return 0;
        length = size_t(std::min<uint64_t>(length, m_left));
        std::string why;
        ssize_t n = m_file.read(buffer, length, m_offset, &why);
        if (n <= 0) {
            m_error = !why.empty() ? why : n == 0 ? "the archive ends before the entry's data" : ErrnoText(errno);
            return -1;
        }
        m_offset += uint64_t(n);
        m_left -= uint64_t(n);
        return n;
    }
    std::string error() const override { return m_error; }
    const uint8_t *view(uint64_t &length) override
    {
        const uint8_t *data = m_file.view(m_offset, m_left);
        length = 0;
        if (!data)
            return nullptr;
        length = m_left;
        m_offset += m_left;
        m_left = 0;
        return data;
    }

private:
    const ArchiveFile &m_file;
    uint64_t m_offset, m_left;
    std::string m_error;
};

class StringOutput : public Output {
public:
    bool write(const uint8_t *data, size_t length) override
    {
        text.append(reinterpret_cast<const char *>(data), length);
        return true;
    }
    std::string text;
};

struct FileCloser {
    zip_file_t *file;
    ~FileCloser()
    {
        if (file)
            zip_fclose(file);
    }
};

// A large entry's share of the call's totals, growing as it decodes: its
// contents as decoded, its compressed bytes in the same proportion.
class ProgressShare : public DecodeProgress {
public:
    ProgressShare(const LargeEntryProgress &progress, const ArchiveEntry &entry) : m_progress(progress), m_entry(entry)
    {}
    void decoded(uint64_t bytes) override
    {
        const CentralEntry &c = m_entry.central;
        const uint64_t packedNow
            = c.size == 0 ? c.packedSize : uint64_t((unsigned __int128)c.packedSize * std::min(bytes, c.size) / c.size);
        m_progress.size += bytes - size;
        m_progress.packed += packedNow - packed;
        size = bytes;
        packed = packedNow;
        m_progress.latest = &m_entry;
        if (m_progress.moved)
            m_progress.moved();
    }
    uint64_t size = 0, packed = 0;

private:
    const LargeEntryProgress &m_progress;
    const ArchiveEntry &m_entry;
};

std::string readFailure(const ArchiveEntry &entry, const Source &source)
{
    // libzip reports a failed authentication code of an AES entry as a CRC error.
    auto *libzip = dynamic_cast<const LibzipSource *>(&source);
    if (libzip && libzip->code() == ZIP_ER_CRC)
        return entry.central.isAes() ? "the data is damaged or was altered (authentication failed)"
                                     : DescribeStatus(DecodeStatus::BadCrc);
    return DescribeStatus(DecodeStatus::ReadFailed) + " (" + source.error() + ")";
}

} // namespace

EntryWorker::~EntryWorker()
{
    if (m_zip)
        zip_discard(m_zip);
}

DecodeRequest EntryWorker::requestFor(const ArchiveEntry &entry) const
{
    DecodeRequest request;
    request.method = entry.central.method;
    request.flags = entry.central.flags;
    request.packedSize = entry.central.packedSize;
    request.size = entry.central.size;
    request.crc = entry.central.crc;
    request.checkCrc = entry.central.crcIsMeaningful();
    request.cancel = &m_shared.cancel;
    // The caller is asked whether to go on while a decoder waits, as while a large entry decodes.
    request.waiting = [this, &entry] {
        m_shared.progress.latest = &entry;
        if (m_shared.progress.moved)
            m_shared.progress.moved();
    };
    return request;
}

zip_file_t *EntryWorker::openEntry(const EntryJob &job, std::string &reason)
{
    if (!m_zip && !(m_zip = OpenWithLibzip(m_shared.archive, *m_shared.patches, reason)))
        return nullptr;
    zip_file_t *file = zip_fopen_index_encrypted(m_zip, job.entry->index, ZIP_FL_COMPRESSED,
                                                 job.password.empty() ? nullptr : job.password.c_str());
    if (!file) {
        int code = zip_error_code_zip(zip_get_error(m_zip));
        reason = code == ZIP_ER_WRONGPASSWD ? "wrong password"
            : code == ZIP_ER_NOPASSWD       ? "a password is needed"
            : code == ZIP_ER_ENCRNOTSUPP    ? "unsupported encryption method"
                                            : std::string("cannot be read: ") + zip_strerror(m_zip);
        zip_error_clear(m_zip);
    }
    return file;
}

EntryResult EntryWorker::process(const EntryJob &job)
{
    EntryResult result;
    try {
        result = processFile(job);
    } catch (const std::exception &error) {
        result = {job.entry, false, false, error.what(), {}};
    } catch (...) {
        result = {job.entry, false, false, "internal failure", {}};
    }
    result.target = job.target;
    result.renamed = job.renamed;
    return result;
}

EntryResult EntryWorker::processFile(const EntryJob &job)
{
    const ArchiveEntry &entry = *job.entry;
    if (m_shared.cancel.load())
        return {&entry, false, true, {}, {}};
    std::optional<EntryFile> file;
    if (!job.components.empty()) {
        uint32_t mode = 0644;
        if (entry.central.unixHost() && (entry.central.unixMode() & 0777))
            mode = entry.central.unixMode() & 0777;
        mode |= 0600; // the owner can always read and replace what we wrote
        file.emplace(m_folders, m_shared.settings, m_id);
        std::string reason;
        if (!file->create(job.components, mode, reason))
            return {&entry, false, false, reason, {}};
    }
    Output *output = file ? &*file : nullptr;
    if (!entry.central.encrypted()) {
        RawSource source(*m_shared.archive, entry.central.dataOffset, entry.central.packedSize);
        return decodeInto(job, source, output, file ? &*file : nullptr);
    }
    EntryResult result{&entry, false, false, {}, {}};
    zip_file_t *zipFile = openEntry(job, result.reason);
    if (!zipFile)
        return result;
    FileCloser closer{zipFile};
    LibzipSource source(zipFile);
    return decodeInto(job, source, output, file ? &*file : nullptr);
}

EntryResult EntryWorker::decodeInto(const EntryJob &job, Source &source, Output *output, EntryFile *file)
{
    const ArchiveEntry &entry = *job.entry;
    EntryResult result{&entry, false, false, {}, {}};
    DecodeRequest request = requestFor(entry);
    ProgressShare share(m_shared.progress, entry);
    if (job.reportsProgress)
        request.progress = &share;
    DecodeStatus status = DecodeEntry(request, source, output, m_context);
    result.progressSize = share.size;
    result.progressPacked = share.packed;
    if (status != DecodeStatus::Ok) {
        if (file)
            file->abandon();
        result.cancelled = status == DecodeStatus::Cancelled;
        result.reason = status == DecodeStatus::ReadFailed ? readFailure(entry, source)
            : status == DecodeStatus::WriteFailed          ? "cannot be written: " + file->writeError()
                                                           : DescribeStatus(status);
        return result;
    }
    if (file && !file->commit(entry.modified(), job.replace, result.reason)) {
        file->abandon();
        // A folder in the way is said as plainly as when it was seen beforehand.
        if (file->lastError() != EISDIR)
            result.reason = "cannot be put in place: " + result.reason;
        return result;
    }
    result.ok = true;
    return result;
}

bool EntryWorker::readSymlinkTarget(const EntryJob &job, std::string &target, std::string &reason)
{
    if (job.entry->central.size >= 4096) {
        reason = "the link's target is too long";
        return false;
    }
    StringOutput output;
    DecodeStatus status;
    std::optional<LibzipSource> libzip;
    std::optional<RawSource> raw;
    zip_file_t *file = nullptr;
    if (job.entry->central.encrypted()) {
        if (!(file = openEntry(job, reason)))
            return false;
        libzip.emplace(file);
    } else {
        raw.emplace(*m_shared.archive, job.entry->central.dataOffset, job.entry->central.packedSize);
    }
    FileCloser closer{file};
    Source &source = libzip ? static_cast<Source &>(*libzip) : *raw;
    status = DecodeEntry(requestFor(*job.entry), source, &output, m_context);
    if (status != DecodeStatus::Ok) {
        reason = status == DecodeStatus::ReadFailed ? readFailure(*job.entry, source) : DescribeStatus(status);
        return false;
    }
    target = output.text;
    return true;
}

} // namespace unzip32
