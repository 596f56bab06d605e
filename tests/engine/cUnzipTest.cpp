// The engine wrapper through the fake engine: what it hands over, what it
// makes of the listing, and how it reports failures.
#include "EngineLibrary.h"
#include "FakeEngine.h"
#include "RuntimeError.h"
#include "cUnzip.h"
#include "mUnzip.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace std::chrono;

namespace {

int ErrorOf(const std::function<void()> &statement)
{
    try {
        statement();
    } catch (const RuntimeError &error) {
        return static_cast<int>(error.number());
    }
    return 0;
}

// Lists the given entries as the engine would: packed and full size, the
// share saved as its ratio, a date.
struct Listed {
    const char *name;
    uint32_t size;
    uint32_t packed;
    int32_t flags = 0;
};

FakeEngine::Script Listing(std::vector<Listed> entries)
{
    return [entries](FakeCall &, USERFUNCTIONS &callbacks, DCL &) {
        for (const Listed &e : entries) {
            const int32_t saved = e.size > e.packed ? int32_t((e.size - e.packed) * 100ull / e.size) : 0;
            callbacks.listEntry(e.packed, e.size, saved, 8, 31, 2021, 14, 5, 0, e.name, "Deflate", 0xCAFEF00D, e.flags);
        }
        return int32_t{UZ_OK};
    };
}

TEST(cUnzip, StartsEmptyAndRefusesIndexesOutsideTheTable)
{
    cUnzip unzip;
    EXPECT_FALSE(unzip.ExtractOnlyNewer());
    EXPECT_FALSE(unzip.PromptToOverwrite());
    EXPECT_FALSE(unzip.TestZip());
    EXPECT_FALSE(unzip.UseFolderNames());
    EXPECT_FALSE(unzip.OverwriteExisting());
    EXPECT_EQ(unzip.MessageLevel(), UnzipMessageLevel::EveryEntry);
    EXPECT_EQ(unzip.ZipFile(), "");
    EXPECT_EQ(unzip.UnzipFolder(), "");
    EXPECT_EQ(unzip.FileCount(), 0);
    EXPECT_EQ(ErrorOf([&] { unzip.Filename(1); }), 9);
    EXPECT_EQ(ErrorOf([&] { unzip.FileSelected(0, true); }), 9);

    // Booleans go into the record as 1, never -1; the level goes in unchanged.
    unzip.OverwriteExisting(true);
    unzip.MessageLevel(static_cast<UnzipMessageLevel>(7));
    EXPECT_EQ(unzip.OptionRecord().fields.OverwriteExisting, 1);
    EXPECT_EQ(unzip.OptionRecord().fields.MessageLevel, 7);
    unzip.OverwriteExisting(false);
    EXPECT_EQ(unzip.OptionRecord().fields.OverwriteExisting, 0);
}

TEST(cUnzip, ListingFillsTheTableWithTheEnginesValues)
{
    FakeEngine fake;
    // The table's ratio is the packed share, so that size x ratio / 100 is
    // the packed size (whatever figure the engine passes as its ratio).
    fake.script = Listing({{"docs/img/a.png", 1000, 450, 0x40},
                           {"readme.txt", 999, 10},
                           {"docs/", 0, 0},             // a folder entry: no row
                           {"/abs/x", 80000, 24000000}, // leading "/" kept in the folder
                           {"big.bin", 0x7FFFFFFF, 0x3FFFFFFF}});
    cUnzip unzip;
    unzip.ZipFile("/in/a.zip");
    EXPECT_EQ(unzip.Directory(), 0);

    ASSERT_EQ(fake.calls.size(), 1u);
    EXPECT_EQ(fake.calls[0].options.ListOnly, 1);
    EXPECT_EQ(fake.calls[0].zipFileName, "/in/a.zip");
    EXPECT_EQ(fake.calls[0].extractDir, "");
    EXPECT_EQ(fake.calls[0].callbacks.sound, nullptr);
    EXPECT_EQ(unzip.OptionRecord().fields.ListOnly, 1);

    ASSERT_EQ(unzip.FileCount(), 4);
    EXPECT_EQ(unzip.Filename(1), "a.png");
    EXPECT_EQ(unzip.FileDirectory(1), "docs/img");
    EXPECT_EQ(unzip.FileSize(1), 1000);
    EXPECT_EQ(unzip.FileCompressionRatio(1), 45);
    EXPECT_EQ(unzip.FilePackedSize(1), 450);
    EXPECT_EQ(unzip.FileCompressionMethod(1), "Deflate");
    EXPECT_EQ(unzip.FileCRC(1), 0xCAFEF00Du);
    EXPECT_TRUE(unzip.FileEncrypted(1));
    EXPECT_TRUE(unzip.FileSelected(1));
    EXPECT_EQ(unzip.FileDate(1), local_days{2021y / August / 31} + 14h + 5min);

    EXPECT_EQ(unzip.FileDirectory(2), "");
    EXPECT_FALSE(unzip.FileEncrypted(2));
    EXPECT_EQ(unzip.FilePackedSize(2), 9);

    EXPECT_EQ(unzip.Filename(3), "x");
    EXPECT_EQ(unzip.FileDirectory(3), "/abs");
    // 80000 * 30000 fits 64 bits only: overflow, error 6.
    EXPECT_EQ(ErrorOf([&] { unzip.FilePackedSize(3); }), 6);
    EXPECT_EQ(ErrorOf([&] { unzip.FilePackedSize(4); }), 6);
    EXPECT_EQ(ErrorOf([&] { unzip.FileSize(5); }), 9);

    // A second listing appends; a new ZipFile empties.
    unzip.Directory();
    EXPECT_EQ(unzip.FileCount(), 8);
    unzip.ZipFile("/in/b.zip");
    EXPECT_EQ(unzip.FileCount(), 0);
}

TEST(cUnzip, UnzipPassesTheSelectedEntriesOrNoListAtAll)
{
    FakeEngine fake;
    fake.script = Listing({{"a/one.txt", 1, 0}, {"a/b/two.txt", 1, 0}, {"three.txt", 1, 0}});
    cUnzip unzip;
    unzip.ZipFile("/in/a.zip");
    unzip.UnzipFolder("/out");
    unzip.OverwriteExisting(true);
    unzip.Directory();
    fake.script = nullptr;

    unzip.FileSelected(2, false);
    EXPECT_FALSE(unzip.Unzip()); // the engine answered 0
    const FakeCall &some = fake.calls.back();
    EXPECT_EQ(some.includeCount, 2);
    EXPECT_EQ(some.includeSlots, (std::vector<std::string>{"a/one.txt", "three.txt", ""}));
    EXPECT_EQ(some.excludeCount, 0);
    EXPECT_EQ(some.excludeSlots, std::vector<std::string>{""});
    EXPECT_EQ(some.options.ListOnly, 0);
    EXPECT_EQ(some.options.OverwriteExisting, 1);
    EXPECT_EQ(some.zipFileName, "/in/a.zip");
    EXPECT_EQ(some.extractDir, "/out");

    // None selected, or all selected: the whole archive.
    for (int i = 1; i <= 3; ++i)
        unzip.FileSelected(i, false);
    unzip.Unzip();
    EXPECT_EQ(fake.calls.back().includeCount, 0);
    EXPECT_EQ(fake.calls.back().includeSlots, std::vector<std::string>{""});
    for (int i = 1; i <= 3; ++i)
        unzip.FileSelected(i, true);
    unzip.Unzip();
    EXPECT_EQ(fake.calls.back().includeCount, 0);

    // After a new ZipFile the table is empty and so is the list.
    unzip.ZipFile("/in/b.zip");
    unzip.Unzip();
    EXPECT_EQ(fake.calls.back().includeCount, 0);
    EXPECT_EQ(fake.calls.back().zipFileName, "/in/b.zip");

    // An empty ZipFile calls nothing.
    const auto before = fake.calls.size();
    unzip.ZipFile("");
    EXPECT_FALSE(unzip.Unzip());
    EXPECT_EQ(fake.calls.size(), before);

    // Any answer but 0 reads as True, and whatever the engine left in the record stays.
    unzip.ZipFile("/in/c.zip");
    fake.script = [](FakeCall &, USERFUNCTIONS &, DCL &options) {
        options.Reserved9 = 42;
        return int32_t{UZ_SOME_FAILED};
    };
    EXPECT_TRUE(unzip.Unzip());
    EXPECT_EQ(unzip.LastEngineResult(), UZ_SOME_FAILED);
    EXPECT_EQ(unzip.OptionRecord().fields.Reserved9, 42);
    EXPECT_EQ(unzip.OptionRecord().fields.ZipFileName, nullptr);
}

TEST(cUnzip, LongIncludeListsArePassedWhole)
{
    FakeEngine fake;
    std::vector<std::string> names;
    for (int i = 0; i < 1500; ++i)
        names.push_back("f" + std::to_string(i));
    fake.script = [&names](FakeCall &, USERFUNCTIONS &callbacks, DCL &) {
        for (const std::string &name : names)
            callbacks.listEntry(1, 1, 0, 1, 1, 2000, 0, 0, 0, name.c_str(), "Stored", 0, 0);
        return int32_t{UZ_OK};
    };
    cUnzip unzip;
    unzip.ZipFile("/in/many.zip");
    unzip.Directory();
    unzip.FileSelected(1, false);
    fake.script = nullptr;
    unzip.Unzip();
    EXPECT_EQ(fake.calls.back().includeCount, 1499);
    ASSERT_EQ(fake.calls.back().includeSlots.size(), 1500u);
    EXPECT_EQ(fake.calls.back().includeSlots[1498], "f1499");
    EXPECT_EQ(fake.calls.back().includeSlots[1499], "");
}

TEST(cUnzip, GetVersionReadsTheEngineVersionAndLeavesTheDate)
{
    FakeEngine fake;
    fake.versionScript = [](UZ_VERSION &version) {
        // What the program prepared: length 64, blanks closed by NUL.
        EXPECT_EQ(version.StructLength, 64u);
        EXPECT_EQ(std::string(version.BetaLevel, 10), std::string(9, ' ') + '\0');
        EXPECT_EQ(std::string(version.Date, 20), std::string(19, ' ') + '\0');
        std::memcpy(version.BetaLevel, "beta\0", 5);
        version.FormatVersion[0] = 9;
        version.EngineVersion[0] = 1;
        version.EngineVersion[1] = 2;
        version.EngineVersion[2] = 3;
        return 0;
    };
    cUnzip unzip;
    int32_t major = 0, minor = 0, revision = 0;
    const UnzipDateTime given = local_days{1999y / 1 / 2};
    UnzipDateTime date = given;
    std::string extra;
    unzip.GetVersion(major, minor, revision, date, extra);
    EXPECT_EQ(major, 1);
    EXPECT_EQ(minor, 2);
    EXPECT_EQ(revision, 3);
    EXPECT_EQ(date, given);
    EXPECT_EQ(extra, "beta      ");

    fake.versionScript = [](UZ_VERSION &version) {
        std::memcpy(version.BetaLevel, "0123456789", 10); // no NUL: taken whole
        return 0;
    };
    unzip.GetVersion(major, minor, revision, date, extra);
    EXPECT_EQ(extra, "0123456789");
}

TEST(cUnzip, AMissingEngineAnswersMinusOne)
{
    cUnzip unzip;
    unzip.ZipFile("/in/a.zip");
    UnzipDateTime date{};
    int32_t major, minor, revision;
    std::string extra;

    SetEngineLibraryPath("/nonexistent/libunzip32.so");
    EXPECT_TRUE(unzip.Unzip()); // -1 is not 0
    EXPECT_EQ(unzip.LastEngineResult(), -1);
    EXPECT_EQ(unzip.Directory(), 0);
    EXPECT_EQ(ErrorOf([&] { unzip.GetVersion(major, minor, revision, date, extra); }), 53);

    {
        FakeEngine withoutEntryPoints(FAKE_ENGINE_NO_ENTRY_PATH);
        EXPECT_TRUE(unzip.Unzip());
        EXPECT_EQ(unzip.LastEngineResult(), -1);
        EXPECT_EQ(ErrorOf([&] { unzip.GetVersion(major, minor, revision, date, extra); }), 453);
    }
    SetEngineLibraryPath("");
}

} // namespace
