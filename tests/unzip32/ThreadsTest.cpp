// The same archive gives the same files and messages whatever the number of
// decoding threads, including none of the engine's own (the calling thread
// decodes alone), with plain and encrypted entries mixed, files replaced
// without being looked at first, and a folder standing in a file's way.
#include "EngineCall.h"
#include "RawZipWriter.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace fs = std::filesystem;

namespace {

std::string contentsOf(int i)
{
    return "entry " + std::to_string(i) + "\n" + std::string(size_t(i % 7) * 1000, char('a' + i % 26));
}

std::string nameOf(int i)
{
    return "d" + std::to_string(i % 9) + "/e" + std::to_string(i % 4) + "/f" + std::to_string(i) + ".txt";
}

} // namespace

TEST(Threads, EveryThreadCountGivesTheSameResult)
{
    TempDir dir;
    std::vector<RawEntry> entries;
    for (int i = 0; i < 300; ++i) {
        RawEntry entry = CompressedEntry(nameOf(i), i % 3 == 0 ? 0 : 8, contentsOf(i));
        if (i % 50 == 7)
            entry.zipCryptoPassword = "pw";
        entries.push_back(entry);
    }
    entries.push_back(StoredEntry("blocked.txt", "never written"));
    WriteRawZip(dir / "a.zip", {.entries = entries});

    for (int threads : {1, 2, 5}) {
        SCOPED_TRACE("threads: " + std::to_string(threads));
        const std::string out = "out" + std::to_string(threads);
        dir.write(out + "/" + nameOf(10), "old contents, longer than the new ones will be ......................");
        fs::create_directories(dir / out / "blocked.txt");
        EngineCall call((dir / "a.zip").string(), (dir / out).string());
        call.options.Threads = threads;
        call.passwords = {"pw"};
        EXPECT_EQ(call.run(), UZ_SOME_FAILED);
        EXPECT_EQ(call.callbacks.EntryCount, 301u);
        EXPECT_EQ(call.callbacks.FailedCount, 1u);
        EXPECT_TRUE(call.printed("error: blocked.txt: a folder of that name exists"));
        EXPECT_EQ(call.passwordAsked.size(), 1u) << "the password that worked is tried first for the later entries";
        for (int i = 0; i < 300; ++i)
            ASSERT_EQ(dir.read(out + "/" + nameOf(i)), contentsOf(i)) << nameOf(i);
        auto written = FilesBelow(dir / out);
        EXPECT_EQ(written.size(), 300u) << "nothing but the entries, no temporary file";
        EXPECT_TRUE(std::none_of(written.begin(), written.end(),
                                 [](const std::string &name) { return name.find(".mz") != std::string::npos; }));
        EXPECT_EQ(std::count_if(call.lines.begin(), call.lines.end(),
                                [](const std::string &line) { return line.rfind("extracted: ", 0) == 0; }),
                  300);
    }
}

TEST(Threads, KeepingExistingFilesStillLooksFirst)
{
    TempDir dir;
    WriteRawZip(dir / "a.zip", {.entries = {StoredEntry("a.txt", "new"), StoredEntry("sub/b.txt", "new b")}});
    dir.write("out/a.txt", "old");
    EngineCall call((dir / "a.zip").string(), (dir / "out").string());
    call.options.OverwriteExisting = 0;
    call.options.Threads = 1;
    EXPECT_EQ(call.run(), UZ_OK);
    EXPECT_EQ(dir.read("out/a.txt"), "old");
    EXPECT_EQ(dir.read("out/sub/b.txt"), "new b");
    EXPECT_TRUE(call.printed("skipped: a.txt: a file of that name exists"));
}
