// Entry names an honest writer would not produce. Each is handled in a way
// decided once (see docs/reliability.md), and the honest entry beside it
// ("ok.txt") is always extracted.
#include "EngineCall.h"
#include "RawZipWriter.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

namespace fs = std::filesystem;

namespace {

// Extracts entries (plus an honest "ok.txt") into dir/out with two threads.
int32_t extract(const TempDir &dir, std::vector<RawEntry> entries, EngineCall &call)
{
    entries.push_back(StoredEntry("ok.txt", "ok"));
    WriteRawZip(dir / "a.zip", {.entries = entries});
    int32_t result = call.run();
    EXPECT_EQ(dir.read("out/ok.txt"), "ok") << "the honest entry is extracted too";
    return result;
}

} // namespace

TEST(HostileNames, ControlCharactersBecomeUnderscores)
{
    TempDir dir;
    auto utf8 = [](const std::string &name, const std::string &data) {
        RawEntry entry = StoredEntry(name, data);
        entry.flags = 0x800;
        return entry;
    };
    EngineCall call((dir / "a.zip").string(), (dir / "out").string());
    EXPECT_EQ(extract(dir,
                      {utf8("bell\x07name.txt", "1"), utf8("line\nbreak/tab\t.txt", "2"), utf8("del\x7f.txt", "3"),
                       utf8("c1\xc2\x85.txt", "4"), StoredEntry("old\x01.txt", "5")},
                      call),
              UZ_OK);
    // Unflagged names are CP437, where bytes below 32 are symbols (0x01 is U+263A);
    // a flagged name with such a byte is no UTF-8 and is read as CP437 too (0x07 is U+2022).
    EXPECT_EQ(FilesBelow(dir / "out"),
              (std::vector<std::string>{"bell\xe2\x80\xa2name.txt", "c1_.txt", "del_.txt", "line_break/tab_.txt",
                                        "ok.txt", "old\xe2\x98\xba.txt"}));
    // A message is one line and carries no terminal commands either: the
    // controls are shown as escapes, and the path written beside them.
    EXPECT_TRUE(call.printed("extracted: c1\\u0085.txt: written as c1_.txt"));
    EXPECT_TRUE(call.printed("extracted: line\\nbreak/tab\\t.txt: written as line_break/tab_.txt"));
    for (const std::string &line : call.lines)
        EXPECT_EQ(line.find_first_of("\n\x07\x1b\x7f"), std::string::npos) << line;
}

TEST(HostileNames, OverlongComponentsFailAloneAndDeepPathsBeyondPathMaxAreWritten)
{
    TempDir dir;
    const std::string longPart(NAME_MAX + 1, 'n');
    // 45 folders of 100 bytes: beyond PATH_MAX in all, each part within NAME_MAX.
    std::string deep;
    for (int i = 0; i < 45; ++i)
        deep += std::string(100, char('a' + i % 26)) + "/";
    deep += "leaf.txt";
    ASSERT_GT(deep.size(), size_t(PATH_MAX));
    EngineCall call((dir / "a.zip").string(), (dir / "out").string());
    EXPECT_EQ(extract(dir,
                      {StoredEntry(longPart + ".txt", "1"), StoredEntry("dir/" + longPart + "/x.txt", "2"),
                       StoredEntry(deep, "deep")},
                      call),
              UZ_SOME_FAILED);
    EXPECT_TRUE(call.printed("error: " + longPart + ".txt: cannot be put in place: the name is too long"));
    EXPECT_TRUE(call.printed("error: dir/" + longPart + "/x.txt: cannot open folder \"" + longPart
                             + "\": the name is too long"));
    EXPECT_TRUE(call.printed("extracted: " + deep)) << "folders are opened one at a time, so depth is no limit";
    EXPECT_EQ(call.callbacks.FailedCount, 2u);
}

TEST(HostileNames, InvalidUtf8IsReadAsCp437)
{
    // Names that claim UTF-8 (or look like it) and are not: stray bytes, a cut
    // sequence, and the forms a lax check lets through (overlong, surrogate,
    // past U+10FFFF). Each is read as CP437, so no written name is invalid.
    struct Case {
        const char *stored;
        uint16_t flags;
        const char *written;
    } cases[] = {
        {"bad\xff\xfe.txt", 0x800, "bad\u00a0\u25a0.txt"},
        {"cut\xc3.txt", 0x800, "cut\u251c.txt"},
        {"over\xc0\xaf.txt", 0x800, "over\u2514\u00bb.txt"},
        {"sur\xed\xa0\x80.txt", 0x800, "sur\u03c6\u00e1\u00c7.txt"},
        {"big\xf4\x90\x80\x80.txt", 0, "big\u2320\u00c9\u00c7\u00c7.txt"},
        {"flagged\xc3\xa9.txt", 0x800, "flagged\u00e9.txt"},
    };
    TempDir dir;
    std::vector<RawEntry> entries;
    std::vector<std::string> expected{"ok.txt"};
    for (const Case &c : cases) {
        entries.push_back(StoredEntry(c.stored, "x"));
        entries.back().flags = c.flags;
        expected.push_back(c.written);
    }
    std::sort(expected.begin(), expected.end());
    EngineCall call((dir / "a.zip").string(), (dir / "out").string());
    EXPECT_EQ(extract(dir, entries, call), UZ_OK);
    EXPECT_EQ(FilesBelow(dir / "out"), expected);
}

TEST(HostileNames, DotsAndEmptyNamesAreRefusedOrDropped)
{
    TempDir dir;
    EngineCall call((dir / "a.zip").string(), (dir / "out").string());
    EXPECT_EQ(extract(dir,
                      {StoredEntry(".", "1"), StoredEntry("..", "2"), StoredEntry("", "3"), StoredEntry("./", ""),
                       StoredEntry("../", ""), StoredEntry("./inner/../f.txt", "5"), StoredEntry("a/../..", "6")},
                      call),
              UZ_SOME_FAILED);
    for (const char *name : {".", "..", ""})
        EXPECT_TRUE(
            call.printed(std::string("error: ") + name + ": its name has no part that can be used as a file name"))
            << name;
    EXPECT_EQ(call.callbacks.FailedCount, 3u) << "folder entries that name the destination itself are no failure";
    // "." and ".." parts are dropped, never followed: what is left is the name.
    EXPECT_EQ(FilesBelow(dir / "out"), (std::vector<std::string>{"a", "inner/f.txt", "ok.txt"}));
    EXPECT_EQ(dir.read("out/a"), "6");
}

TEST(HostileNames, DuplicatesAndCaseOnlyDuplicates)
{
    TempDir dir;
    std::vector<RawEntry> entries = {StoredEntry("same.txt", "first"), StoredEntry("Case.txt", "upper"),
                                     StoredEntry("same.txt", "second"), StoredEntry("case.txt", "lower")};
    EngineCall replacing((dir / "a.zip").string(), (dir / "out").string());
    EXPECT_EQ(extract(dir, entries, replacing), UZ_OK);
    EXPECT_EQ(dir.read("out/same.txt"), "second") << "the later entry of a name wins when replacing is allowed";
    EXPECT_EQ(dir.read("out/Case.txt"), "upper") << "names differing in case are different files here";
    EXPECT_EQ(dir.read("out/case.txt"), "lower");

    fs::remove_all(dir / "out");
    EngineCall keeping((dir / "a.zip").string(), (dir / "out").string());
    keeping.options.OverwriteExisting = 0;
    EXPECT_EQ(extract(dir, entries, keeping), UZ_OK);
    EXPECT_EQ(dir.read("out/same.txt"), "first") << "without replacing, the first one stays";
    EXPECT_TRUE(keeping.printed("skipped: same.txt: a file of that name exists"));
}

TEST(HostileNames, FileAndFolderOfTheSameNameFirstComeFirstServed)
{
    TempDir dir;
    // Many files between them so that two threads would race without the ordering.
    std::vector<RawEntry> fileFirst = {StoredEntry("x", std::string(200000, 'f'))};
    for (int i = 0; i < 20; ++i)
        fileFirst.push_back(StoredEntry("pad" + std::to_string(i), "p"));
    fileFirst.push_back(StoredEntry("x/inside.txt", "i"));
    fileFirst.push_back(StoredEntry("x/", ""));
    EngineCall call((dir / "a.zip").string(), (dir / "out").string());
    EXPECT_EQ(extract(dir, fileFirst, call), UZ_SOME_FAILED);
    EXPECT_TRUE(fs::is_regular_file(dir / "out/x"));
    EXPECT_TRUE(call.printed("error: x/inside.txt: cannot open folder \"x\": a file stands where a folder is needed"));
    EXPECT_TRUE(call.printedStarting("error: x/: "));

    fs::remove_all(dir / "out");
    EngineCall other((dir / "a.zip").string(), (dir / "out").string());
    EXPECT_EQ(extract(dir, {StoredEntry("y/inside.txt", std::string(200000, 'i')), StoredEntry("y", "file")}, other),
              UZ_SOME_FAILED);
    EXPECT_EQ(dir.read("out/y/inside.txt"), std::string(200000, 'i'));
    EXPECT_TRUE(other.printed("error: y: a folder of that name exists"));
}
