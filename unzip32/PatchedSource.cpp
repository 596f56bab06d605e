#include "PatchedSource.h"

#include "ArchiveFile.h"

#include <zip.h>

#include <algorithm>
#include <cerrno>

namespace unzip32 {

namespace {

struct PatchedFile {
    std::shared_ptr<const ArchiveFile> file;
    uint64_t size = 0;
    uint64_t position = 0;
    BytePatches patches;
    zip_error_t error;
};

zip_int64_t readPatched(PatchedFile &file, void *data, zip_uint64_t length)
{
    length = std::min<zip_uint64_t>(length, file.size - std::min(file.position, file.size));
    ssize_t n = file.file->read(data, length, file.position);
    if (n < 0) {
        zip_error_set(&file.error, ZIP_ER_READ, errno);
        return -1;
    }
    auto *bytes = static_cast<uint8_t *>(data);
    auto from = std::lower_bound(file.patches.begin(), file.patches.end(), BytePatch{file.position, 0, 0});
    for (auto it = from; it != file.patches.end() && it->offset < file.position + uint64_t(n); ++it) {
        uint8_t &byte = bytes[it->offset - file.position];
        byte = uint8_t((byte & ~it->clear) | it->set);
    }
    file.position += uint64_t(n);
    return n;
}

zip_int64_t callback(void *userdata, void *data, zip_uint64_t length, zip_source_cmd_t command)
{
    auto &file = *static_cast<PatchedFile *>(userdata);
    switch (command) {
    case ZIP_SOURCE_OPEN: file.position = 0; return 0;
    case ZIP_SOURCE_READ: return readPatched(file, data, length);
    case ZIP_SOURCE_CLOSE: return 0;
    case ZIP_SOURCE_STAT: {
        auto *stat = static_cast<zip_stat_t *>(data);
        zip_stat_init(stat);
        stat->size = file.size;
        stat->valid |= ZIP_STAT_SIZE;
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_ERROR: return zip_error_to_data(&file.error, data, length);
    case ZIP_SOURCE_FREE:
        zip_error_fini(&file.error);
        delete &file;
        return 0;
    case ZIP_SOURCE_SEEK: {
        zip_int64_t to = zip_source_seek_compute_offset(file.position, file.size, data, length, &file.error);
        if (to < 0)
            return -1;
        file.position = uint64_t(to);
        return 0;
    }
    case ZIP_SOURCE_TELL: return zip_int64_t(file.position);
    case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                              ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, ZIP_SOURCE_SEEK, ZIP_SOURCE_TELL,
                                              ZIP_SOURCE_SUPPORTS, -1);
    default: zip_error_set(&file.error, ZIP_ER_OPNOTSUPP, 0); return -1;
    }
}

} // namespace

std::string LibzipOpenFailure(int code)
{
    if (code == ZIP_ER_NOZIP)
        return "not a ZIP archive";
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string reason = std::string("cannot be read as a ZIP archive (") + zip_error_strerror(&error) + ")";
    zip_error_fini(&error);
    return reason;
}

zip_t *OpenPatched(const std::shared_ptr<const ArchiveFile> &archive, const BytePatches &patches, std::string &reason)
{
    auto *file = new PatchedFile;
    zip_error_init(&file->error);
    file->patches = patches;
    file->file = archive;
    file->size = archive->size();
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_function_create(callback, file, &error);
    if (!source) {
        zip_error_fini(&file->error);
        delete file;
        reason = "cannot be read as a ZIP archive";
        zip_error_fini(&error);
        return nullptr;
    }
    zip_t *zip = zip_open_from_source(source, ZIP_RDONLY, &error);
    if (!zip) {
        reason = LibzipOpenFailure(zip_error_code_zip(&error));
        zip_source_free(source); // frees the file through ZIP_SOURCE_FREE
    }
    zip_error_fini(&error);
    return zip;
}

} // namespace unzip32
