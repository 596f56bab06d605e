#include "ZipBuilder.h"

#include "RawZipWriter.h"

#include <zip.h>

#include <stdexcept>
#include <sys/stat.h>

namespace {

[[noreturn]] void fail(zip_t *archive, const std::string &what)
{
    std::string reason = archive ? zip_strerror(archive) : "cannot open";
    if (archive)
        zip_discard(archive);
    throw std::runtime_error("MakeZip: " + what + ": " + reason);
}

int32_t libzipMethod(ZipMethod method)
{
    switch (method) {
    case ZipMethod::Store: return ZIP_CM_STORE;
    case ZipMethod::Deflate: return ZIP_CM_DEFLATE;
    case ZipMethod::Bzip2: return ZIP_CM_BZIP2;
    case ZipMethod::Lzma: return ZIP_CM_LZMA;
    case ZipMethod::Xz: return ZIP_CM_XZ;
    case ZipMethod::Zstd: return 93;
    }
    return ZIP_CM_DEFLATE;
}

bool libzipWrites(ZipMethod method)
{
    return method == ZipMethod::Store || method == ZipMethod::Deflate || method == ZipMethod::Bzip2;
}

void makeRawZip(const std::filesystem::path &file, const std::vector<ZipEntry> &entries)
{
    RawZip zip;
    for (const ZipEntry &entry : entries) {
        if (entry.encrypted)
            throw std::runtime_error("MakeZip: AES entries need a method libzip writes: " + entry.name);
        RawEntry raw;
        if (entry.directory) {
            raw = StoredEntry(entry.name.ends_with('/') ? entry.name : entry.name + "/", "");
            raw.externalAttributes = (S_IFDIR | entry.mode.value_or(0755)) << 16 | 0x10;
        } else {
            const std::string &content = entry.symlinkTarget ? *entry.symlinkTarget : entry.data;
            raw = CompressedEntry(entry.name, uint16_t(libzipMethod(entry.method)), content);
            raw.externalAttributes
                = ((entry.symlinkTarget ? S_IFLNK : S_IFREG) | entry.mode.value_or(entry.symlinkTarget ? 0777 : 0644))
                << 16;
        }
        raw.flags |= 0x800;
        if (entry.mtime) {
            struct tm parts {};
            localtime_r(&*entry.mtime, &parts);
            raw.dosTime = uint16_t(parts.tm_hour << 11 | parts.tm_min << 5 | parts.tm_sec / 2);
            raw.dosDate = uint16_t((parts.tm_year - 80) << 9 | (parts.tm_mon + 1) << 5 | parts.tm_mday);
        }
        zip.entries.push_back(std::move(raw));
    }
    WriteRawZip(file, zip);
}

} // namespace

void MakeZip(const std::filesystem::path &file, const std::vector<ZipEntry> &entries, const std::string &password)
{
    for (const ZipEntry &entry : entries) {
        if (!entry.directory && !libzipWrites(entry.method))
            return makeRawZip(file, entries);
    }
    std::error_code ec;
    std::filesystem::remove(file, ec);
    int error = 0;
    zip_t *archive = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        fail(nullptr, file.string());

    for (const ZipEntry &entry : entries) {
        zip_int64_t index;
        uint32_t type;
        if (entry.directory) {
            std::string name = entry.name;
            if (!name.empty() && name.back() == '/')
                name.pop_back();
            index = zip_dir_add(archive, name.c_str(), ZIP_FL_ENC_UTF_8);
            type = S_IFDIR;
        } else {
            const std::string &content = entry.symlinkTarget ? *entry.symlinkTarget : entry.data;
            // libzip keeps the pointer until zip_close; the entries outlive that call.
            zip_source_t *source = zip_source_buffer(archive, content.data(), content.size(), 0);
            if (!source)
                fail(archive, entry.name);
            index = zip_file_add(archive, entry.name.c_str(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
            if (index < 0) {
                zip_source_free(source);
                fail(archive, entry.name);
            }
            type = entry.symlinkTarget ? S_IFLNK : S_IFREG;
            if (zip_set_file_compression(archive, index, libzipMethod(entry.method), 0) < 0)
                fail(archive, entry.name);
        }
        if (index < 0)
            fail(archive, entry.name);
        if (entry.mode || entry.symlinkTarget) {
            uint32_t mode = entry.mode.value_or(0777);
            if (zip_file_set_external_attributes(archive, index, 0, ZIP_OPSYS_UNIX, (type | mode) << 16) < 0)
                fail(archive, entry.name);
        }
        if (entry.mtime && zip_file_set_mtime(archive, index, *entry.mtime, 0) < 0)
            fail(archive, entry.name);
        if (entry.encrypted
            && zip_file_set_encryption(archive, index,
                                       entry.aesBits == 128       ? ZIP_EM_AES_128
                                           : entry.aesBits == 192 ? ZIP_EM_AES_192
                                                                  : ZIP_EM_AES_256,
                                       password.c_str())
                < 0)
            fail(archive, entry.name);
    }
    if (zip_close(archive) < 0)
        fail(archive, file.string());
}
