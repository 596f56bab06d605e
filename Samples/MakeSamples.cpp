// Packs one folder of the sample content into one archive for the program's
// "Samples" folder. Entries keep the folder's own name as their first
// component, so each sample extracts into a folder of its name.
//   make_samples <archive.zip> <content folder> [password]
// With a password every entry is encrypted with AES-256.

#include <zip.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A fixed date keeps the archives identical from one build to the next.
constexpr std::time_t SampleDate = 1714564800; // 2024-05-01 12:00 UTC

bool IsAlreadyCompressed(const fs::path &path)
{
    const std::string extension = path.extension().string();
    return extension == ".png" || extension == ".jpg" || extension == ".zip";
}

bool Fail(zip_t *archive, const std::string &what)
{
    std::fprintf(stderr, "make_samples: %s: %s\n", what.c_str(), archive ? zip_strerror(archive) : "");
    if (archive)
        zip_discard(archive);
    return false;
}

bool Pack(const fs::path &output, const fs::path &folder, const char *password)
{
    std::error_code ec;
    fs::create_directories(output.parent_path(), ec);
    int error = 0;
    zip_t *archive = zip_open(output.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive) {
        std::fprintf(stderr, "make_samples: cannot create %s (libzip error %d)\n", output.c_str(), error);
        return false;
    }

    std::vector<fs::path> files;
    for (const auto &entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    if (files.empty())
        return Fail(archive, "no files in " + folder.string());

    const fs::path base = folder.filename();
    for (const fs::path &file : files) {
        const std::string name = (base / fs::relative(file, folder)).generic_string();
        zip_source_t *source = zip_source_file(archive, file.c_str(), 0, -1);
        if (!source)
            return Fail(archive, file.string());
        const zip_int64_t index = zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(source);
            return Fail(archive, name);
        }
        const zip_uint64_t at = zip_uint64_t(index);
        if (zip_set_file_compression(archive, at, IsAlreadyCompressed(file) ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 9) < 0
            || zip_file_set_mtime(archive, at, SampleDate, 0) < 0)
            return Fail(archive, name);
        if (password && zip_file_set_encryption(archive, at, ZIP_EM_AES_256, password) < 0)
            return Fail(archive, name + " (encryption)");
    }
    if (zip_close(archive) < 0)
        return Fail(archive, output.string());
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: make_samples <archive.zip> <content folder> [password]\n");
        return 2;
    }
    return Pack(argv[1], argv[2], argc == 4 ? argv[3] : nullptr) ? 0 : 1;
}
