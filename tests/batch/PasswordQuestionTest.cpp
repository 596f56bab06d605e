#include "BatchCommand.h"
#include "Pty.h"

#include "TempDir.h"
#include "ZipBuilder.h"
#include "common/Settings.h"
#include "engine/EngineLibrary.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <map>
#include <thread>

namespace fs = std::filesystem;

namespace {

// Plays the user at the terminal: answers each "Password for NAME: " from
// the script for NAME, in order, and counts the questions.
struct TerminalUser {
    Pty &pty;
    std::map<std::string, std::vector<std::string>> answers;
    std::atomic<bool> done = false;
    std::map<std::string, int> asked = {};

    void play()
    {
        std::size_t from = 0;
        const std::string question = "Password for ";
        while (!done) {
            const std::string screen = pty.seenSoFar();
            const std::size_t at = screen.find(question, from);
            const std::size_t end = at == std::string::npos ? at : screen.find(": ", at);
            if (end == std::string::npos) {
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
                continue;
            }
            const std::string name = screen.substr(at + question.size(), end - at - question.size());
            const int n = asked[name]++;
            const std::vector<std::string> &script = answers[name];
            const std::string line = (std::size_t(n) < script.size() ? script[std::size_t(n)] : "") + "\n";
            EXPECT_EQ(::write(pty.master, line.data(), line.size()), ssize_t(line.size()));
            from = end;
        }
    }
};

} // namespace

// An archive no given password opens is asked for at the terminal, one
// question at a time though two archives run at once: a wrong answer is
// asked again, Enter skips, three wrong answers fail it as a wrong password.
// --no-prompt and --quiet never ask.
TEST(PasswordQuestion, TheTerminalIsAskedForEachLockedArchive)
{
    SetEngineLibraryPath(ENGINE_PATH);
    TempDir dir;
    SetSettingsFolder(QString::fromStdString((dir / "config").string()));
    fs::create_directories(dir / "in");
    MakeZip(dir / "in/a.zip", {{.name = "a.txt", .data = "A", .encrypted = true}}, "alpha");
    MakeZip(dir / "in/b.zip", {{.name = "b.txt", .data = "B", .encrypted = true}}, "beta");
    MakeZip(dir / "in/c\x1b[1m.zip", {{.name = "c.txt", .data = "C", .encrypted = true}}, "gamma");
    MakeZip(dir / "in/plain.zip", {{"p.txt", "P"}});
    for (const QString extra : {"", "--no-prompt", "-q"}) {
        fs::create_directories(dir / "out");
        Pty pty(80, false);
        ASSERT_TRUE(pty.ok());
        pty.startReading();
        TerminalUser user{pty, {{"a.zip", {"wrong", "alpha"}}, {"b.zip", {""}}, {"c\\x1b[1m.zip", {"x", "y", "z"}}}};
        std::thread playing([&] { user.play(); });
        BatchIo io;
        io.out = io.err = pty.out;
        io.passwordTerminal = pty.slave;
        io.processors = 2;
        const QString out = QString::fromStdString((dir / "out").string());
        QStringList args{"marrowlyn-batch", "-j", "2", "-o", out, QString::fromStdString((dir / "in").string())};
        if (!extra.isEmpty())
            args.insert(1, extra);
        EXPECT_EQ(RunBatchCommand(args, io), SomeNotExtracted);
        user.done = true;
        playing.join();
        const std::string screen = pty.screen();
        SCOPED_TRACE(extra.toStdString() + "\n" + screen);
        if (!extra.isEmpty()) {
            EXPECT_TRUE(user.asked.empty());
            EXPECT_FALSE(fs::exists(dir / "out/a/a.txt"));
            fs::remove_all(dir / "out");
            continue;
        }
        EXPECT_EQ(user.asked, (std::map<std::string, int>{{"a.zip", 2}, {"b.zip", 1}, {"c\\x1b[1m.zip", 3}}));
        EXPECT_EQ(dir.read("out/a/a.txt"), "A");
        EXPECT_EQ(dir.read("out/plain/p.txt"), "P");
        EXPECT_NE(screen.find("b.zip: skipped: no password given"), std::string::npos);
        EXPECT_NE(screen.find("c.txt: wrong password"), std::string::npos);
        EXPECT_EQ(screen.find("alpha"), std::string::npos) << "the typing is not shown";
        EXPECT_EQ(screen.find('\x1b'), std::string::npos) << "the name is escaped";
        fs::remove_all(dir / "out");
    }
    SetSettingsFolder(QString());
}
