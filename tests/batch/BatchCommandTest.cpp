#include "BatchCommand.h"
#include "CapturedRun.h"
#include "PasswordInput.h"
#include "ProgramFolder.h"
#include "Pty.h"
#include "SevenZip.h"

#include "TempDir.h"
#include "ZipBuilder.h"
#include "common/PathHelpers.h"
#include "common/Settings.h"
#include "common/Translations.h"
#include "engine/EngineLibrary.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <deque>
#include <fcntl.h>
#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {

class BatchCommandTest : public ::testing::Test {
protected:
    BatchCommandTest()
    {
        SetEngineLibraryPath(ENGINE_PATH);
        SetSettingsFolder(QString::fromStdString((dir / "config").string()));
        fs::create_directories(dir / "in");
        fs::create_directories(dir / "out");
    }
    ~BatchCommandTest() override { SetSettingsFolder(QString()); }

    fs::path in(const std::string &name) const { return dir / "in" / name; }
    QString out() const { return QString::fromStdString((dir / "out").string()); }

    int run(const QStringList &args)
    {
        BatchIo io;
        io.processors = 2;
        io.readStdinLine = [this]() -> std::optional<std::string> {
            if (stdinLines.empty())
                return std::nullopt;
            std::string line = stdinLines.front();
            stdinLines.pop_front();
            return line;
        };
        CapturedRun ran = RunCapturingOutput(args, io);
        stdoutText = std::move(ran.out);
        stderrText = std::move(ran.err);
        return ran.status;
    }

    TempDir dir;
    std::deque<std::string> stdinLines;
    std::string stdoutText, stderrText;
};

} // namespace

TEST_F(BatchCommandTest, SubfoldersModeScansFoldersAndKeepsSharedDestinationsInListOrder)
{
    fs::create_directories(dir / "in/sub");
    MakeZip(in("a.zip"), {{"readme.txt", "from a"}, {"docs/x.txt", "x"}});
    MakeZip(in("sub/Fotos 2020.backup.zip"), {{"p.txt", "photo"}});
    // Both parts go to the subfolder "c"; the later part must win.
    MakeZip(in("sub/c.part1.zip"), {{"same.txt", "part 1"}, {"only1.txt", "1"}});
    MakeZip(in("sub/c.part2.zip"), {{"same.txt", "part 2"}});
    dir.write("in/notes.txt", "not collected: wrong extension");

    EXPECT_EQ(run({"-o", out(), "--mode", "subfolders", "-j", "4", QString::fromStdString((dir / "in").string())}),
              AllExtracted)
        << stderrText;
    EXPECT_EQ(dir.read("out/a/readme.txt"), "from a");
    EXPECT_EQ(dir.read("out/a/docs/x.txt"), "x");
    EXPECT_EQ(dir.read("out/Fotos 2020/p.txt"), "photo");
    EXPECT_EQ(dir.read("out/c/same.txt"), "part 2");
    EXPECT_EQ(dir.read("out/c/only1.txt"), "1");
    EXPECT_FALSE(fs::exists(dir / "out/notes"));
    EXPECT_EQ(stdoutText, "Done.\n");
    EXPECT_NE(stderrText.find("extracted: "), std::string::npos) << "plain lines when not a terminal";
}

TEST_F(BatchCommandTest, OneFolderModePutsEverythingTogetherLaterArchiveWinning)
{
    MakeZip(in("first.zip"), {{"same.txt", "first"}, {"one.txt", "1"}});
    MakeZip(in("second.zip"), {{"same.txt", "second"}});
    EXPECT_EQ(run({"--quiet", "--output", out(), "--mode", "one-folder", QString::fromStdString(in("first.zip")),
                   QString::fromStdString(in("second.zip"))}),
              AllExtracted);
    EXPECT_EQ(dir.read("out/same.txt"), "second");
    EXPECT_EQ(dir.read("out/one.txt"), "1");
    EXPECT_EQ(stdoutText, "");
    EXPECT_EQ(stderrText, "") << "quiet prints nothing when all went well";
}

TEST_F(BatchCommandTest, OnConflictSkipKeepsTheFilesInPlaceAndSaysSo)
{
    MakeZip(in("a.zip"), {{"same.txt", "from a"}, {"new.txt", "n"}});
    dir.write("out/same.txt", "mine");
    EXPECT_EQ(run({"-o", out(), "--mode", "one-folder", "--on-conflict", "skip", QString::fromStdString(in("a.zip"))}),
              AllExtracted)
        << stderrText;
    EXPECT_EQ(dir.read("out/same.txt"), "mine");
    EXPECT_EQ(dir.read("out/new.txt"), "n");
    EXPECT_NE(stdoutText.find("a.zip: 1 file kept as it was"), std::string::npos) << stdoutText;
}

// As command-line extractors do: into the current folder, one subfolder per
// archive, whatever the window last did; the window's choices only when asked.
TEST_F(BatchCommandTest, TheCurrentFolderAndSubfoldersUnlessTheWindowsSettingsAreAsked)
{
    MakeZip(in("a.zip"), {{"f.txt", "f"}});
    SaveSetting(SettingsApplication, SettingsSection, SettingKey::OutputDirectory, out());
    SaveSetting(SettingsApplication, SettingsSection, SettingKey::Option1, "False");
    SaveSetting(SettingsApplication, SettingsSection, SettingKey::Option2, "True");
    fs::create_directories(dir / "here");
    const fs::path before = fs::current_path();
    fs::current_path(dir / "here");
    const int status = run({"-q", QString::fromStdString(in("a.zip"))});
    fs::current_path(before);
    EXPECT_EQ(status, AllExtracted) << stderrText;
    EXPECT_EQ(dir.read("here/a/f.txt"), "f");
    EXPECT_FALSE(fs::exists(dir / "out/f.txt"));

    EXPECT_EQ(run({"-q", "--window-settings", QString::fromStdString(in("a.zip"))}), AllExtracted) << stderrText;
    EXPECT_EQ(dir.read("out/f.txt"), "f") << "Option2 alone means one folder";
    EXPECT_EQ(run({"-q", "--window-settings", "--mode", "subfolders", QString::fromStdString(in("a.zip"))}),
              AllExtracted);
    EXPECT_EQ(dir.read("out/a/f.txt"), "f") << "an explicit option wins";
}

TEST_F(BatchCommandTest, PasswordFromFileOrStandardInput)
{
    MakeZip(in("secret.zip"), {{.name = "s.txt", .data = "hidden", .encrypted = true}}, "open sesame");
    dir.write("pw", "open sesame\n");
    EXPECT_EQ(run({"-q", "-o", out(), "--password-file", QString::fromStdString((dir / "pw").string()),
                   QString::fromStdString(in("secret.zip"))}),
              AllExtracted)
        << stderrText;
    EXPECT_EQ(dir.read("out/secret/s.txt"), "hidden");

    fs::remove_all(dir / "out/secret");
    stdinLines = {"open sesame"};
    EXPECT_EQ(run({"-q", "-o", out(), "--password-stdin", QString::fromStdString(in("secret.zip"))}), AllExtracted);
    EXPECT_EQ(dir.read("out/secret/s.txt"), "hidden");

    fs::remove_all(dir / "out/secret");
    stdinLines = {"wrong"};
    EXPECT_EQ(run({"-o", out(), "--password-stdin", QString::fromStdString(in("secret.zip"))}), SomeNotExtracted);
    EXPECT_FALSE(fs::exists(dir / "out/secret/s.txt"));
    // The closing summary names the archive once, with the engine's line under it.
    const std::size_t headline = stderrText.find("1 of 1 archive was not extracted cleanly:\n");
    ASSERT_NE(headline, std::string::npos) << stderrText;
    const std::string list = stderrText.substr(headline);
    const std::size_t archive = list.find("secret.zip: ");
    ASSERT_NE(archive, std::string::npos) << list;
    EXPECT_EQ(list.find("secret.zip: ", archive + 1), std::string::npos) << list;
    EXPECT_NE(list.find("    error: s.txt: wrong password"), std::string::npos) << list;
}

TEST_F(BatchCommandTest, FailuresGiveStatusOneAndTheSummary)
{
    MakeZip(in("good.zip"), {{"g.txt", "g"}});
    dir.write("in/bad.zip", "this is not an archive");
    EXPECT_EQ(run({"-o", out(), QString::fromStdString((dir / "in").string())}), SomeNotExtracted);
    EXPECT_EQ(dir.read("out/good/g.txt"), "g");
    EXPECT_NE(stderrText.find("Done."), std::string::npos);
    EXPECT_NE(stderrText.find("bad.zip"), std::string::npos);
}

// The command opens every kind by default and a folder scan collects their
// extensions (not ".exe": a self-extractor opens when named); --kinds zip,
// or the window's stored choice with --window-settings, holds it to ZIP.
TEST_F(BatchCommandTest, EveryKindByDefaultZipAloneWhenAsked)
{
    if (!Have7zz())
        GTEST_SKIP() << "7zz (Debian package 7zip) is needed";
    MakeZip(in("a.zip"), {{"a.txt", "a"}});
    dir.write("src/t.txt", "t");
    dir.write("sfx/s.txt", "s");
    ASSERT_TRUE(ShellIn(dir.path(),
                        "tar czf in/b.tar.gz -C src t.txt && 7zz a in/c.7z ./src/t.txt && 7zz a s.7z ./sfx/s.txt"
                        " && { printf MZ; head -c 159742 /dev/zero; cat s.7z; } > in/sfx.exe"));
    dir.write("in/notes.txt", "not collected");
    const QString inFolder = QString::fromStdString((dir / "in").string());
    const auto named = [this](const char *name) { return QString::fromStdString(in(name).string()); };
    const auto outIn = [this](const char *name) {
        fs::create_directories(dir / "out" / name);
        return QString::fromStdString((dir / "out" / name).string());
    };

    EXPECT_EQ(run({"-o", outIn("all"), inFolder}), AllExtracted) << stderrText;
    EXPECT_EQ(dir.read("out/all/a/a.txt") + dir.read("out/all/b/t.txt") + dir.read("out/all/c/t.txt"), "att");
    EXPECT_FALSE(fs::exists(dir / "out/all/sfx"));
    EXPECT_FALSE(fs::exists(dir / "out/all/notes"));
    EXPECT_EQ(run({"-o", outIn("all"), named("sfx.exe")}), AllExtracted) << stderrText;
    EXPECT_EQ(dir.read("out/all/sfx/s.txt"), "s");

    EXPECT_EQ(run({"--kinds", "zip", "-o", outIn("zip"), inFolder}), AllExtracted) << stderrText;
    EXPECT_EQ(dir.read("out/zip/a/a.txt"), "a");
    EXPECT_FALSE(fs::exists(dir / "out/zip/b"));
    EXPECT_EQ(run({"--kinds", "zip", "-o", outIn("zip"), named("c.7z")}), SomeNotExtracted);
    EXPECT_NE(stderrText.find("c.7z: not a ZIP archive: --kinds all opens it"), std::string::npos) << stderrText;

    EXPECT_EQ(run({"--window-settings", "-o", outIn("window"), named("b.tar.gz")}), SomeNotExtracted)
        << "the window's default is ZIP alone";
    SaveSetting(SettingsApplication, SettingsSection, SettingKey::ArchiveKinds, "all");
    EXPECT_EQ(run({"--window-settings", "-o", outIn("window"), named("b.tar.gz")}), AllExtracted) << stderrText;
    EXPECT_EQ(dir.read("out/window/b/t.txt"), "t");
}

// A shell's "a.zip.*" names every part; the run takes each set once, by the
// path it is extracted from. The parts are placeholders the run turns down
// before the engine, so the summary counts what was taken.
TEST_F(BatchCommandTest, ThePartsOfASetNamedOneByOneAreOneArchive)
{
    QStringList args{"-o", out()};
    for (const char *name : {"a.zip.001", "a.zip.002", "a.zip.003", "b.z01", "b.z02", "b.zip"})
        args << QString::fromStdString(dir.write("in/" + std::string(name), "not an archive").string());
    EXPECT_EQ(run(args), SomeNotExtracted);
    EXPECT_NE(stderrText.find("2 of 2 archives were not extracted cleanly"), std::string::npos) << stderrText;
    for (const char *listed : {"a.zip.001: ", "b.zip: "})
        EXPECT_NE(stderrText.find(listed), std::string::npos) << stderrText;
    for (const char *left : {"a.zip.002", "a.zip.003", "b.z01", "b.z02"})
        EXPECT_EQ(stderrText.find(left), std::string::npos) << stderrText;
}

// The choices of the window's "More Options...", from the command line.
TEST_F(BatchCommandTest, SubfolderNamesMovesAndAReport)
{
    MakeZip(in("a.v1.zip"), {{"f.txt", "one"}});
    MakeZip(in("a.v2.zip"), {{"f.txt", "two"}});
    const std::string done = (dir / "done").string(), report = (dir / "run.csv").string();
    fs::create_directories(done);
    EXPECT_EQ(run({"-o", out(), "--subfolder-name", "full", "--after", QString::fromStdString("move:" + done),
                   "--report", QString::fromStdString(report), QString::fromStdString((dir / "in").string())}),
              AllExtracted)
        << stderrText;
    EXPECT_EQ(dir.read("out/a.v1/f.txt"), "one");
    EXPECT_EQ(dir.read("out/a.v2/f.txt"), "two");
    EXPECT_TRUE(fs::exists(dir / "done/a.v1.zip") && fs::exists(dir / "done/a.v2.zip"));
    EXPECT_NE(stdoutText.find("a.v2.zip: moved to"), std::string::npos) << stdoutText;
    const std::string csv = dir.read("run.csv");
    EXPECT_NE(csv.find("/in/a.v2.zip," + out().toStdString() + "/a.v2,extracted,"), std::string::npos) << csv;
}

TEST_F(BatchCommandTest, BadArgumentsAreUsageErrorsInPlainWords)
{
    MakeZip(in("a.zip"), {{"f.txt", "f"}});
    const QString archive = QString::fromStdString(in("a.zip"));
    struct Case {
        QStringList args;
        const char *mentions;
    } cases[] = {
        {{"-o", QString::fromStdString(dir.write("a-file", "").string()) + "/below", archive}, "cannot be created"},
        {{"-o", out(), QString::fromStdString((dir / "nothing-here").string())}, "no such file"},
        {{"-o", out(), "--password-file", QString::fromStdString((dir / "no-pw").string()), archive}, "password file"},
        {{"-o", out(), "--password-stdin", archive}, "standard input"},
        {{"-o", out(), "--password-file", "/dev/zero", archive}, "longer than 64 KiB"},
        {{"--frobnicate", archive}, "frobnicate"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(run(c.args), UsageError) << c.args.join(' ').toStdString();
        EXPECT_NE(stderrText.find(c.mentions), std::string::npos) << stderrText;
        EXPECT_EQ(stderrText.rfind("marrowlyn-batch: ", 0), 0u) << stderrText;
    }
    EXPECT_FALSE(fs::exists(dir / "out/a"));

    // A missing output folder is made, parents and all.
    EXPECT_EQ(run({"-q", "-o", out() + "/new/deeper", archive}), AllExtracted) << stderrText;
    EXPECT_EQ(dir.read("out/new/deeper/a/f.txt"), "f");

    EXPECT_EQ(run({"--version"}), AllExtracted);
    EXPECT_NE(stdoutText.find("engine libunzip32 1."), std::string::npos) << stdoutText;
    EXPECT_EQ(run({"--help"}), AllExtracted);
    EXPECT_NE(stdoutText.find("--jobs"), std::string::npos);
    EXPECT_NE(stdoutText.find("Exit status:\n  0 "), std::string::npos) << stdoutText;
    EXPECT_NE(stdoutText.find("\n  130  stopped"), std::string::npos) << stdoutText;
}

// A terminal sees the bar move through one large archive, never wider than
// itself; a dumb terminal gets plain lines.
TEST_F(BatchCommandTest, OnATerminalTheBarMovesWithinALargeArchive)
{
    MakeZip(in("big.zip"), {{.name = "big.bin", .data = std::string(24u << 20, 'b'), .method = ZipMethod::Store}});
    for (const char *term : {"xterm", "dumb"}) {
        Pty pty(60);
        ASSERT_TRUE(pty.ok());
        pty.startReading();
        auto t = std::chrono::steady_clock::time_point{};
        BatchIo io;
        io.out = pty.out;
        io.err = pty.out;
        io.term = term;
        io.processors = 1; // the engine's own thread decodes, and tells every step
        io.now = [&] { return t += std::chrono::milliseconds(150); };
        EXPECT_EQ(RunBatchCommand({"marrowlyn-batch", "-o", out(), QString::fromStdString(in("big.zip"))}, io),
                  AllExtracted);
        const std::string screen = pty.screen();
        if (std::string(term) == "dumb") {
            EXPECT_EQ(screen.find_first_of("\r\x1b"), std::string::npos) << screen;
            EXPECT_NE(screen.find("extracted: "), std::string::npos) << screen;
            continue;
        }
        std::size_t within = 0;
        std::size_t from = 0;
        for (std::size_t cr; (cr = screen.find("\r\x1b[K", from)) != std::string::npos; from = cr + 1) {
            const std::string line = screen.substr(cr + 4, screen.find_first_of("\r\n", cr + 1) - cr - 4);
            EXPECT_LT(line.size(), 60u) << line;
            if (line.find(" of 24 MiB") != std::string::npos && line.find("0 B of") == std::string::npos
                && line.find("24 MiB of") == std::string::npos)
                ++within;
        }
        EXPECT_GE(within, 10u) << screen;
    }
}

// A folder that cannot be read whole is said, and the status says not all
// went well, instead of a quiet run over fewer archives.
TEST_F(BatchCommandTest, AFolderScanThatFailsIsSaidOnStandardError)
{
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the sanitizers' runtime needs descriptors of its own, which this test leaves none of";
#endif
    fs::create_directories(dir / "in/sub");
    MakeZip(in("sub/a.zip"), {{"f.txt", "f"}});
    struct rlimit limit {};
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &limit), 0);
    const int lowestFree = ::open("/dev/null", O_RDONLY);
    ASSERT_GE(lowestFree, 0);
    ::close(lowestFree);
    // No descriptor is left for the scan to open a folder with.
    struct rlimit none = {rlim_t(lowestFree), limit.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &none), 0);
    const int status = run({"-o", out(), QString::fromStdString((dir / "in").string())});
    setrlimit(RLIMIT_NOFILE, &limit);
    EXPECT_EQ(status, SomeNotExtracted);
    EXPECT_NE(stderrText.find("marrowlyn-batch: the scan of \"" + (dir / "in").string() + "\" is incomplete: "),
              std::string::npos)
        << stderrText;
    EXPECT_NE(stderrText.find("Too many open files"), std::string::npos) << stderrText;
}

TEST_F(BatchCommandTest, NamesFromOutsideCannotDriveTheTerminalOrForgeLines)
{
    // A title-setting OSC sequence and a forged log line in archive names, in
    // a run's lines and summary and in a usage error.
    dir.write("in/title\x1b]0;owned\x07.zip", "not an archive");
    dir.write("in/forged\nextracted: fine.zip", "not an archive");
    EXPECT_EQ(run({"-o", out(), QString::fromStdString((dir / "in").string())}), SomeNotExtracted);
    const std::string lines = stdoutText + stderrText;
    EXPECT_EQ(run({"-o", out(), QString::fromStdString((dir / "in/gone\x1b[2J.zip").string())}), UsageError);
    const std::string usage = stderrText;
    for (const std::string &text : {lines, usage}) {
        EXPECT_EQ(text.find_first_of("\x1b\x07"), std::string::npos) << text;
        EXPECT_EQ(text.find("\nextracted: fine.zip"), std::string::npos) << text;
    }
    EXPECT_NE(lines.find("title\\x1b]0;owned\\x07.zip"), std::string::npos) << lines;
    EXPECT_NE(lines.find("forged\\nextracted: fine.zip"), std::string::npos) << lines;
    EXPECT_NE(usage.find("gone\\x1b[2J.zip"), std::string::npos) << usage;
}

// A file name that is not UTF-8 is a name all the same: found by a folder
// scan, taken by name, extracted, and shown with its odd byte escaped.
TEST_F(BatchCommandTest, NamesThatAreNotUtf8AreExtractedAndShownEscaped)
{
    MakeZip(in("caf\xe9.zip"), {{"menu.txt", "soup"}});
    const QString byName = FileNameFromBytes(QByteArray::fromStdString(in("caf\xe9.zip").string()));
    for (const QString &given : {QString::fromStdString((dir / "in").string()), byName}) {
        fs::remove_all(dir / "out/caf\xe9");
        EXPECT_EQ(run({"-o", out(), "--subfolder-name", "full", given}), AllExtracted) << stderrText;
        EXPECT_EQ(dir.read("out/caf\xe9/menu.txt"), "soup") << given.toStdString();
        EXPECT_NE(stderrText.find("caf\\xe9.zip"), std::string::npos) << stderrText;
        EXPECT_EQ(stderrText.find("\xef\xbf\xbd"), std::string::npos) << "no U+FFFD in place of the byte";
    }
}

// The run's own password first, then the list's in order; the summary says
// which of the list opened an archive, never the password. An archive none
// opens fails as a wrong password and leaves nothing behind.
TEST_F(BatchCommandTest, APasswordsFileIsTriedInTurnOnEachArchive)
{
    MakeZip(in("own.zip"), {{.name = "own.txt", .data = "o", .encrypted = true}}, "Pw4x");
    MakeZip(in("third.zip"), {{.name = "third.txt", .data = "3", .encrypted = true}}, "Pw3x");
    // The first encrypted entry decides, wherever it stands.
    MakeZip(in("second.zip"), {{"plain-first.txt", "p"}, {.name = "second.txt", .data = "2", .encrypted = true}},
            "Pw2x");
    MakeZip(in("open.zip"), {{"open.txt", "x"}});
    // The right password with a damaged first entry still opens the rest.
    MakeZip(in("damaged.zip"),
            {{.name = "bad.txt", .data = std::string(200, 'b'), .method = ZipMethod::Store, .encrypted = true},
             {.name = "good.txt", .data = "g", .encrypted = true}},
            "Pw3x");
    std::string bytes = dir.read("in/damaged.zip");
    bytes[30 + 7 + 11 + 16 + 2 + 100] ^= 0x55; // inside bad.txt's encrypted data
    dir.write("in/damaged.zip", bytes);
    MakeZip(in("none.zip"), {{.name = "none.txt", .data = "n", .encrypted = true}}, "Pw9x");
    dir.write("own-pw", "Pw4x\n");
    dir.write("list", "Pw1x\n\nPw2x\r\nPw3x\nPw4x\n");
    QStringList args{"--mode",
                     "one-folder",
                     "-o",
                     out(),
                     "--password-file",
                     QString::fromStdString((dir / "own-pw").string()),
                     "--passwords-file",
                     QString::fromStdString((dir / "list").string())};
    for (const char *name : {"own.zip", "third.zip", "second.zip", "open.zip", "damaged.zip", "none.zip"})
        args << QString::fromStdString(in(name));

    EXPECT_EQ(run(args), SomeNotExtracted) << stderrText;
    for (const char *file : {"own.txt", "third.txt", "plain-first.txt", "second.txt", "open.txt", "good.txt"})
        EXPECT_TRUE(fs::exists(dir / "out" / file)) << file;
    EXPECT_FALSE(fs::exists(dir / "out/none.txt"));
    EXPECT_FALSE(fs::exists(dir / "out/bad.txt"));
    EXPECT_NE(stderrText.find("damaged.zip: damaged"), std::string::npos) << stderrText;
    EXPECT_NE(stderrText.find("none.zip: wrong password"), std::string::npos) << stderrText;
    EXPECT_NE(stderrText.find("third.zip: opened by the 3rd password of the list"), std::string::npos) << stderrText;
    EXPECT_NE(stderrText.find("second.zip: opened by the 2nd password of the list"), std::string::npos) << stderrText;
    for (const char *unnoted : {"own.zip: opened", "open.zip: opened", "Pw"})
        EXPECT_EQ((stdoutText + stderrText).find(unnoted), std::string::npos) << unnoted << "\n" << stderrText;

    struct Case {
        std::string file;
        const char *mentions;
    } cases[] = {
        {(dir / "no-list").string(), "passwords file"},
        {"/dev/zero", "longer than 64 KiB"},
        {dir.write("blank", "\n  \r\n").string(), "holds no password"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(run({"-o", out(), "--passwords-file", QString::fromStdString(c.file),
                       QString::fromStdString(in("open.zip"))}),
                  UsageError);
        EXPECT_NE(stderrText.find(c.mentions), std::string::npos) << stderrText;
    }
}

// The longest password --password-file takes, 64 KiB, reaches the engine whole.
TEST_F(BatchCommandTest, TheLongestPasswordAFileHoldsOpensItsArchive)
{
    if (!Have7zz())
        GTEST_SKIP() << "7zz (Debian package 7zip) is needed";
    std::string password;
    for (std::size_t i = 0; i < 64 * 1024; ++i)
        password += "Ab3x9"[i % 5];
    dir.write("src/long.txt", "opened");
    ASSERT_TRUE(Run7zz(dir / "src", "Deflate", "-p" + password + " long.zip long.txt"));
    dir.write("pw", password + "\n");
    EXPECT_EQ(
        run({"--mode", "one-folder", "-o", out(), "--password-file", QString::fromStdString((dir / "pw").string()),
             QString::fromStdString((dir / "src/long.zip").string())}),
        AllExtracted)
        << stderrText;
    EXPECT_TRUE(fs::exists(dir / "out/long.txt") && dir.read("out/long.txt") == "opened");
}

// In each language shipped the command speaks it, and everything a script
// reads (exit statuses, the report's columns and result words) is as in English.
TEST_F(BatchCommandTest, InEachLanguageTheWordsChangeAndWhatScriptsReadDoesNot)
{
    static int argc = 1;
    static char name[] = "test_batch";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    MakeZip(in("good.zip"), {{"f.txt", "f"}});
    fs::copy_file(in("good.zip"), in("cut.zip"));
    fs::resize_file(in("cut.zip"), fs::file_size(in("cut.zip")) - 30);
    const QString missing = QString::fromStdString(dir.write("a-file", "").string()) + "/below";
    struct Outcome {
        int help, usage, runStatus;
        std::string helpText, usageText, report;
    };
    const auto outcome = [&](const char *report) {
        Outcome o{};
        o.help = run({"--help"});
        o.helpText = stdoutText;
        o.usage = run({"-o", missing, QString::fromStdString(in("good.zip"))});
        o.usageText = stderrText;
        o.runStatus = run({"-o", out(), "--report", QString::fromStdString((dir / report).string()),
                           QString::fromStdString((dir / "in").string())});
        o.report = dir.read(report);
        return o;
    };
    const Outcome english = outcome("en.csv");
    struct Case {
        const char *language, *exitStatus, *cannotBeCreated;
    };
    for (const Case &c : {Case{"de", "Rückgabewert:", "kann nicht angelegt werden"},
                          Case{"fr", "Code de retour\u00a0:", "ne peut pas être créé"},
                          Case{"es", "Estado de salida:", "No se puede crear"},
                          Case{"ja", "終了ステータス:", "を作成できません"}}) {
        const QString language = QString::fromLatin1(c.language);
        ASSERT_EQ(InstallTranslation(language, QString::fromStdString(ProgramFolder())), language);
        const Outcome translated = outcome((std::string(c.language) + ".csv").c_str());
        RemoveTranslations();

        EXPECT_EQ(translated.help, english.help) << c.language;
        EXPECT_EQ(translated.usage, english.usage) << c.language;
        EXPECT_EQ(translated.runStatus, english.runStatus) << c.language;
        EXPECT_NE(translated.helpText.find(c.exitStatus), std::string::npos) << translated.helpText;
        EXPECT_NE(translated.helpText.find("--on-conflict <RULE>"), std::string::npos) << "the flags stay as they are";
        EXPECT_NE(translated.usageText.find(c.cannotBeCreated), std::string::npos) << translated.usageText;
        const auto firstLine = [](const std::string &text) { return text.substr(0, text.find('\n')); };
        EXPECT_EQ(firstLine(translated.report), firstLine(english.report)) << c.language;
        for (const char *word : {",extracted,", ",failed,"})
            EXPECT_NE(translated.report.find(word), std::string::npos) << translated.report;
    }
    EXPECT_EQ(english.runStatus, SomeNotExtracted);
}
