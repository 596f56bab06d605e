// Archives of other kinds through the same call as a ZIP: every kind and
// compression the engine promises arrives whole, and lists and tests too.
#include "EngineCall.h"
#include "KindMakers.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

struct KindCase {
    const char *archive;
    const char *command; // run in a folder holding src/a.txt and src/sub/b.bin
    const char *method;  // as listed
};

// Every one holds a.txt and sub/b.bin (a bare stream: a.txt alone).
const KindCase kKinds[] = {
    {"k.tar", "tar -cf k.tar -C src .", "Stored"},
    {"k.tar.gz", "tar -czf k.tar.gz -C src .", "gzip"},
    {"k.tbz", "tar -cjf k.tbz -C src a.txt sub", "bzip2"},
    {"k.txz", "tar -cJf k.txz -C src a.txt sub", "xz"},
    {"k.tar.zst", "tar --zstd -cf k.tar.zst -C src a.txt sub", "zstd"},
    {"k.tar.lzma", "tar -cf - -C src a.txt sub | lzma -c > k.tar.lzma", "lzma"},
    {"k.tar.lz", "tar --lzip -cf k.tar.lz -C src a.txt sub", "lzip"},
    {"k.tar.lz4", "tar -I lz4 -cf k.tar.lz4 -C src a.txt sub", "lz4"},
    {"k.tar.Z", "tar -Z -cf k.tar.Z -C src a.txt sub", "compress"},
    {"k.pax", "tar --format=pax -cf k.pax -C src a.txt sub", "Stored"},
    {"k.cpio", "cd src && find . | cpio -o -H newc > ../k.cpio", "Stored"},
    {"k.iso", "xorriso -as mkisofs -R -J -o k.iso src", "Stored"},
    {"k.cab", "cd src && gcab -c -z ../k.cab a.txt sub/b.bin", "cab"},
    {"lzma2.7z", "cd src && 7zz a -t7z -m0=LZMA2 ../lzma2.7z a.txt sub", "7z"},
    {"ppmd.7z", "cd src && 7zz a -t7z -m0=PPMd -ms=off ../ppmd.7z a.txt sub", "7z"},
    {"bzip2.7z", "cd src && 7zz a -t7z -m0=BZip2 ../bzip2.7z a.txt sub", "7z"},
    {"deflate.7z", "cd src && 7zz a -t7z -m0=Deflate ../deflate.7z a.txt sub", "7z"},
    {"copy.7z", "cd src && 7zz a -t7z -m0=Copy -mhc=off ../copy.7z a.txt sub", "7z"},
    {"bcj.7z", "cd src && 7zz a -t7z -mf=BCJ -m0=LZMA ../bcj.7z a.txt sub", "7z"},
    {"arm.7z", "cd src && 7zz a -t7z -mf=ARM -m0=LZMA2 ../arm.7z a.txt sub", "7z"},
    {"bcj2.7z",
     "cd src && 7zz a -t7z -m0=BCJ2 -m1=LZMA -m2=LZMA -m3=LZMA -mb0:1 -mb0s1:2 -mb0s2:3 ../bcj2.7z a.txt sub", "7z"},
    // The 7z behind a stub of a self-extractor's size.
    {"sfx.exe",
     "cd src && 7zz a -t7z ../s.7z a.txt sub && cd .. && { printf MZ; head -c 159742 /dev/zero; cat s.7z; } > sfx.exe",
     "7z"},
};

void MakeSource(const TempDir &dir)
{
    std::string text;
    for (int i = 0; i < 2000; ++i)
        text += "line " + std::to_string(i % 37) + "\n";
    dir.write("src/a.txt", text);
    std::string bytes;
    for (int i = 0; i < 5000; ++i)
        bytes += char(i * 7919 % 251);
    dir.write("src/sub/b.bin", bytes);
}

} // namespace

TEST(OtherKinds, EveryKindArrivesWholeListsAndTests)
{
    TempDir dir;
    MakeSource(dir);
    for (const KindCase &kind : kKinds) {
        SCOPED_TRACE(kind.archive);
        ASSERT_TRUE(RunIn(dir.path(), kind.command)) << "the maker failed: " << kind.command;
        const std::string archive = (dir / kind.archive).string(), out = (dir / "out" / kind.archive).string();
        EngineCall call(archive, out);
        EXPECT_EQ(call.run(), UZ_OK);
        EXPECT_TRUE(dir.read("out/" + std::string(kind.archive) + "/a.txt") == dir.read("src/a.txt"));
        EXPECT_TRUE(dir.read("out/" + std::string(kind.archive) + "/sub/b.bin") == dir.read("src/sub/b.bin"));
        EXPECT_TRUE(call.printed("extracted: a.txt") || call.printed("extracted: ./a.txt: written as a.txt"))
            << testing::PrintToString(call.lines);

        EngineCall list(archive, out);
        list.options.ListOnly = 1;
        EXPECT_EQ(list.run(), UZ_OK);
        ASSERT_FALSE(list.listed.empty());
        EXPECT_EQ(list.listed.back().method, kind.method);
        EngineCall test(archive, out);
        test.options.TestOnly = 1;
        EXPECT_EQ(test.run(), UZ_OK);
        EXPECT_TRUE(test.printed("tested: a.txt") || test.printed("tested: ./a.txt"));
        EXPECT_EQ(test.callbacks.EntryCount, list.callbacks.EntryCount);
    }
}

TEST(OtherKinds, ABareCompressedFileIsNamedByTheArchiveNotItsHeader)
{
    TempDir dir;
    MakeSource(dir);
    // Zeros first read as a tar's end marker: only a name that says tar makes them one.
    ASSERT_TRUE(RunIn(dir.path(),
                      "head -c 5000 /dev/zero > src/zeros && head -c 1024 /dev/zero > src/disk.img"
                      " && cat src/a.txt >> src/disk.img"));
    const char *makers[][3] = {{"a.txt.gz", "gzip -N -c src/a.txt > a.txt.gz", "a.txt"},
                               {"a.txt.bz2", "bzip2 -c src/a.txt > a.txt.bz2", "a.txt"},
                               {"a.txt.xz", "xz -c src/a.txt > a.txt.xz", "a.txt"},
                               {"a.txt.zst", "zstd -q -c src/a.txt > a.txt.zst", "a.txt"},
                               {"a.txt.lz4", "lz4 -q -c src/a.txt > a.txt.lz4", "a.txt"},
                               {"a.txt.lz", "lzip -c src/a.txt > a.txt.lz", "a.txt"},
                               {"a.txt.Z", "compress -c src/a.txt > a.txt.Z", "a.txt"},
                               {"renamed.gz", "cp a.txt.gz renamed.gz", "a.txt"},
                               {"zeros.xz", "xz -c src/zeros > zeros.xz", "zeros"},
                               {"zeros.gz", "gzip -c src/zeros > zeros.gz", "zeros"},
                               {"disk.img.gz", "gzip -c src/disk.img > disk.img.gz", "disk.img"}};
    for (auto &maker : makers) {
        SCOPED_TRACE(maker[0]);
        ASSERT_TRUE(RunIn(dir.path(), maker[1]));
        EngineCall call((dir / maker[0]).string(), (dir / "out" / maker[0]).string());
        EXPECT_EQ(call.run(), UZ_OK);
        std::string name = fs::path(maker[0]).stem().string();
        EXPECT_EQ(FilesBelow(dir / "out" / maker[0]), std::vector<std::string>{name})
            << "the name inside a gzip header is the sender's word and is not used";
        EXPECT_TRUE(dir.read("out/" + std::string(maker[0]) + "/" + name) == dir.read("src/" + std::string(maker[2])));
    }
    ASSERT_TRUE(RunIn(dir.path(), "tar -czf empty.tar.gz -T /dev/null"));
    EngineCall empty((dir / "empty.tar.gz").string(), (dir / "empty").string());
    EXPECT_EQ(empty.run(), UZ_OK);
    EXPECT_FALSE(fs::exists(dir / "empty/empty.tar")) << "a tar by its name is one, even an empty one";
    dir.write("plain.txt", "neither a ZIP nor any other kind");
    EngineCall plain((dir / "plain.txt").string(), (dir / "none").string());
    EXPECT_EQ(plain.run(), UZ_NOT_ARCHIVE)
        << "an uncompressed file is no archive, though libarchive's raw reader takes it";
}

TEST(OtherKinds, VolumeSetsAreReadWhole)
{
    TempDir dir;
    MakeSource(dir);
    ASSERT_TRUE(RunIn(
        dir.path(), "head -c 300000 /dev/urandom > src/big.bin && cd src && 7zz a -t7z -v100k ../v.7z a.txt big.bin"));
    ASSERT_TRUE(fs::exists(dir / "v.7z.003"));
    EngineCall call((dir / "v.7z.001").string(), (dir / "out").string());
    EXPECT_EQ(call.run(), UZ_OK);
    EXPECT_TRUE(dir.read("out/big.bin") == dir.read("src/big.bin"));
}

TEST(OtherKinds, IncludeListsTimesAndModes)
{
    TempDir dir;
    MakeSource(dir);
    ASSERT_TRUE(RunIn(dir.path(),
                      "chmod 0750 src/a.txt && touch -d '2001-02-03 04:05:06' src/a.txt src/sub"
                      " && tar -czf k.tgz -C src a.txt sub"));
    EngineCall call((dir / "k.tgz").string(), (dir / "out").string());
    call.include = {"a.txt"};
    EXPECT_EQ(call.run(), UZ_OK);
    EXPECT_EQ(FilesBelow(dir / "out"), std::vector<std::string>{"a.txt"});
    struct stat info {};
    ASSERT_EQ(stat((dir / "out/a.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0750u & ~0022u);
    EXPECT_EQ(fs::last_write_time(dir / "out/a.txt"), fs::last_write_time(dir / "src/a.txt"));

    EngineCall none((dir / "k.tgz").string(), (dir / "out2").string());
    none.include = {"missing.txt"};
    EXPECT_EQ(none.run(), UZ_NO_MATCH);
    EngineCall folders((dir / "k.tgz").string(), (dir / "out3").string());
    EXPECT_EQ(folders.run(), UZ_OK);
    EXPECT_EQ(fs::last_write_time(dir / "out3/sub"), fs::last_write_time(dir / "src/sub"))
        << "a folder's time is set after the files in it are written";
}

TEST(OtherKinds, EncryptionThatCannotBeOpenedSaysSoAndWritesNothing)
{
    TempDir dir;
    MakeSource(dir);
    // Only the data encrypted: the folder and the empty file before it are no less refused.
    ASSERT_TRUE(RunIn(dir.path(),
                      "cd src && : > empty && 7zz a -t7z -psecret ../data.7z sub empty a.txt"
                      " && 7zz a -t7z -psecret -mhe=on ../names.7z a.txt"));
    for (const char *archive : {"data.7z", "names.7z"}) {
        const std::string path = (dir / archive).string();
        for (int list : {0, 1}) {
            EngineCall call(path, (dir / "out").string());
            call.options.ListOnly = list;
            if (list && archive == std::string("data.7z")) {
                EXPECT_EQ(call.run(), UZ_OK) << "names that can be read are listed";
                continue;
            }
            EXPECT_EQ(call.run(), UZ_SOME_FAILED);
            EXPECT_TRUE(call.listed.empty());
            EXPECT_TRUE(call.printed("error: " + path + ": encrypted 7z: this encryption cannot be opened yet"));
        }
    }
    EXPECT_FALSE(fs::exists(dir / "out"));
}

TEST(OtherKinds, ALongEntryIsFollowedAndCanBeCancelled)
{
    TempDir dir;
    ASSERT_TRUE(RunIn(dir.path(), "head -c 12M /dev/zero > big && echo small > small && tar -czf k.tgz big small"));
    EngineCall whole((dir / "k.tgz").string(), (dir / "whole").string());
    EXPECT_EQ(whole.run(), UZ_OK);
    EXPECT_GE(std::count(whole.serviced.begin(), whole.serviced.end(), "big"), 10)
        << "the service callback hears of a long entry about once a MiB";
    EngineCall cancelled((dir / "k.tgz").string(), (dir / "cancelled").string());
    cancelled.cancelAt = 3;
    EXPECT_EQ(cancelled.run(), UZ_CANCELLED);
    EXPECT_TRUE(FilesBelow(dir / "cancelled").empty()) << "the entry in progress is removed, nothing after it written";
}

// gzip is inflated by the engine's own decoder: members in a row are one
// stream, and a trailer that does not match, or an end cut off, is said.
TEST(OtherKinds, GzipMembersAndTheirChecksAreKept)
{
    TempDir dir;
    MakeSource(dir);
    ASSERT_TRUE(
        RunIn(dir.path(),
              "gzip -c src/a.txt > two.txt.gz && gzip -c src/a.txt >> two.txt.gz"
              " && tar -czf k.tgz -C src a.txt && cp k.tgz crc.tgz && cp k.tgz cut.tgz"
              " && printf '\\377' | dd of=crc.tgz bs=1 seek=$(( $(stat -c %s k.tgz) - 8 )) conv=notrunc 2>/dev/null"
              " && truncate -s -6 cut.tgz"));
    EngineCall two((dir / "two.txt.gz").string(), (dir / "two").string());
    EXPECT_EQ(two.run(), UZ_OK);
    EXPECT_TRUE(dir.read("two/two.txt") == dir.read("src/a.txt") + dir.read("src/a.txt"));
    const char *damaged[][2] = {{"crc.tgz", "damaged gzip: its CRC-32 or length does not match"},
                                {"cut.tgz", "damaged gzip: it is cut short"}};
    for (auto &[name, said] : damaged) {
        SCOPED_TRACE(name);
        EngineCall call((dir / name).string(), (dir / "out" / name).string());
        EXPECT_NE(call.run(), UZ_OK);
        bool found = false;
        for (const std::string &line : call.lines)
            found = found || line.find(said) != std::string::npos;
        EXPECT_TRUE(found) << testing::PrintToString(call.lines);
    }
}
