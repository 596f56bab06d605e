#include "EntryWorker.h"

#include <zip.h>

#include <sys/stat.h>

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
    ~FileCloser() { zip_fclose(file); }
};

std::string readFailure(const ArchiveEntry &entry, const LibzipSource &source)
{
    // libzip reports a failed authentication code of an AES entry as a CRC error.
    if (source.code() == ZIP_ER_CRC)
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
    return request;
}

zip_file_t *EntryWorker::openEntry(const EntryJob &job, std::string &reason)
{
    if (!m_zip && !(m_zip = OpenWithLibzip(m_shared.archivePath, *m_shared.patches, reason)))
        return nullptr;
    zip_file_t *file = zip_fopen_index_encrypted(m_zip, job.entry->index, ZIP_FL_COMPRESSED,
                                                 job.password.empty() ? nullptr : job.password.c_str());
    if (!file) {
        int code = zip_error_code_zip(zip_get_error(m_zip));
        reason = code == ZIP_ER_WRONGPASSWD ? "wrong password"
                 : code == ZIP_ER_NOPASSWD  ? "a password is needed"
                 : code == ZIP_ER_ENCRNOTSUPP ? "unsupported encryption method"
                                              : std::string("cannot be read: ") + zip_strerror(m_zip);
        zip_error_clear(m_zip);
    }
    return file;
}

EntryResult EntryWorker::process(const EntryJob &job)
{
    try {
        return processFile(job);
    } catch (const std::exception &error) {
        return {job.entry, false, false, error.what()};
    } catch (...) {
        return {job.entry, false, false, "internal failure"};
    }
}

EntryResult EntryWorker::processFile(const EntryJob &job)
{
    const ArchiveEntry &entry = *job.entry;
    EntryResult result{&entry, false, false, {}};
    if (m_shared.cancel.load()) {
        result.cancelled = true;
        return result;
    }
    zip_file_t *file = openEntry(job, result.reason);
    if (!file)
        return result;
    FileCloser closer{file};
    LibzipSource source(file);
    DecodeRequest request = requestFor(entry);

    if (job.components.empty()) {
        DecodeStatus status = DecodeEntry(request, source, nullptr, m_context);
        result.ok = status == DecodeStatus::Ok;
        result.cancelled = status == DecodeStatus::Cancelled;
        if (!result.ok)
            result.reason = status == DecodeStatus::ReadFailed ? readFailure(entry, source) : DescribeStatus(status);
        return result;
    }

    uint32_t mode = 0644;
    if (entry.central.unixHost() && (entry.central.unixMode() & 0777))
        mode = entry.central.unixMode() & 0777;
    mode |= 0600; // the owner can always read and replace what we wrote

    EntryFile output(m_folders, m_shared.settings, m_id);
    if (!output.create(job.components, mode, result.reason))
        return result;
    DecodeStatus status = DecodeEntry(request, source, &output, m_context);
    if (status != DecodeStatus::Ok) {
        output.abandon();
        result.cancelled = status == DecodeStatus::Cancelled;
        result.reason = status == DecodeStatus::ReadFailed    ? readFailure(entry, source)
                        : status == DecodeStatus::WriteFailed ? "cannot be written: " + output.writeError()
                                                              : DescribeStatus(status);
        return result;
    }
    if (!output.commit(entry.mtime, job.replace, result.reason)) {
        output.abandon();
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
    zip_file_t *file = openEntry(job, reason);
    if (!file)
        return false;
    FileCloser closer{file};
    LibzipSource source(file);
    StringOutput output;
    DecodeStatus status = DecodeEntry(requestFor(*job.entry), source, &output, m_context);
    if (status != DecodeStatus::Ok) {
        reason = status == DecodeStatus::ReadFailed ? readFailure(*job.entry, source) : DescribeStatus(status);
        return false;
    }
    target = output.text;
    return true;
}

} // namespace unzip32
