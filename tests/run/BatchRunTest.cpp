#include "BatchRun.h"
#include "FakeSurface.h"
#include "RunSummary.h"
#include "ScriptedPrompts.h"
#include "Settings.h"
#include "RuntimeError.h"
#include "TempDir.h"
#include "WorkerWait.h"
#include "ZipBuilder.h"
#include "mUnzip.h"
#include "FailureSummary.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <thread>

namespace fs = std::filesystem;

namespace {

QString q(const fs::path &path) { return QString::fromStdString(path.string()); }

class BatchRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetSettingsFolder(q(dir / "config"));
        surface.outputText = q(out) + "/";
        fs::create_directories(out);
        SetCurrentPassword("untouched");
    }

    // Three rows, and an engine that notes each archive it is given and then
    // lets `meanwhile` happen (what the user or the system does during it).
    UnzipFunction threeRowsNoting(QStringList &seen, std::function<void()> meanwhile)
    {
        for (int i = 1; i <= 3; ++i)
            surface.list.Add(QStringLiteral("/in/%1.zip").arg(i));
        return [&seen, meanwhile](const std::string &archive, const std::string &, bool, const UnzipHooks &) {
            seen << QString::fromStdString(archive);
            meanwhile();
            UnzipOutcome outcome;
            outcome.status = UnzipOutcome::Status::Extracted;
            return outcome;
        };
    }

    TempDir dir;
    fs::path out = dir / "out";
    ScriptedPrompts prompts;
    FakeSurface surface{prompts};
};

TEST_F(BatchRunTest, RefusalsChangeNothing)
{
    BatchRun run(surface);
    int calls = 0;
    run.unzip = [&](auto &&...) {
        ++calls;
        return UnzipOutcome{};
    };

    prompts.expectMessage();
    run.Start();
    EXPECT_EQ(prompts.last().text, "No files added.");
    EXPECT_EQ(prompts.last().title, "Marrowlyn");
    EXPECT_EQ(surface.pointer, Pointer::Default);
    EXPECT_EQ(surface.progressText, IdleProgressText());
    EXPECT_EQ(GetCurrentPassword(), "untouched");

    surface.list.Add(q(dir / "a.zip"));
    const fs::path file = dir.write("file.txt", "x");
    for (const QString &output : {q(file), q(dir / "missing"), QString()}) {
        surface.outputText = output;
        prompts.expectMessage();
        run.Start();
        EXPECT_TRUE(prompts.last().text.startsWith("Folder does not exist. Please select another folder.\r\r"))
            << output.toStdString();
        EXPECT_EQ(prompts.last().buttons, Prompts::Buttons::Ok) << "nothing is offered where it was not asked for";
    }
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(surface.pointer, Pointer::Default);
    EXPECT_TRUE(surface.valuesSeen.empty());
}

// Both modes over real archives through the real engine; the summary names
// the archives that were not extracted cleanly, and the list stays as it was.
TEST_F(BatchRunTest, ModesFollowTheirCaptionsAndTheSummaryNamesFailures)
{
    fs::create_directories(dir / "in");
    MakeZip(dir / "in/a.zip", {{"same.txt", "from a"}, {"only-a.txt", "A"}});
    MakeZip(dir / "in/b.v2.zip", {{"same.txt", "from b"}});
    MakeZip(dir / "in/secret.zip", {{.name = "s.txt", .data = "hidden", .encrypted = true}}, "right");
    dir.write("in/fake.zip", "this is not an archive at all");
    const QStringList rows{q(dir / "in/a.zip"), q(dir / "in/b.v2.zip"), q(dir / "in/secret.zip"),
                           q(dir / "in/fake.zip")};
    for (const QString &row : rows)
        surface.list.Add(row);
    SaveSetting(SettingsApplication, SettingsSection, SettingKey::Password, "wrong");
    surface.passwordSet = true;

    BatchRun run(surface);
    std::vector<int> pointerDuringArchive;
    run.runArchive = [&](const std::function<void()> &work) {
        pointerDuringArchive.push_back(surface.pointer);
        work();
    };

    // Option1: one subfolder per archive, named by the base name.
    prompts.expectMessage();
    run.Start();
    EXPECT_EQ(GetCurrentPassword(), "wrong");
    EXPECT_EQ(dir.read("out/a/same.txt"), "from a");
    EXPECT_EQ(dir.read("out/a/only-a.txt"), "A");
    EXPECT_EQ(dir.read("out/b/same.txt"), "from b");
    EXPECT_FALSE(fs::exists(out / "secret/s.txt"));
    EXPECT_FALSE(fs::exists(out / "same.txt"));
    const QString box = prompts.last().text;
    EXPECT_TRUE(box.startsWith("Done.\n\n2 of 4 archives were not extracted cleanly:")) << box.toStdString();
    EXPECT_TRUE(box.contains(rows[2] + ": ")) << box.toStdString();
    EXPECT_TRUE(box.contains(rows[3] + ": ")) << box.toStdString();
    EXPECT_FALSE(box.contains(rows[0])) << box.toStdString();
    EXPECT_EQ(prompts.last().icon, Prompts::Icon::Exclamation);
    EXPECT_EQ(
        surface.textsSeen.mid(0, 4),
        (QStringList{"Processing: a.zip", "Processing: b.v2.zip", "Processing: secret.zip", "Processing: fake.zip"}));
    EXPECT_EQ(surface.valuesSeen.front(), 0) << "nothing is done before the first archive";
    EXPECT_TRUE(std::is_sorted(surface.valuesSeen.begin(), surface.valuesSeen.end() - 1));
    EXPECT_EQ(surface.valuesSeen.back(), 0);
    EXPECT_FALSE(fs::exists(out / "secret")) << "the failed archive's empty subfolder is taken away";
    EXPECT_EQ(pointerDuringArchive, (std::vector<int>{11, 11, 11, 11}));
    EXPECT_EQ(surface.pointer, Pointer::Default);
    EXPECT_EQ(surface.progressText, IdleProgressText());
    EXPECT_EQ(surface.list.rows(), rows);

    // Option2: all straight into the output folder, the later archive winning.
    // Without a confirmed password none is offered.
    surface.option1 = false;
    surface.option2 = true;
    surface.passwordSet = false;
    prompts.expectMessage();
    run.Start();
    EXPECT_EQ(GetCurrentPassword(), "");
    EXPECT_EQ(dir.read("out/same.txt"), "from b");
    EXPECT_EQ(dir.read("out/only-a.txt"), "A");
    EXPECT_FALSE(fs::exists(out / "s.txt"));
    EXPECT_TRUE(prompts.last().text.startsWith("Done.\n\n2 of 4")) << prompts.last().text.toStdString();
    EXPECT_EQ(surface.list.rows(), rows);

    // Only clean archives: the box is the one word.
    surface.list.Clear();
    surface.list.Add(rows[0]);
    prompts.expectMessage();
    run.Start();
    EXPECT_EQ(prompts.last().text, "Done.");
    EXPECT_EQ(prompts.last().detail, "");
    EXPECT_EQ(prompts.last().buttons, Prompts::Buttons::OkOpenFolder) << "with every option at its default";
}

// The bar shows the share of the run's bytes done: archives weigh their sizes,
// and within one the engine's progress counts, at most once a frame.
TEST_F(BatchRunTest, TheBarShowsTheShareOfBytesDone)
{
    struct Archive {
        const char *name;
        std::size_t size;
        std::vector<std::pair<std::uint64_t, int>> work; // bytes done, milliseconds since the last report
    } archives[] = {
        {"a.zip", 100, {}},
        {"b.zip", 300, {{150, 20}, {200, 0}}}, // the second comes within the same frame
        {"c.zip", 600, {{0, 20}, {300, 20}, {600, 20}}},
    };
    for (const Archive &a : archives)
        surface.list.Add(q(dir.write(a.name, std::string(a.size, 'x'))));
    std::chrono::steady_clock::time_point time{};
    BatchRun run(surface);
    run.now = [&] { return time; };
    run.unzip = [&](const std::string &path, const std::string &, bool, const UnzipHooks &hooks) {
        for (const Archive &a : archives) {
            if (fs::path(path).filename() != a.name)
                continue;
            for (const auto &[bytes, ms] : a.work) {
                time += std::chrono::milliseconds(ms);
                hooks.workDone(bytes);
            }
        }
        UnzipOutcome outcome;
        outcome.status = UnzipOutcome::Status::Extracted;
        return outcome;
    };
    prompts.expectMessage();
    run.Start();
    EXPECT_EQ(surface.valuesSeen, (std::vector<int>{0, 10, 25, 40, 70, 100, 0}));
}

TEST_F(BatchRunTest, ASecondStartDuringARunDoesNothingAndCancelStopsTheWalk)
{
    for (int i = 0; i < 3; ++i)
        surface.list.Add(QStringLiteral("/in/%1.zip").arg(i));
    BatchRun run(surface);
    int calls = 0;
    run.unzip = [&](const std::string &, const std::string &, bool, const UnzipHooks &) {
        ++calls;
        run.Start(); // the window's events are served during an archive
        UnzipOutcome outcome;
        outcome.status = UnzipOutcome::Status::Extracted;
        return outcome;
    };
    prompts.expectMessage();
    run.Start();
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(prompts.calls().size(), 1u);
    EXPECT_FALSE(run.Running());

    // Closing the window during the second archive: the engine sees the
    // request, the third archive is not touched, and no box is shown.
    calls = 0;
    run.unzip = [&](const std::string &, const std::string &, bool, const UnzipHooks &hooks) {
        ++calls;
        UnzipOutcome outcome;
        outcome.status = UnzipOutcome::Status::Extracted;
        if (calls == 2) {
            run.RequestCancel();
            EXPECT_TRUE(hooks.cancelRequested());
            outcome.status = UnzipOutcome::Status::Cancelled;
        }
        return outcome;
    };
    run.Start();
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(prompts.calls().size(), 1u);
    EXPECT_EQ(surface.pointer, Pointer::Default);
    EXPECT_EQ(surface.progressText, IdleProgressText());
}

// Longer than a 16-bit index can count; all passed over (no mode), so the
// summary goes to the details.
TEST_F(BatchRunTest, ListsOfAnyLengthAndLongSummaries)
{
    const int rows = 40000;
    for (int i = 0; i < rows; ++i)
        surface.list.Add(QStringLiteral("/in/%1.zip").arg(i));
    surface.option1 = false;
    surface.option2 = false;
    BatchRun run(surface);
    int calls = 0;
    run.unzip = [&](auto &&...) {
        ++calls;
        return UnzipOutcome{};
    };
    prompts.expectMessage();
    run.Start();
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(surface.textsSeen.size(), rows + 1);
    EXPECT_EQ(surface.textsSeen[rows - 1], "Processing: 39999.zip");
    const auto &box = prompts.last();
    EXPECT_TRUE(box.text.startsWith("Done.\n\n40000 of 40000 archives were not extracted cleanly; the details"))
        << box.text.toStdString();
    EXPECT_TRUE(box.detail.contains("/in/39999.zip: passed over: no unzip mode is selected"));
}

// A row that goes away during a run is reported with the run's location and
// the run goes on; the archive before it is not extracted a second time.
TEST_F(BatchRunTest, AMissingRowIsReportedAndTheRunGoesOn)
{
    BatchRun run(surface);
    QStringList seen;
    run.unzip = threeRowsNoting(seen, [&] {
        if (seen.size() == 1)
            surface.list.Remove(3);
    });
    prompts.expectMessage().expectMessage();
    run.Start();
    EXPECT_EQ(seen, (QStringList{"/in/1.zip", "/in/2.zip"}));
    const auto &error = prompts.calls()[0];
    EXPECT_EQ(error.title, "Application Error");
    EXPECT_TRUE(error.text.contains("in Plindrave2021/08/31.Form1.PushButton2_Click at line "))
        << error.text.toStdString();
    EXPECT_EQ(prompts.last().text, "Done.");
}

// "Open Output Folder" where nothing shows folders: a message names the folder.
TEST_F(BatchRunTest, AnOutputFolderNothingCanShowIsNamed)
{
    BatchRun run(surface);
    QStringList seen;
    run.unzip = threeRowsNoting(seen, [] {});
    prompts.expectMessage(Prompts::Answer::OpenFolder).expectOpenWithShell(false).expectMessage();
    run.Start();
    EXPECT_EQ(prompts.calls()[1].text, surface.outputText);
    EXPECT_TRUE(prompts.last().text.contains("could not be opened")) << prompts.last().text.toStdString();
    EXPECT_TRUE(prompts.last().text.endsWith("\n" + surface.outputText)) << prompts.last().text.toStdString();
}

TEST_F(BatchRunTest, AnOutputFolderDeletedDuringTheRunIsNotMadeAgain)
{
    // The engine makes a destination's missing folders: without a check the
    // later archives would bring the deleted output folder back.
    BatchRun run(surface);
    QStringList seen;
    run.unzip = threeRowsNoting(seen, [&] { fs::remove_all(out); });
    prompts.expectMessage();
    run.Start();
    EXPECT_EQ(seen, QStringList{"/in/1.zip"});
    const QString text = prompts.last().text;
    EXPECT_TRUE(text.contains("2 of 3 archives were not extracted cleanly")) << text.toStdString();
    EXPECT_TRUE(text.contains("/in/3.zip: the output folder \"" + q(out) + "/\" is gone (No such file or directory)"))
        << text.toStdString();
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(BatchRunTest, TheBoxSaysHowToGiveAMissingPassword)
{
    // A password stored in an earlier session is not in force until it is
    // confirmed again: the box says so where a password was missing.
    surface.list.Add(QStringLiteral("/in/locked.zip"));
    BatchRun run(surface);
    run.unzip = [&](const std::string &, const std::string &, bool, const UnzipHooks &) {
        UnzipOutcome outcome;
        outcome.status = UnzipOutcome::Status::EngineFailed;
        outcome.reason = NeedsPasswordSummary() + "; damaged: 1 file failed its check";
        return outcome;
    };
    for (bool confirmed : {false, true}) {
        surface.passwordSet = confirmed;
        prompts.expectMessage();
        run.Start();
        EXPECT_EQ(prompts.last().text.contains(NeedsPasswordHint()), !confirmed) << prompts.last().text.toStdString();
        EXPECT_TRUE(prompts.last().text.contains("; damaged: 1 file failed its check"));
    }
}

TEST(RunSummary, CountsAndFoldsAwayLongLists)
{
    EXPECT_EQ(SummarizeRun(3, {}).text, "Done.");
    const RunSummary one = SummarizeRun(1, {{"/a.zip", "the file is not a ZIP archive", {}}});
    EXPECT_EQ(one.text, "Done.\n\n1 of 1 archive was not extracted cleanly:\n/a.zip: the file is not a ZIP archive");
    EXPECT_EQ(one.detail, "");
    const RunSummary withLines = SummarizeRun(2, {{"/b.zip", "some entries failed", {"x.txt: wrong password"}}});
    EXPECT_EQ(withLines.detail, "/b.zip: some entries failed\n    x.txt: wrong password");
}

} // namespace

namespace {
// A failure on the worker thread reaches the window thread's error box.
TEST(RunOnWorkerThread, HandsBackTheWorkersFailure)
{
    // Without an application object, and with one (the window's case).
    for (int pass = 0; pass < 2; ++pass) {
        std::unique_ptr<QCoreApplication> app;
        int argc = 1;
        char name[] = "run_tests";
        char *argv[] = {name, nullptr};
        if (pass == 1)
            app = std::make_unique<QCoreApplication>(argc, argv);
        std::thread::id worker;
        RunOnWorkerThread([&] { worker = std::this_thread::get_id(); });
        EXPECT_NE(worker, std::this_thread::get_id());
        EXPECT_THROW(RunOnWorkerThread([] { throw RuntimeError(ErrorNumber::Overflow); }), RuntimeError);
    }
}
} // namespace

// Rows added during a run ("Open with" handed to the running window) join
// it, unless it is stopping: then they are named as waiting.
TEST_F(BatchRunTest, RowsAddedDuringTheRunJoinItOrAreNamedAsWaiting)
{
    const struct {
        bool stop;
        QStringList extracted;
        const char *said;
    } cases[] = {
        {false, {"/in/1.zip", "/in/2.zip", "/in/3.zip", "/in/4.zip"}, "Done."},
        {true, {"/in/1.zip"}, "/in/4.zip: added after the run began; waiting for the next run"},
    };
    for (const auto &c : cases) {
        surface.list.Clear();
        BatchRun run(surface);
        QStringList seen;
        run.unzip = threeRowsNoting(seen, [&] {
            if (seen.size() == 1) {
                surface.list.Add(QStringLiteral("/in/4.zip"));
                if (c.stop)
                    run.RequestStop(false);
            }
        });
        prompts.expectMessage();
        run.Start();
        EXPECT_EQ(seen, c.extracted);
        const QString text = prompts.last().text + prompts.last().detail;
        EXPECT_TRUE(text.contains(c.said)) << text.toStdString();
        if (!c.stop) { // the whole grew by the fourth: it begins at three quarters
            EXPECT_NE(std::find(surface.valuesSeen.begin(), surface.valuesSeen.end(), 75), surface.valuesSeen.end());
        }
    }
}

// The next rows go ahead beside the one in work: the same files, the bar and
// the texts in the list's order; stopped before their turn, they are taken
// back whole and count as not started.
TEST_F(BatchRunTest, RowsThatGoAheadEndAsTheyWouldInTurnAndAStopTakesThemBack)
{
    fs::create_directories(dir / "in");
    // More rows than lanes: some are still queued when the stop comes.
    const std::vector<std::string> names{"1", "2", "3", "4", "5"};
    for (const std::string &name : names)
        MakeZip(dir / "in" / (name + ".zip"), {{"a.txt", name}, {"sub/b.txt", name}});
    for (const bool stop : {false, true}) {
        fs::remove_all(out);
        fs::create_directories(out);
        surface.list.Clear();
        surface.textsSeen.clear();
        surface.valuesSeen.clear();
        for (const std::string &name : names)
            surface.list.Add(q(dir / "in" / (name + ".zip")));
        BatchRun run(surface);
        run.readAhead = true;
        const UnzipFunction engine = run.unzip;
        std::atomic<bool> secondBegun{false};
        const auto waitFor = [](const std::function<bool()> &done) {
            for (int i = 0; i < 10000 && !done(); ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        };
        run.unzip = [&](const std::string &path, const std::string &folder, bool overwrite, const UnzipHooks &hooks) {
            UnzipHooks held = hooks;
            if (stop && path.ends_with("1.zip")) {
                waitFor([&] { return secondBegun.load(); });
                run.RequestStop(false);
            } else if (stop && path.ends_with("2.zip")) {
                // Into its hidden folder, then held there until the stop reaches it.
                held.workDone = [&, cancelled = hooks.cancelRequested](std::uint64_t) {
                    secondBegun = true;
                    waitFor(cancelled);
                };
            }
            return engine(path, folder, overwrite, held);
        };
        prompts.expectMessage();
        run.Start();
        EXPECT_EQ(dir.read("out/1/sub/b.txt"), "1");
        const QString said = prompts.last().text + prompts.last().detail;
        for (const std::string &name : std::vector<std::string>(names.begin() + 1, names.end())) {
            EXPECT_EQ(fs::exists(out / name), !stop) << name << ": taken back whole";
            EXPECT_EQ(said.contains(QString::fromStdString(name) + ".zip: not started"), stop) << said.toStdString();
        }
        EXPECT_EQ(surface.textsSeen.filter("Processing").join(","),
                  stop ? "Processing: 1.zip"
                       : "Processing: 1.zip,Processing: 2.zip,Processing: 3.zip,Processing: 4.zip,Processing: 5.zip");
        EXPECT_TRUE(std::is_sorted(surface.valuesSeen.begin(), surface.valuesSeen.end() - 1));
    }
}
