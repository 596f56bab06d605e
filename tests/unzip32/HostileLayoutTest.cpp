// Archives whose layout is unusual or lies: each handled as decided in
// docs/reliability.md, and the honest entries beside it extracted.
#include "Codecs.h"
#include "EngineCall.h"
#include "RawZipWriter.h"
#include "TempDir.h"
#include "ZipBuilder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <sys/resource.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

TEST(HostileLayout, StreamedEntriesPrefixedArchivesAndEmptyArchives)
{
    TempDir dir;
    const std::string text(30000, 's');
    RawEntry deflated = CompressedEntry("streamed.txt", 8, text);
    deflated.dataDescriptor = true;
    RawEntry stored = StoredEntry("streamed-stored.txt", "plain");
    stored.dataDescriptor = true;
    RawEntry locked = StoredEntry("streamed-secret.txt", "hidden");
    locked.dataDescriptor = true;
    locked.zipCryptoPassword = "pw";
    WriteRawZip(dir / "s.zip", {.entries = {deflated, stored, locked}});
    EngineCall streamed((dir / "s.zip").string(), (dir / "s").string());
    streamed.passwords = {"pw"};
    EXPECT_EQ(streamed.run(), UZ_OK);
    EXPECT_EQ(dir.read("s/streamed.txt"), text);
    EXPECT_EQ(dir.read("s/streamed-stored.txt"), "plain");
    EXPECT_EQ(dir.read("s/streamed-secret.txt"), "hidden") << "the check byte of a streamed entry is its time's";

    // A self-extractor: a program before the archive, offsets counted from the file's start.
    WriteRawZip(dir / "sfx.zip",
                {.prefix = std::string(5000, '\x7f') + "ELF stub",
                 .entries = {StoredEntry("a.txt", "A"), CompressedEntry("b.txt", 12, text)}});
    EngineCall sfx((dir / "sfx.zip").string(), (dir / "sfx").string());
    EXPECT_EQ(sfx.run(), UZ_OK);
    EXPECT_EQ(FilesBelow(dir / "sfx"), (std::vector<std::string>{"a.txt", "b.txt"}));

    // Nothing but an end record: a valid archive with nothing in it.
    WriteRawZip(dir / "empty.zip", {});
    ASSERT_EQ(fs::file_size(dir / "empty.zip"), 22u);
    EngineCall empty((dir / "empty.zip").string(), (dir / "e").string());
    EXPECT_EQ(empty.run(), UZ_OK);
    EXPECT_EQ(empty.callbacks.EntryCount, 0u);
    EXPECT_TRUE(empty.lines.empty());
    EngineCall emptyList((dir / "empty.zip").string(), "");
    emptyList.options.ListOnly = 1;
    EXPECT_EQ(emptyList.run(), UZ_OK);
    EXPECT_TRUE(emptyList.listed.empty());
}

TEST(HostileLayout, InvalidDatesAndSetUserIdBits)
{
    TempDir dir;
    RawEntry month13 = StoredEntry("month13.txt", "1");
    month13.dosDate = uint16_t((2020 - 1980) << 9 | 13 << 5 | 1);
    RawEntry zero = StoredEntry("zero.txt", "2");
    zero.dosDate = 0;
    zero.dosTime = 0;
    RawEntry late = StoredEntry("late.txt", "3");
    late.dosTime = uint16_t(31 << 11 | 63 << 5 | 31); // 31:63:62
    RawEntry suid = StoredEntry("suid.sh", "#!/bin/sh\n");
    suid.externalAttributes = uint32_t(S_IFREG | 07777) << 16;
    RawEntry noBits = StoredEntry("nobits.txt", "0");
    noBits.externalAttributes = uint32_t(S_IFREG) << 16;
    RawEntry sticky = StoredEntry("sticky/", "");
    sticky.externalAttributes = uint32_t(S_IFDIR | 01777) << 16;
    WriteRawZip(dir / "a.zip", {.entries = {month13, zero, late, suid, noBits, sticky, StoredEntry("ok.txt", "ok")}});

    EngineCall call((dir / "a.zip").string(), (dir / "out").string());
    EXPECT_EQ(call.run(), UZ_OK) << "a nonsense date is no reason to lose the file";
    for (const char *name : {"month13.txt", "zero.txt", "late.txt", "ok.txt"})
        EXPECT_TRUE(fs::exists(dir / "out" / name)) << name;
    struct stat info {};
    ASSERT_EQ(stat((dir / "out/month13.txt").c_str(), &info), 0);
    struct tm parts {};
    time_t when = info.st_mtime;
    localtime_r(&when, &parts);
    EXPECT_EQ(parts.tm_year + 1900, 2021) << "month 13 of 2020 counts on into January 2021";
    EXPECT_EQ(parts.tm_mon, 0);

    ASSERT_EQ(stat((dir / "out/suid.sh").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07000, 0u) << "set-user-id, set-group-id and sticky bits are never restored on files";
    ASSERT_EQ(stat((dir / "out/nobits.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0600, 0600u) << "the owner can always read and write";
    ASSERT_EQ(stat((dir / "out/sticky").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07000, 01000u) << "a folder keeps its sticky bit, never set-user-id or set-group-id";

    EngineCall listing((dir / "a.zip").string(), "");
    listing.options.ListOnly = 1;
    EXPECT_EQ(listing.run(), UZ_OK);
    ASSERT_EQ(listing.listed.size(), 7u);
    EXPECT_EQ(listing.listed[0].month, 13u) << "a listing shows the date as stored";
}

TEST(HostileLayout, TamperedAesEntryFailsAlone)
{
    TempDir dir;
    const std::string secret(5000, 'k');
    MakeZip(dir / "aes.zip",
            {{.name = "first.txt", .data = secret, .method = ZipMethod::Store, .encrypted = true},
             {.name = "second.txt", .data = "intact", .encrypted = true}},
            "pw");
    std::string bytes;
    {
        std::ifstream in(dir / "aes.zip", std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    // The first entry's data begins after its local header; flip a byte in its middle.
    size_t data = 30 + (uint8_t(bytes[26]) | uint8_t(bytes[27]) << 8) + (uint8_t(bytes[28]) | uint8_t(bytes[29]) << 8);
    bytes[data + 2500] = char(bytes[data + 2500] ^ 0x20);
    std::ofstream(dir / "aes.zip", std::ios::binary | std::ios::trunc) << bytes;

    dir.write("out/first.txt", "the old first");
    EngineCall call((dir / "aes.zip").string(), (dir / "out").string());
    call.passwords = {"pw"};
    EXPECT_EQ(call.run(), UZ_SOME_FAILED);
    EXPECT_TRUE(call.printed("error: first.txt: the data is damaged or was altered (authentication failed)"));
    EXPECT_EQ(dir.read("out/first.txt"), "the old first") << "an altered entry never replaces a file";
    EXPECT_EQ(dir.read("out/second.txt"), "intact");
    EXPECT_EQ(FilesBelow(dir / "out").size(), 2u);
}

TEST(HostileLayout, LocalNamesThatDifferFromTheDirectoryAreIgnored)
{
    TempDir dir;
    RawEntry lying = StoredEntry("innocent.txt", "payload");
    lying.localName = "../../escape.txt";
    RawEntry longer = StoredEntry("short.txt", "x");
    longer.localName = std::string(300, 'L');
    WriteRawZip(dir / "a.zip", {.entries = {lying, longer, StoredEntry("ok.txt", "ok")}});
    EngineCall call((dir / "a.zip").string(), (dir / "out").string());
    EXPECT_EQ(call.run(), UZ_OK);
    // Where a file goes is decided by the central directory alone.
    EXPECT_EQ(FilesBelow(dir / "out"), (std::vector<std::string>{"innocent.txt", "ok.txt", "short.txt"}));
    EXPECT_EQ(dir.read("out/innocent.txt"), "payload");
    EXPECT_FALSE(fs::exists(dir / "escape.txt"));
}

TEST(HostileLayout, MoreThan65535EntriesNeedZip64Counts)
{
    TempDir dir;
    RawZip zip{.zip64 = true};
    const size_t count = 70000;
    zip.entries.reserve(count);
    for (size_t i = 0; i < count; ++i)
        zip.entries.push_back(StoredEntry("d" + std::to_string(i % 70) + "/f" + std::to_string(i), ""));
    zip.entries.back() = StoredEntry("last.txt", "the last");
    WriteRawZip(dir / "many.zip", zip);

    // Every entry counted and listed; writing 70,000 files is the load script's
    // business (bench/load-engine), so two of them are extracted here.
    EngineCall listing((dir / "many.zip").string(), "");
    listing.options.ListOnly = 1;
    EXPECT_EQ(listing.run(), UZ_OK);
    EXPECT_EQ(listing.callbacks.EntryCount, count);
    ASSERT_EQ(listing.listed.size(), count);
    EXPECT_EQ(listing.listed.back().name, "last.txt");

    EngineCall call((dir / "many.zip").string(), (dir / "out").string());
    call.include = {"d0/f0", "last.txt"};
    EXPECT_EQ(call.run(), UZ_OK);
    EXPECT_EQ(FilesBelow(dir / "out"), (std::vector<std::string>{"d0/f0", "last.txt"}));
    EXPECT_EQ(dir.read("out/last.txt"), "the last");
}

TEST(HostileLayout, EntriesGoingBackAndForthBetweenManyFoldersLandWhereTheyBelong)
{
    // More folders than a thread keeps open, visited in turn and at two
    // depths, with folders of the same name under different parents: every
    // file must land in its own folder, and no descriptor may outlive the call.
    TempDir dir;
    RawZip zip;
    std::map<std::string, std::string> expected;
    for (int i = 0; i < 300; ++i) {
        const std::string name = "p" + std::to_string(i % 7) + "/c" + std::to_string(i % 11)
            + (i % 3 ? "/" : "/deeper/") + "f" + std::to_string(i) + ".txt";
        expected[name] = "file " + std::to_string(i);
        zip.entries.push_back(StoredEntry(name, expected[name]));
    }
    WriteRawZip(dir / "many.zip", zip);
    const auto descriptors
        = [] { return std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator{}); };
    const auto before = descriptors();
    EngineCall call((dir / "many.zip").string(), (dir / "out").string());
    call.options.Threads = 2;
    EXPECT_EQ(call.run(), UZ_OK);
    EXPECT_EQ(descriptors(), before);
    std::vector<std::string> names;
    for (const auto &[name, text] : expected) {
        names.push_back(name);
        EXPECT_EQ(dir.read("out/" + name), text) << name;
    }
    EXPECT_EQ(FilesBelow(dir / "out"), names);
}

TEST(HostileLayout, DeepChainsOfFoldersHoldFewDescriptors)
{
    // 1,000 nested folder entries, a file at the bottom and files beside the
    // top, under a descriptor limit far below the depth: the cost of a path
    // must not grow with its depth, or one such archive starves the others.
    TempDir dir;
    RawZip zip;
    std::string path;
    for (int depth = 1; depth <= 1000; ++depth) {
        path += "d/";
        zip.entries.push_back(StoredEntry(path, ""));
        zip.entries.back().dosTime = 0x6000 + depth % 30; // every folder its own time
    }
    zip.entries.push_back(StoredEntry(path + "bottom.txt", "at the bottom"));
    for (int i = 0; i < 20; ++i)
        zip.entries.push_back(StoredEntry("top/" + std::to_string(i) + ".txt", "beside"));
    WriteRawZip(dir / "deep.zip", zip);

    size_t open = size_t(std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator{}));
    struct rlimit saved {};
    getrlimit(RLIMIT_NOFILE, &saved);
    struct rlimit lowered = saved;
    lowered.rlim_cur = open + 40;
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &lowered), 0);
    EngineCall call((dir / "deep.zip").string(), (dir / "out").string());
    call.options.Threads = 2;
    int32_t code = call.run();
    setrlimit(RLIMIT_NOFILE, &saved);

    EXPECT_EQ(code, UZ_OK);
    EXPECT_EQ(call.callbacks.FailedCount, 0);
    EXPECT_EQ(dir.read("out/" + path + "bottom.txt"), "at the bottom");
    EXPECT_EQ(dir.read("out/top/19.txt"), "beside");
    struct stat deepest {};
    ASSERT_EQ(stat((dir / "out" / path).c_str(), &deepest), 0);
    struct tm local {};
    time_t seconds = deepest.st_mtime;
    localtime_r(&seconds, &local);
    EXPECT_EQ(local.tm_sec, 2 * (1000 % 30)) << "the deepest folder keeps its own time";
}
