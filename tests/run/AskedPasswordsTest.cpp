#include "BatchRun.h"
#include "FakeSurface.h"
#include "ScriptedPrompts.h"
#include "Settings.h"
#include "TempDir.h"
#include "WorkerWait.h"
#include "ZipBuilder.h"
#include "mUnzip.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <filesystem>

namespace fs = std::filesystem;

// With "ask me", the user is asked, on the window's thread while the archive
// runs on a worker, for each archive no password of the run opens: a wrong
// answer is asked again, three wrong ones fail it as a wrong password, "Skip"
// skips it, and an answer kept for the rest of the run opens the next
// archive without a question. Archives that need none are never asked about.
TEST(AskedPasswords, TheWindowAsksForEachLockedArchive)
{
    int argc = 1;
    char name[] = "run_tests";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    TempDir dir;
    SetSettingsFolder(QString::fromStdString((dir / "config").string()));
    SetCurrentPassword("");
    fs::create_directories(dir / "out");
    ScriptedPrompts prompts;
    FakeSurface surface{prompts};
    surface.outputText = QString::fromStdString((dir / "out").string()) + "/";
    const std::pair<const char *, const char *> archives[]
        = {{"a.zip", "alpha"}, {"b.zip", "alpha"}, {"c.zip", "gamma"}, {"d.zip", "delta"}, {"plain.zip", ""}};
    for (const auto &[file, password] : archives) {
        MakeZip(dir / file, {{.name = "f.txt", .data = file, .encrypted = *password != 0}}, password);
        surface.list.Add(QString::fromStdString((dir / file).string()));
    }
    using A = Prompts::PasswordAnswer;
    prompts.expectArchivePassword(A{false, "wrong", true})
        .expectArchivePassword(A{false, "alpha", true})
        .expectArchivePassword(A{})
        .expectArchivePassword(A{false, "x", false})
        .expectArchivePassword(A{false, "y", false})
        .expectArchivePassword(A{false, "z", false})
        .expectMessage();
    BatchRun run(surface);
    run.runArchive = &RunOnWorkerThread;
    run.runOptions = [] {
        RunOptions options;
        options.askPasswords = true;
        return options;
    };
    run.Start();

    QStringList asked;
    for (const ScriptedPrompts::Call &call : prompts.calls()) {
        if (call.kind == ScriptedPrompts::Kind::ArchivePassword)
            asked << call.text + " " + call.preset;
    }
    EXPECT_EQ(asked, QStringList({"a.zip 1", "a.zip 2", "c.zip 1", "d.zip 1", "d.zip 2", "d.zip 3"}));
    EXPECT_EQ(dir.read("out/a/f.txt"), "a.zip");
    EXPECT_EQ(dir.read("out/b/f.txt"), "b.zip");
    EXPECT_EQ(dir.read("out/plain/f.txt"), "plain.zip");
    EXPECT_FALSE(fs::exists(dir / "out/d/f.txt"));
    const QString detail = prompts.last().detail;
    EXPECT_TRUE(detail.contains("c.zip: skipped: no password given")) << detail.toStdString();
    EXPECT_TRUE(detail.contains("f.txt: wrong password")) << detail.toStdString();
    EXPECT_FALSE(detail.contains("a.zip")) << detail.toStdString();
    SetSettingsFolder(QString());
}
