// A destination the call makes itself is filled out of sight and takes its
// name at the end: what others see of it, and what a kill leaves.
#include "EngineCall.h"
#include "RawZipWriter.h"
#include "StateFolder.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The hidden folders of calls beside `folder`'s contents.
std::vector<std::string> StagesIn(const fs::path &folder)
{
    std::vector<std::string> found;
    for (const auto &item : fs::directory_iterator(folder))
        if (item.path().extension() == ".stage")
            found.push_back(item.path().filename().string());
    return found;
}

} // namespace

TEST(Staged, OthersSeeNothingUntilTheEndAndWhatTheyPutThereMeanwhileIsKept)
{
    TempDir dir;
    StateFolder state(dir / "state");
    RawEntry broken = StoredEntry("broken.txt", "its CRC is wrong");
    broken.crc = 1;
    WriteRawZip(dir / "a.zip",
                {.entries = {StoredEntry("a.txt", "ours"), StoredEntry("sub/clash.txt", "ours"), broken,
                             StoredEntry("sub/b.txt", "ours")}});
    EngineCall call((dir / "a.zip").string(), (dir / "out/new").string());
    call.options.Threads = 1;
    std::vector<std::string> seen;
    call.serviceHook = [&](int index) {
        if (index != 2)
            return;
        seen = FilesBelow(dir / "out/new");
        // Another program uses the folder it found there.
        dir.write("out/new/theirs.txt", "theirs");
        dir.write("out/new/sub/clash.txt", "theirs");
    };
    EXPECT_EQ(call.run(), UZ_SOME_FAILED);
    EXPECT_EQ(seen, std::vector<std::string>()) << "the claimed folder stays empty while the call runs";
    EXPECT_EQ(FilesBelow(dir / "out/new"),
              (std::vector<std::string>{"a.txt", "sub/b.txt", "sub/clash.txt", "theirs.txt"}));
    EXPECT_EQ(dir.read("out/new/sub/clash.txt"), "theirs");
    EXPECT_EQ(dir.read("out/new/a.txt"), "ours");
    EXPECT_TRUE(call.printed(
        "error: sub/clash.txt: a file of that name appeared in the folder during the extraction and was kept"));
    EXPECT_TRUE(StagesIn(dir / "out").empty());
    EXPECT_EQ(state.records().size(), 0u) << "a finished call takes its record away";

    // Undisturbed, the folder gets the mode mkdir gives and no failed entry.
    EngineCall plain((dir / "a.zip").string(), (dir / "out/plain").string());
    EXPECT_EQ(plain.run(), UZ_SOME_FAILED);
    EXPECT_EQ(FilesBelow(dir / "out/plain"), (std::vector<std::string>{"a.txt", "sub/b.txt", "sub/clash.txt"}));
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(fs::status(dir / "out/plain").permissions(), fs::perms(0777 & ~mask));
}

TEST(Staged, AKilledCallShowsNoFileAndItsHiddenFolderGoesWithTheNextCall)
{
    TempDir dir;
    StateFolder state(dir / "state");
    const size_t size = size_t(128) << 20;
    WriteRawZip(
        dir / "big.zip",
        {.entries = {StoredEntry("first.txt", "first"), CompressedEntry("big.bin", 93, std::string(size, 'z'))}});
    const fs::path out = dir / "out";
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        EngineCall call((dir / "big.zip").string(), (out / "new").string());
        call.options.Threads = 1;
        call.run();
        _exit(0);
    }
    // In the middle: the child writes big.bin in its hidden folder.
    bool writing = false;
    for (auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
         !writing && std::chrono::steady_clock::now() < deadline;) {
        std::error_code ec;
        for (auto &fd : fs::directory_iterator("/proc/" + std::to_string(child) + "/fd", ec))
            writing = writing || fs::read_symlink(fd.path(), ec).string().ends_with(".stage/big.bin");
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(writing) << "the child never got to the large entry";
    ASSERT_TRUE(WIFSIGNALED(status)) << "the child finished before it could be killed";
    EXPECT_EQ(FilesBelow(out / "new"), std::vector<std::string>());
    EXPECT_EQ(StagesIn(out).size(), 1u);

    EngineCall next((dir / "big.zip").string(), (dir / "elsewhere").string());
    EXPECT_EQ(next.run(), UZ_OK);
    EXPECT_TRUE(StagesIn(out).empty()) << "the dead call's hidden folder is removed";
    EngineCall again((dir / "big.zip").string(), (out / "new").string());
    EXPECT_EQ(again.run(), UZ_OK);
    EXPECT_EQ(fs::file_size(out / "new/big.bin"), size);
}

TEST(Staged, AStopThatWithdrawsLeavesANewDestinationAsItWasAndNeverTouchesAnOldOne)
{
    TempDir dir;
    StateFolder state(dir / "state");
    RawZip zip;
    for (int i = 0; i < 6; ++i)
        zip.entries.push_back(StoredEntry("sub/f" + std::to_string(i) + ".txt", "data"));
    WriteRawZip(dir / "a.zip", zip);
    dir.write("out/old/mine.txt", "the user's");
    for (const char *where : {"new", "old"}) {
        EngineCall call((dir / "a.zip").string(), (dir / "out" / where).string());
        call.options.Threads = 1;
        call.cancelAt = 3;
        call.cancelAnswer = 2;
        EXPECT_EQ(call.run(), UZ_CANCELLED) << where;
    }
    EXPECT_FALSE(fs::exists(dir / "out/new"));
    EXPECT_EQ(dir.read("out/old/mine.txt"), "the user's");
    EXPECT_TRUE(StagesIn(dir / "out").empty());
}
