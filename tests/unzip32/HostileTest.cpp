// Archives built to do harm. Each attack must fail without writing anything
// outside the destination, and the honest entries beside it still arrive.
#include "Codecs.h"
#include "EngineCall.h"
#include "RawZipWriter.h"
#include "TempDir.h"
#include "ZipBuilder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

RawEntry linkEntry(const std::string &name, const std::string &target)
{
    RawEntry entry = StoredEntry(name, target);
    entry.externalAttributes = uint32_t(S_IFLNK | 0777) << 16;
    return entry;
}

// Every file below `root`, relative, to see that nothing landed elsewhere.
std::vector<std::string> filesBelow(const fs::path &root)
{
    std::vector<std::string> names;
    for (auto &item : fs::recursive_directory_iterator(root))
        if (!item.is_directory())
            names.push_back(fs::relative(item.path(), root).string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(Hostile, TraversalAbsoluteAndDrivePathsStayInside)
{
    TempDir dir;
    WriteRawZip(dir / "evil.zip",
                {.entries = {StoredEntry("../up.txt", "1"), StoredEntry("..\\..\\back.txt", "2"),
                             StoredEntry("/etc/abs.txt", "3"), StoredEntry("C:\\drive.txt", "4"),
                             StoredEntry("//server/share/unc.txt", "5"), StoredEntry("a/./../../b/c.txt", "6"),
                             StoredEntry("../x: written as ../../y.zip", "7")}});
    EngineCall call((dir / "evil.zip").string(), (dir / "deep/out").string());
    EXPECT_EQ(call.run(), UZ_OK);
    // The program follows these lines to the files written: each names the
    // path it wrote, and no name can make another path read as that one.
    EXPECT_TRUE(call.printed("extracted: ../up.txt: written as up.txt"));
    EXPECT_TRUE(call.printed("extracted: /etc/abs.txt: written as etc/abs.txt"));
    EXPECT_TRUE(call.printed("extracted: ../x: written as ../../y.zip: written as x\\x3a written as ../y.zip"));
    EXPECT_FALSE(fs::exists(dir / "deep/up.txt")) << "\"..\" must not climb out of the destination";
    EXPECT_FALSE(fs::exists(dir / "back.txt")) << "\"\\\" counts as a separator, so \"..\\\" must not climb either";
    EXPECT_EQ(filesBelow(dir / "deep"),
              (std::vector<std::string>{"out/a/b/c.txt", "out/back.txt", "out/drive.txt", "out/etc/abs.txt",
                                        "out/server/share/unc.txt", "out/up.txt", "out/x: written as ../y.zip"}));
}

TEST(Hostile, SymlinkEscapesAreRefused)
{
    TempDir dir;
    fs::create_directories(dir / "outside");
    WriteRawZip(
        dir / "links.zip",
        {.entries = {linkEntry("up", "../outside"), linkEntry("abs", "/etc"), linkEntry("sub/chain", "x/../../.."),
                     linkEntry("sub/fine", "../ok.txt"), StoredEntry("ok.txt", "ok")}});
    EngineCall call((dir / "links.zip").string(), (dir / "out").string());
    EXPECT_EQ(call.run(), UZ_SOME_FAILED);
    EXPECT_TRUE(call.printedStarting("error: up: refused: the link's target"));
    EXPECT_TRUE(call.printedStarting("error: abs: refused"));
    EXPECT_TRUE(call.printedStarting("error: sub/chain: refused"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(dir / "out/up")));
    EXPECT_TRUE(fs::is_symlink(dir / "out/sub/fine"));
    EXPECT_EQ(fs::read_symlink(dir / "out/sub/fine"), "../ok.txt");

    // A link already in the destination is never written through, whether
    // the archive or someone else put it there.
    fs::create_directories(dir / "out2");
    fs::create_directory_symlink(dir / "outside", dir / "out2/escape");
    WriteRawZip(dir / "through.zip", {.entries = {StoredEntry("escape/file.txt", "x"), StoredEntry("kept.txt", "k")}});
    EngineCall through((dir / "through.zip").string(), (dir / "out2").string());
    EXPECT_EQ(through.run(), UZ_SOME_FAILED);
    EXPECT_TRUE(through.printedStarting("error: escape/file.txt: "));
    EXPECT_TRUE(fs::is_empty(dir / "outside"));
    EXPECT_EQ(dir.read("out2/kept.txt"), "k");
}

TEST(Hostile, OverlappingEntriesRefuseTheWholeArchive)
{
    TempDir dir;
    RawEntry first = CompressedEntry("a.txt", 8, std::string(100000, 'a'));
    RawEntry second = first;
    second.name = "b.txt";
    second.sameDataAs = 0;
    WriteRawZip(dir / "bomb.zip", {.entries = {first, second}});
    EngineCall call((dir / "bomb.zip").string(), (dir / "out").string());
    EXPECT_EQ(call.run(), UZ_UNSAFE_ARCHIVE);
    EXPECT_TRUE(call.printedStarting("error: " + (dir / "bomb.zip").string() + ": refused: entries share their data"));
    EXPECT_FALSE(fs::exists(dir / "out/a.txt"));
}

TEST(Hostile, SizeLiarsTruncationBadCrcAndNonArchives)
{
    TempDir dir;
    const std::string text(50000, 'q');
    RawEntry liar = CompressedEntry("liar.txt", 8, text);
    liar.size = 1000;
    RawEntry storedLiar = StoredEntry("stored-liar.txt", text);
    storedLiar.size = 10;
    RawEntry badCrc = StoredEntry("crc.txt", "abc");
    badCrc.crc = 7;
    WriteRawZip(dir / "a.zip", {.entries = {liar, storedLiar, badCrc, StoredEntry("fine.txt", "fine")}});
    EngineCall call((dir / "a.zip").string(), (dir / "out").string());
    EXPECT_EQ(call.run(), UZ_SOME_FAILED);
    EXPECT_TRUE(call.printedStarting("error: liar.txt: the data is longer than the declared size"));
    EXPECT_TRUE(call.printedStarting("error: stored-liar.txt: the data is longer than the declared size"));
    EXPECT_TRUE(call.printedStarting("error: crc.txt: the data is damaged"));
    EXPECT_EQ(filesBelow(dir / "out"), (std::vector<std::string>{"fine.txt"}));

    // Cut in the middle of the data: the directory is gone, so is the archive.
    std::string bytes = BuildRawZip({.entries = {StoredEntry("x.txt", text)}});
    std::ofstream(dir / "cut.zip", std::ios::binary) << bytes.substr(0, bytes.size() / 2);
    EngineCall cut((dir / "cut.zip").string(), (dir / "cut").string());
    EXPECT_EQ(cut.run(), UZ_NOT_ARCHIVE);
    EXPECT_TRUE(cut.printedStarting("error: "));

    // A directory that points past the end of the file.
    RawZip shifted{.entries = {StoredEntry("x.txt", text)}};
    bytes = BuildRawZip(shifted);
    std::string gutted = bytes.substr(0, 30 + 5 + 100) + bytes.substr(30 + 5 + text.size());
    std::ofstream(dir / "gutted.zip", std::ios::binary) << gutted;
    EngineCall gut((dir / "gutted.zip").string(), (dir / "gut").string());
    EXPECT_NE(gut.run(), UZ_OK);
    EXPECT_FALSE(fs::exists(dir / "gut/x.txt"));

    dir.write("text.zip", "this is not an archive");
    EngineCall notZip((dir / "text.zip").string(), (dir / "nz").string());
    EXPECT_EQ(notZip.run(), UZ_NOT_ARCHIVE);
    EngineCall missing((dir / "missing.zip").string(), (dir / "nz").string());
    EXPECT_EQ(missing.run(), UZ_NOT_ARCHIVE);
}
