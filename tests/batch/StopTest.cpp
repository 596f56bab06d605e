// Ctrl-C at the built command: the archive in progress is given up without
// a trace, the rest are not started, and the summary still comes.
#include "RawZipWriter.h"
#include "TempDir.h"
#include "ZipBuilder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

pid_t startBatch(const TempDir &dir, const std::vector<std::string> &args)
{
    const pid_t child = fork();
    if (child != 0)
        return child;
    setenv("HOME", dir.str().c_str(), 1);
    setenv("XDG_CONFIG_HOME", dir.str().c_str(), 1);
    dup2(open((dir / "stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), STDOUT_FILENO);
    dup2(open((dir / "stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), STDERR_FILENO);
    std::vector<char *> argv{const_cast<char *>(BATCH_PATH)};
    for (const std::string &arg : args)
        argv.push_back(const_cast<char *>(arg.c_str()));
    argv.push_back(nullptr);
    execv(BATCH_PATH, argv.data());
    _exit(127);
}

} // namespace

TEST(BatchStop, TheSignalCancelsTheArchiveInProgressAndSkipsTheRest)
{
    for (const int signal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(strsignal(signal));
        TempDir dir;
        fs::create_directories(dir / "out");
        WriteSparseZeroZip(dir / "big.zip", "zeros.bin", 0xC0000000u);
        MakeZip(dir / "small.zip", {{"small.txt", "never written"}});
        // One at a time, biggest first: small.zip waits behind big.zip.
        const pid_t child = startBatch(
            dir, {"-j", "1", "-o", (dir / "out").string(), (dir / "big.zip").string(), (dir / "small.zip").string()});
        ASSERT_GT(child, 0);
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        // Its folder comes first; its file only once whole.
        while (!fs::exists(dir / "out/big") && std::chrono::steady_clock::now() < until)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        kill(child, signal);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        const std::string said = dir.read("stderr");
        ASSERT_TRUE(WIFEXITED(status)) << said;
        EXPECT_EQ(WEXITSTATUS(status), 130) << said;
        EXPECT_NE(said.find("small.zip"), std::string::npos) << said;
        EXPECT_NE(said.find("not started: stopped by the user"), std::string::npos) << said;
        EXPECT_TRUE(fs::is_empty(dir / "out")) << "nothing half-written, no empty folder";
    }
}
