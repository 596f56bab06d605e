// Listing, selecting, testing, replacing and cancelling, through the C interface.
#include "Codecs.h"
#include "EngineCall.h"
#include "RawZipWriter.h"
#include "TempDir.h"
#include "ZipBuilder.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <sys/stat.h>

namespace fs = std::filesystem;

TEST(Listing, ReportsEveryEntryOnceWithItsValues)
{
    TempDir dir;
    RawEntry text = CompressedEntry("docs/readme.txt", 8, std::string(1000, 'a'));
    text.dosDate = uint16_t((2021 - 1980) << 9 | 8 << 5 | 31);
    text.dosTime = uint16_t(14 << 11 | 5 << 5);
    RawEntry secret = StoredEntry("secret.bin", "xyz");
    secret.zipCryptoPassword = "pw";
    WriteRawZip(dir / "a.zip", {.entries = {text, secret, StoredEntry("docs/", "")}});

    EngineCall call((dir / "a.zip").string(), "");
    call.options.ListOnly = 1;
    EXPECT_EQ(call.run(), UZ_OK);
    ASSERT_EQ(call.listed.size(), 3u);
    const ListedEntry &e = call.listed[0];
    EXPECT_EQ(e.name, "docs/readme.txt");
    EXPECT_EQ(e.size, 1000u);
    EXPECT_EQ(e.packedSize, text.data.size());
    EXPECT_EQ(e.ratio, int32_t((1000 - text.data.size()) * 100 / 1000));
    EXPECT_EQ(e.year, 2021u);
    EXPECT_EQ(e.month, 8u);
    EXPECT_EQ(e.day, 31u);
    EXPECT_EQ(e.hour, 14u);
    EXPECT_EQ(e.minute, 5u);
    EXPECT_EQ(e.method, "Deflate");
    EXPECT_EQ(e.crc, Crc32Of(std::string(1000, 'a')));
    EXPECT_EQ(e.flags & 0x40, 0);
    EXPECT_EQ(call.listed[1].flags & 0x40, 0x40);
    EXPECT_EQ(call.listed[1].method, "Stored");
    EXPECT_EQ(call.listed[2].name, "docs/");
    EXPECT_TRUE(call.passwordAsked.empty()) << "listing needs no password";
    EXPECT_EQ(call.callbacks.EntryCount, 3u);
}

TEST(Extract, IncludeAndExcludeListsSelectEntries)
{
    TempDir dir;
    MakeZip(dir / "a.zip", {{"a.txt", "A"}, {"Dir/b.txt", "B"}, {"Dir/c.txt", "C"}, {"d.log", "D"}});

    EngineCall some((dir / "a.zip").string(), (dir / "some").string());
    some.include = {"a.txt", "Dir/c.txt"};
    EXPECT_EQ(some.run(), UZ_OK);
    EXPECT_TRUE(fs::exists(dir / "some/a.txt"));
    EXPECT_TRUE(fs::exists(dir / "some/Dir/c.txt"));
    EXPECT_FALSE(fs::exists(dir / "some/Dir/b.txt"));
    EXPECT_FALSE(fs::exists(dir / "some/d.log"));

    EngineCall folded((dir / "a.zip").string(), (dir / "folded").string());
    folded.include = {"dir/*"};
    folded.exclude = {"*c.txt"};
    EXPECT_EQ(folded.run(), UZ_OK);
    EXPECT_TRUE(fs::exists(dir / "folded/Dir/b.txt"));
    EXPECT_FALSE(fs::exists(dir / "folded/Dir/c.txt"));

    EngineCall exact((dir / "a.zip").string(), (dir / "exact").string());
    exact.options.CaseSensitive = 1;
    exact.include = {"dir/b.txt"};
    EXPECT_EQ(exact.run(), UZ_NO_MATCH);

    // A list longer than the program's old 1023-name block.
    EngineCall many((dir / "a.zip").string(), (dir / "many").string());
    for (int i = 0; i < 3000; ++i)
        many.include.push_back("nothing" + std::to_string(i));
    many.include.push_back("d.log");
    EXPECT_EQ(many.run(), UZ_OK);
    EXPECT_TRUE(fs::exists(dir / "many/d.log"));
}

TEST(Extract, FolderNamesSpacesTimesAndModes)
{
    TempDir dir;
    std::time_t when = 1600000000;
    MakeZip(dir / "a.zip",
            {{.name = "my dir/my file.txt", .data = "x", .mtime = when, .mode = 06755},
             {.name = "ro.txt", .data = "r", .mode = 0444}});

    EngineCall flat((dir / "a.zip").string(), (dir / "flat").string());
    flat.options.UseFolderNames = 0;
    flat.options.SpaceToUnderscore = 1;
    EXPECT_EQ(flat.run(), UZ_OK);
    EXPECT_TRUE(fs::exists(dir / "flat/my_file.txt"));
    EXPECT_FALSE(fs::exists(dir / "flat/my_dir"));

    EngineCall deep((dir / "a.zip").string(), (dir / "deep").string());
    EXPECT_EQ(deep.run(), UZ_OK);
    EXPECT_TRUE(deep.printed("extracted: my dir/my file.txt"));
    struct stat info {};
    ASSERT_EQ(stat((dir / "deep/my dir/my file.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mtime, when);
    EXPECT_EQ(info.st_mode & 07777, 0755u) << "no set-user-id or set-group-id bits";
    ASSERT_EQ(stat((dir / "deep/ro.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u) << "always readable and writable by the owner";
}

TEST(Extract, RestoredModesPassThroughTheUmask)
{
    struct Case {
        const char *name;
        uint32_t stored, expected; // with the umask 027
    } cases[] = {
        {"all.txt", S_IFREG | 0777, 0750},   {"rw.txt", S_IFREG | 0666, 0640},
        {"ro.txt", S_IFREG | 0444, 0640},    // the owner always reads and writes
        {"suid.txt", S_IFREG | 06755, 0750}, // never set-user-id or set-group-id
        {"shared/", S_IFDIR | 01777, 01750}, // a folder keeps its sticky bit
        {"open/", S_IFDIR | 0777, 0750},
    };
    TempDir dir;
    RawZip zip;
    for (const Case &c : cases) {
        zip.entries.push_back(StoredEntry(c.name, ""));
        zip.entries.back().externalAttributes = c.stored << 16;
    }
    WriteRawZip(dir / "modes.zip", zip);
    mode_t before = umask(027);
    EngineCall call((dir / "modes.zip").string(), (dir / "out").string());
    EXPECT_EQ(call.run(), UZ_OK);
    umask(before);
    for (const Case &c : cases) {
        struct stat info {};
        ASSERT_EQ(stat((dir / "out" / c.name).c_str(), &info), 0) << c.name;
        EXPECT_EQ(info.st_mode & 07777, c.expected) << c.name;
    }
}

TEST(Extract, TheMostExactTimeAnEntryCarriesWins)
{
    // 2020-09-13 12:26:40.1234567 UTC as an NTFS time, and the same second as
    // an extended timestamp; the DOS time (local, 2 s) says 2021-09-01.
    const uint64_t ntfs = (1600000000ull + 11644473600ull) * 10000000ull + 1234567;
    const std::string ntfsField = LittleEndian16(0x000A) + LittleEndian16(32) + LittleEndian32(0) + LittleEndian16(1)
        + LittleEndian16(24) + LittleEndian64(ntfs) + LittleEndian64(0) + LittleEndian64(0);
    const std::string unixField
        = LittleEndian16(0x5455) + LittleEndian16(5) + std::string(1, '\1') + LittleEndian32(1600000000 - 60);
    struct Case {
        const char *name;
        std::string extra;
        time_t seconds;
        long nanos;
    } cases[] = {
        {"ntfs.txt", ntfsField, 1600000000, 123456700},
        {"both.txt", unixField + ntfsField, 1600000000, 123456700},
        {"unix.txt", unixField, 1600000000 - 60, 0},
    };
    TempDir dir;
    RawZip zip;
    for (const Case &c : cases) {
        zip.entries.push_back(StoredEntry(c.name, "t"));
        zip.entries.back().centralExtra = c.extra;
    }
    WriteRawZip(dir / "times.zip", zip);
    EngineCall call((dir / "times.zip").string(), (dir / "out").string());
    EXPECT_EQ(call.run(), UZ_OK);
    for (const Case &c : cases) {
        struct stat info {};
        ASSERT_EQ(stat((dir / "out" / c.name).c_str(), &info), 0);
        EXPECT_EQ(info.st_mtim.tv_sec, c.seconds) << c.name;
        EXPECT_EQ(info.st_mtim.tv_nsec, c.nanos) << c.name;
    }
}

TEST(Extract, NamesInCp437UnicodePathAndBackslashes)
{
    TempDir dir;
    RawEntry cp437 = StoredEntry(std::string("caf\x82.txt"), "1"); // é in CP437, no UTF-8 flag
    RawEntry utf8 = StoredEntry("\xc3\xbc"
                                "ber.txt",
                                "2");
    utf8.flags = 0x800;
    RawEntry unicodePath = StoredEntry("old.txt", "3");
    unicodePath.centralExtra = UnicodePathExtra("old.txt", "new\xe2\x82\xac.txt");
    WriteRawZip(dir / "a.zip", {.entries = {cp437, utf8, unicodePath, StoredEntry("win\\sub\\f.txt", "4")}});

    EngineCall call((dir / "a.zip").string(), (dir / "out").string());
    EXPECT_EQ(call.run(), UZ_OK);
    EXPECT_EQ(dir.read("out/caf\xc3\xa9.txt"), "1");
    EXPECT_EQ(dir.read("out/\xc3\xbc"
                       "ber.txt"),
              "2");
    EXPECT_EQ(dir.read("out/new\xe2\x82\xac.txt"), "3");
    EXPECT_EQ(dir.read("out/win/sub/f.txt"), "4");
}

TEST(Extract, TestModeChecksEverythingAndWritesNothing)
{
    TempDir dir;
    RawEntry bad = StoredEntry("bad.txt", "damaged");
    bad.crc = 1234;
    WriteRawZip(dir / "a.zip", {.entries = {CompressedEntry("good.txt", 8, "fine"), bad}});
    EngineCall call((dir / "a.zip").string(), (dir / "out").string());
    call.options.TestOnly = 1;
    EXPECT_EQ(call.run(), UZ_SOME_FAILED);
    EXPECT_TRUE(call.printed("tested: good.txt"));
    EXPECT_TRUE(call.printedStarting("error: bad.txt: "));
    EXPECT_FALSE(fs::exists(dir / "out"));
}

TEST(Extract, ReplacingAskingAndKeeping)
{
    TempDir dir;
    MakeZip(dir / "a.zip", {{"a.txt", "new a"}, {"b.txt", "new b"}, {"c.txt", "new c"}});
    auto reset = [&] {
        for (const char *name : {"a.txt", "b.txt", "c.txt"})
            dir.write(std::string("out/") + name, "old");
    };

    reset();
    EngineCall keep((dir / "a.zip").string(), (dir / "out").string());
    keep.options.OverwriteExisting = 0;
    EXPECT_EQ(keep.run(), UZ_OK);
    EXPECT_EQ(dir.read("out/a.txt"), "old");
    EXPECT_TRUE(keep.printed("skipped: a.txt: a file of that name exists"));

    reset();
    EngineCall ask((dir / "a.zip").string(), (dir / "out").string());
    ask.options.OverwriteExisting = 0;
    ask.options.PromptToOverwrite = 1;
    ask.replaceAnswers = {UZ_REPLACE_NO, UZ_REPLACE_ALL};
    EXPECT_EQ(ask.run(), UZ_OK);
    EXPECT_EQ(ask.replaceAsked.size(), 2u) << "ALL answers the later questions";
    EXPECT_EQ(ask.replaceAsked[0], (dir / "out/a.txt").string());
    EXPECT_EQ(dir.read("out/a.txt"), "old");
    EXPECT_EQ(dir.read("out/b.txt"), "new b");
    EXPECT_EQ(dir.read("out/c.txt"), "new c");

    reset();
    EngineCall none((dir / "a.zip").string(), (dir / "out").string());
    none.options.OverwriteExisting = 0;
    none.options.PromptToOverwrite = 1;
    none.replaceAnswers = {100, UZ_REPLACE_NONE};
    EXPECT_EQ(none.run(), UZ_OK);
    EXPECT_EQ(dir.read("out/a.txt"), "new a") << "100, the program's answer, replaces";
    EXPECT_EQ(dir.read("out/b.txt"), "old");
    EXPECT_EQ(dir.read("out/c.txt"), "old");

    // Only newer: the file on disk is newer than the 2021 entry.
    reset();
    WriteRawZip(dir / "old.zip", {.entries = {StoredEntry("a.txt", "2021 a")}});
    EngineCall newer((dir / "old.zip").string(), (dir / "out").string());
    newer.options.ExtractOnlyNewer = 1;
    EXPECT_EQ(newer.run(), UZ_OK);
    EXPECT_EQ(dir.read("out/a.txt"), "old");
}

TEST(Extract, KeepingBothGivesEveryEntryOfOneNameANumberOfItsOwn)
{
    // More entries of one name than the numbers a search from " (2)" used
    // to try; each is numbered by where the last one stopped.
    TempDir dir;
    const int count = 10050;
    RawZip zip;
    for (int i = 0; i < count; ++i)
        zip.entries.push_back(StoredEntry("a.txt", std::to_string(i)));
    WriteRawZip(dir / "same.zip", zip);
    dir.write("out/a (3).txt", "on disk");

    EngineCall call((dir / "same.zip").string(), (dir / "out").string());
    call.options.OverwriteExisting = 0;
    call.options.PromptToOverwrite = 1;
    call.options.MessageLevel = 1; // failures only
    call.replaceAnswers.assign(count - 1, UZ_REPLACE_RENAME);
    EXPECT_EQ(call.run(), UZ_OK);
    EXPECT_EQ(call.callbacks.FailedCount, 0u);
    EXPECT_EQ(FilesBelow(dir / "out").size(), size_t(count) + 1);
    EXPECT_EQ(dir.read("out/a.txt"), "0");
    EXPECT_EQ(dir.read("out/a (2).txt"), "1");
    EXPECT_EQ(dir.read("out/a (3).txt"), "on disk");
    EXPECT_EQ(dir.read("out/a (4).txt"), "2");
    EXPECT_EQ(dir.read("out/a (" + std::to_string(count + 1) + ").txt"), std::to_string(count - 1));
}

TEST(Extract, FailedEntryKeepsTheExistingFileAndLeavesNoPartialFile)
{
    TempDir dir;
    RawEntry broken = CompressedEntry("a.txt", 8, std::string(100000, 'z'));
    broken.data.resize(broken.data.size() / 2);
    WriteRawZip(dir / "a.zip", {.entries = {broken}});
    dir.write("out/a.txt", "precious");
    EngineCall call((dir / "a.zip").string(), (dir / "out").string());
    EXPECT_EQ(call.run(), UZ_SOME_FAILED);
    EXPECT_EQ(dir.read("out/a.txt"), "precious");
    int files = 0;
    for ([[maybe_unused]] auto &item : fs::directory_iterator(dir / "out"))
        ++files;
    EXPECT_EQ(files, 1) << "no temporary file is left behind";
}

TEST(Extract, CancelStopsCleanly)
{
    TempDir dir;
    std::vector<ZipEntry> entries;
    for (int i = 0; i < 10; ++i)
        entries.push_back({"f" + std::to_string(i) + ".txt", std::string(1000, char('a' + i))});
    MakeZip(dir / "a.zip", entries);
    EngineCall call((dir / "a.zip").string(), (dir / "out").string());
    call.cancelAt = 3;
    EXPECT_EQ(call.run(), UZ_CANCELLED);
    EXPECT_EQ(call.serviced.size(), 4u) << "asked once per entry, and not after the stop";
    EXPECT_EQ(call.serviced[0], "f0.txt");
    EXPECT_FALSE(fs::exists(dir / "out/f3.txt"));
    EXPECT_FALSE(fs::exists(dir / "out/f9.txt"));
    for (auto &item : fs::directory_iterator(dir / "out"))
        EXPECT_EQ(item.path().extension(), ".txt") << "no temporary file is left behind";
}

// A large entry is followed while it decodes, not only before it starts: a
// caller showing progress sees the totals grow, and can stop it part-way.
TEST(Extract, ServiceFollowsALargeEntryAndCanStopIt)
{
    TempDir dir;
    const size_t big = size_t(20) << 20;
    RawEntry small = StoredEntry("small.txt", std::string(1000, 's'));
    RawEntry large = StoredEntry("big.bin", std::string(big, 'b'));
    WriteRawZip(dir / "a.zip", {.entries = {small, large}});

    // One thread decodes everything, so every step is told (into a folder
    // that exists: one the call makes has a last word of its own).
    std::filesystem::create_directories(dir / "out");
    EngineCall call((dir / "a.zip").string(), (dir / "out").string());
    call.options.Threads = 1;
    EXPECT_EQ(call.run(), UZ_OK);
    const size_t asked = call.serviced.size();
    ASSERT_EQ(asked, 2u + 20u) << "once per entry, and once per MiB of the large one";
    EXPECT_EQ(call.serviced.back(), "big.bin");
    EXPECT_EQ(call.packedAtService[1], 1000u) << "the large entry counts only as it decodes";
    for (size_t i = 2; i < asked; ++i)
        EXPECT_GT(call.packedAtService[i], call.packedAtService[i - 1]) << i;
    EXPECT_EQ(call.packedAtService.back(), 1000u + big);
    EXPECT_EQ(call.callbacks.TotalPackedSize, 1000u + big);
    EXPECT_EQ(call.callbacks.TotalSize, 1000u + big);

    // Stopped in the middle of the large entry.
    EngineCall stop((dir / "a.zip").string(), (dir / "stopped").string());
    stop.options.Threads = 1;
    stop.cancelAt = 5;
    EXPECT_EQ(stop.run(), UZ_CANCELLED);
    EXPECT_EQ(stop.serviced.size(), 6u);
    EXPECT_EQ(FilesBelow(dir / "stopped"), std::vector<std::string>{"small.txt"})
        << "the large entry is removed and nothing follows it";
}

TEST(Version, FillsTheRecord)
{
    UZ_VERSION version{};
    version.StructLength = 64;
    EXPECT_EQ(UzpVersion2(&version), 0);
    EXPECT_EQ(version.EngineVersion[0], 1);
    EXPECT_EQ(std::string(version.BetaLevel), "");
    EXPECT_EQ(std::string(version.Date).size(), 10u);
    version.StructLength = 20;
    EXPECT_EQ(UzpVersion2(&version), -1);
    EXPECT_EQ(sizeof(UZ_VERSION), 64u);
}

// Fifteen 32-bit fields in their order, then the two paths as the platform's
// own pointers: 68 bytes on a 32-bit system, 80 on a 64-bit one (the first
// pointer aligned to 64).
TEST(Records, TheOptionRecordKeepsItsOrderWithPointersOfThePlatformsWidth)
{
    const std::size_t fields[]
        = {offsetof(DCL, ExtractOnlyNewer), offsetof(DCL, SpaceToUnderscore), offsetof(DCL, PromptToOverwrite),
           offsetof(DCL, MessageLevel),     offsetof(DCL, Reserved5),         offsetof(DCL, TestOnly),
           offsetof(DCL, ListOnly),         offsetof(DCL, Reserved8),         offsetof(DCL, Reserved9),
           offsetof(DCL, UseFolderNames),   offsetof(DCL, OverwriteExisting), offsetof(DCL, ConvertCRToCRLF),
           offsetof(DCL, NameCodePage),     offsetof(DCL, CaseSensitive),     offsetof(DCL, Threads)};
    for (std::size_t i = 0; i < std::size(fields); ++i)
        EXPECT_EQ(fields[i], 4 * i) << "field " << i + 1;
    const std::size_t pointer = sizeof(char *);
    EXPECT_EQ(offsetof(DCL, ZipFileName), (60 + pointer - 1) / pointer * pointer);
    EXPECT_EQ(offsetof(DCL, ExtractDir), offsetof(DCL, ZipFileName) + pointer);
    EXPECT_EQ(sizeof(DCL), pointer == 8 ? 80u : 68u);
}
