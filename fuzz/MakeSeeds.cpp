// Writes the seed corpora from the tests' own archive makers, so that no
// binary seeds need to be kept in the repository:
//   fuzz_seeds FOLDER  ->  FOLDER/archive, FOLDER/names, FOLDER/decode-<method>
#include "Codecs.h"
#include "RawZipWriter.h"
#include "ZipBuilder.h"

#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Just past the size up to which an entry is decoded in one piece.
constexpr size_t kLargeEntry = (8u << 20) + (1u << 20);

void put(const fs::path &file, const std::string &bytes)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

std::string text(size_t length)
{
    std::string out;
    for (size_t i = 0; out.size() < length; ++i)
        out += "line " + std::to_string(i % 97) + " of a seed that compresses\n";
    out.resize(length);
    return out;
}

void archives(const fs::path &folder)
{
    const std::string small = text(300), larger = text(20000);
    int n = 0;
    auto raw = [&](const RawZip &zip) { put(folder / ("raw" + std::to_string(n++) + ".zip"), BuildRawZip(zip)); };

    for (uint16_t method : {0, 8, 12, 14, 93, 95})
        raw({.entries = {CompressedEntry("dir/a.txt", method, small), CompressedEntry("b.txt", method, larger)}});
    RawEntry crypto = CompressedEntry("secret.txt", 8, small);
    crypto.zipCryptoPassword = "secret";
    RawEntry streamed = CompressedEntry("streamed.txt", 8, small);
    streamed.dataDescriptor = true;
    RawEntry link = StoredEntry("sub/link", "../dir/a.txt");
    link.externalAttributes = uint32_t(S_IFLNK | 0777) << 16;
    // A target no path can follow: one name longer than any the system allows.
    RawEntry longLink = StoredEntry("sub/long", std::string(300, 'n'));
    longLink.externalAttributes = uint32_t(S_IFLNK | 0777) << 16;
    RawEntry dirEntry = StoredEntry("dir/", "");
    dirEntry.externalAttributes = uint32_t(S_IFDIR | 0755) << 16;
    RawEntry unicode = StoredEntry("old.txt", "u");
    unicode.centralExtra = UnicodePathExtra("old.txt", "new\xe2\x82\xac.txt");
    raw({.entries = {dirEntry, crypto, streamed, link, longLink, unicode, StoredEntry("..\\up.txt", "x")}});
    raw({.prefix = "#!/bin/sh\nexit 0\n", .entries = {StoredEntry("after-prefix.txt", small)}});
    raw({.entries = {CompressedEntry("z64.txt", 8, small)}, .zip64 = true});
    raw({});

    auto lib = [&](const std::vector<ZipEntry> &entries, const std::string &password = "") {
        fs::path file = folder / ("lib" + std::to_string(n++) + ".zip");
        MakeZip(file, entries, password);
    };
    lib({{.name = "aes128.txt", .data = small, .encrypted = true, .aesBits = 128},
         {.name = "aes256.txt", .data = larger, .method = ZipMethod::Store, .encrypted = true}},
        "secret");
    lib({{.name = "bz.txt", .data = larger, .method = ZipMethod::Bzip2},
         {.name = "folder", .directory = true},
         {.name = "folder/link", .symlinkTarget = std::string("../bz.txt")},
         {.name = "mode.txt", .data = "m", .mode = 06755}});

    // Entries past the whole-entry limit are written behind their decoder on a
    // thread of its own; without a seed that large the fuzzer seldom gets there.
    // Two methods are enough (the writing is the same for all), and each such
    // seed costs whole milliseconds per run.
    const std::string large = text(kLargeEntry);
    for (uint16_t method : {8, 93})
        raw({.entries = {CompressedEntry("large.txt", method, large), CompressedEntry("after.txt", method, small)}});
}

void names(const fs::path &folder)
{
    const std::vector<std::string> seeds = {
        std::string("\x01") + "a/b/c.txt",
        std::string("\x03") + "../../etc/passwd",
        std::string("\x01") + "C:\\win\\system.ini",
        std::string("\x01") + "//server/share/x",
        std::string("\x07") + "a b/./c d.txt",
        std::string("\x01") + "sub/link" + std::string(1, '\0') + "../x/y",
        std::string("\x01") + "a/b/c/link" + std::string(1, '\0') + "../../z",
        std::string("\x01") + "x/link" + std::string(1, '\0') + "y/../../..",
    };
    int n = 0;
    for (const std::string &seed : seeds)
        put(folder / ("name" + std::to_string(n++)), seed);
}

void decoders(const fs::path &root)
{
    struct Method {
        const char *name;
        uint16_t method;
    };
    for (Method m : {Method{"deflate", 8}, {"bzip2", 12}, {"lzma", 14}, {"xz", 95}, {"zstd", 93}}) {
        fs::path folder = root / (std::string("decode-") + m.name);
        fs::create_directories(folder);
        int n = 0;
        for (size_t length : {0u, 1u, 100u, 5000u, 70000u}) {
            std::string plain = text(length);
            RawEntry entry = CompressedEntry("x", m.method, plain);
            std::string head
                = {char(entry.flags), char(length & 0xFF), char(length >> 8 & 0xFF), char(length >> 16 & 0xFF)};
            put(folder / ("seed" + std::to_string(n++)), head + entry.data);
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds FOLDER\n");
        return 2;
    }
    fs::path root = argv[1];
    for (const char *sub : {"archive", "names"})
        fs::create_directories(root / sub);
    archives(root / "archive");
    names(root / "names");
    decoders(root);
    return 0;
}
