#include "FormFixture.h"
#include "WorkerWait.h"
#include "ZipBuilder.h"

#include <QTest>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

namespace fs = std::filesystem;

namespace {

// Calls `action` from the window's event loop once the engine call is under
// way: on a busy machine the worker thread may start well after the run does.
class OnceUnzipping {
public:
    OnceUnzipping(QObject *context, const std::atomic<int> &calls, std::function<void()> action)
        : m_context(context), m_calls(calls), m_action(std::move(action))
    {
        schedule();
    }

private:
    void schedule()
    {
        QTimer::singleShot(5, m_context, [this] { poll(); });
    }
    void poll()
    {
        if (m_calls == 0 && ++m_tries < 2000)
            return schedule();
        m_action();
    }

    QObject *m_context;
    const std::atomic<int> &m_calls;
    std::function<void()> m_action;
    int m_tries = 0;
};

class WindowRunTest : public FormTest {
protected:
    Form1 &loadWithArchives()
    {
        fs::create_directories(dir / "in");
        MakeZip(dir / "in/a.zip", {{"same.txt", "from a"}, {"dir/only-a.txt", "A"}});
        MakeZip(dir / "in/b.zip", {{"same.txt", "from b"}});
        MakeZip(dir / "in/locked.zip", {{.name = "l.txt", .data = "x", .encrypted = true}}, "right");
        dir.write("in/notzip.zip", "plain text, no signature");
        fs::create_directories(out);
        store(SettingKey::OutputDirectory, q(out));
        Form1 &f = load();
        for (const char *name : {"a.zip", "b.zip", "locked.zip", "notzip.zip"})
            f.JobRows().Add(q(dir / "in" / name));
        rows = {};
        for (qsizetype i = 1; i <= f.JobRows().Count(); ++i)
            rows << f.JobRows().Text(i);
        f.show();
        return f;
    }

    QStringList listNow()
    {
        QStringList now;
        for (qsizetype i = 1; i <= form->JobRows().Count(); ++i)
            now << form->JobRows().Text(i);
        return now;
    }

    // Each engine call waits on a worker thread until `released` or a cancel,
    // so that the test can act while an archive is in work.
    void holdEachArchive()
    {
        form->Run().runArchive = &RunOnWorkerThread;
        form->Run().readAhead = false; // one archive held at a time
        form->Run().unzip = [this](const std::string &, const std::string &, bool, const UnzipHooks &hooks) {
            ++calls;
            const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
            while (!released && !hooks.cancelRequested() && std::chrono::steady_clock::now() < until)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            UnzipOutcome outcome;
            outcome.status
                = hooks.cancelRequested() ? UnzipOutcome::Status::Cancelled : UnzipOutcome::Status::Extracted;
            return outcome;
        };
    }

    // `seen` is called as each archive's turn comes, whether it is extracted
    // then or went ahead and is waited for.
    void watchEachArchive(const std::function<void()> &seen)
    {
        form->Run().runArchive = [seen](const std::function<void()> &work) {
            seen();
            RunOnWorkerThread(work);
        };
        form->Run().waitForTurn = [seen](const auto &arm) {
            seen();
            ServeEventsUntilTold(arm);
        };
    }

    fs::path out = dir / "out";
    QStringList rows;
    std::atomic<int> calls{0};
    std::atomic<bool> released{false};
};

// The whole road through the real window and the real engine, in both modes.
TEST_F(WindowRunTest, RunsInBothModesWithProgressPointerAndSummary)
{
    Form1 &f = loadWithArchives();
    prompts.expectInput("wrong");
    f.PushButton7_Click();

    QStringList textsSeen;
    std::vector<int> pointersSeen;
    watchEachArchive([&] {
        textsSeen << f.ProgressBar1->text();
        pointersSeen.push_back(f.MousePointer());
        EXPECT_EQ(f.cursor().shape(), Qt::WaitCursor);
    });

    prompts.expectMessage();
    QTest::mouseClick(f.PushButton2, Qt::LeftButton);
    EXPECT_EQ(
        textsSeen,
        (QStringList{"Processing: a.zip", "Processing: b.zip", "Processing: locked.zip", "Processing: notzip.zip"}));
    EXPECT_EQ(pointersSeen, (std::vector<int>{11, 11, 11, 11}));
    EXPECT_EQ(dir.read("out/a/same.txt"), "from a");
    EXPECT_EQ(dir.read("out/a/dir/only-a.txt"), "A");
    EXPECT_EQ(dir.read("out/b/same.txt"), "from b");
    EXPECT_FALSE(fs::exists(out / "locked/l.txt"));
    const auto done = prompts.last();
    EXPECT_EQ(done.title, "Marrowlyn");
    EXPECT_TRUE(done.text.startsWith("Done.\n\n2 of 4 archives were not extracted cleanly:"))
        << done.text.toStdString();
    EXPECT_TRUE(done.text.contains(rows[2])) << done.text.toStdString();
    EXPECT_TRUE(done.text.contains(rows[3])) << done.text.toStdString();
    EXPECT_EQ(f.MousePointer(), Pointer::Default);
    EXPECT_EQ(f.ProgressBar1->text(), "Progress Bar");
    EXPECT_EQ(f.ProgressBar1->value(), 0);
    EXPECT_EQ(listNow(), rows);

    QTest::mouseClick(f.Option2, Qt::LeftButton, {}, QPoint(6, f.Option2->height() / 2));
    prompts.expectMessage();
    QTest::mouseClick(f.PushButton2, Qt::LeftButton);
    EXPECT_EQ(dir.read("out/same.txt"), "from b");
    EXPECT_EQ(dir.read("out/dir/only-a.txt"), "A");
    EXPECT_TRUE(prompts.last().text.startsWith("Done.\n\n2 of 4")) << prompts.last().text.toStdString();
    EXPECT_EQ(listNow(), rows);
}

// Keeping both in one folder: the later archive's file goes beside the
// earlier one's, and the box says so of that archive only.
TEST_F(WindowRunTest, KeepingBothWritesTheLaterFileUnderANewName)
{
    Form1 &f = loadWithArchives();
    f.Run().runOptions = [] {
        RunOptions options;
        options.onConflict = RunOptions::OnConflict::Rename;
        return options;
    };
    QTest::mouseClick(f.Option2, Qt::LeftButton, {}, QPoint(6, f.Option2->height() / 2));
    prompts.expectMessage();
    f.PushButton2_Click();
    EXPECT_EQ(dir.read("out/same.txt"), "from a");
    EXPECT_EQ(dir.read("out/same (2).txt"), "from b");
    const QString text = prompts.last().text;
    EXPECT_TRUE(text.contains(rows[1] + ": 1 file renamed")) << text.toStdString();
    EXPECT_EQ(text.count("renamed"), 1) << text.toStdString();
}

// One large archive: the bar starts at 0 and moves with the engine's
// reports from the worker thread, instead of claiming the run from the start.
TEST_F(WindowRunTest, TheBarMovesThroughOneLargeArchive)
{
    const fs::path archive = dir.write("in/big.zip", std::string(1000, 'x'));
    fs::create_directories(out);
    store(SettingKey::OutputDirectory, q(out));
    Form1 &f = load();
    f.JobRows().Add(q(archive));
    f.show();

    std::vector<int> values;
    QObject::connect(f.ProgressBar1, &QProgressBar::valueChanged, &f, [&](int value) { values.push_back(value); });
    f.Run().runArchive = &RunOnWorkerThread;
    f.Run().unzip = [&](const std::string &, const std::string &, bool, const UnzipHooks &hooks) {
        hooks.workDone(0);
        hooks.workDone(500);
        UnzipOutcome outcome;
        outcome.status = UnzipOutcome::Status::Extracted;
        return outcome;
    };
    prompts.expectMessage();
    f.PushButton2_Click();
    EXPECT_EQ(prompts.last().text, "Done.");
    EXPECT_EQ(values, (std::vector<int>{50, 0})) << "0 at the start, half way, and the reset";
}

// A split set is one row and one archive; one with a part gone is named by that part.
TEST_F(WindowRunTest, ASplitSetIsExtractedFromItsFirstPart)
{
    fs::create_directories(dir / "in");
    MakeZip(dir / "whole.zip", {{"a.txt", std::string(3000, 'a')}, {"b/c.txt", "c"}});
    const std::string whole = dir.read("whole.zip");
    const size_t piece = whole.size() / 3 + 1;
    for (const char *set : {"good", "gap"}) {
        for (size_t at = 0, n = 1; at < whole.size(); at += piece, ++n)
            dir.write("in/" + std::string(set) + ".zip.00" + std::to_string(n), whole.substr(at, piece));
    }
    fs::remove(dir / "in/gap.zip.002");
    fs::create_directories(out);
    store(SettingKey::OutputDirectory, q(out));
    Form1 &f = load();
    f.JobRows().Add(q(dir / "in/good.zip.001"));
    f.JobRows().Add(q(dir / "in/gap.zip.001"));
    f.show();
    QStringList texts;
    watchEachArchive([&] { texts << f.ProgressBar1->text(); });
    prompts.expectMessage();
    f.PushButton2_Click();
    EXPECT_EQ(texts, (QStringList{"Processing: good.zip.001", "Processing: gap.zip.001"}));
    EXPECT_EQ(dir.read("out/good/a.txt"), std::string(3000, 'a'));
    EXPECT_EQ(dir.read("out/good/b/c.txt"), "c");
    EXPECT_TRUE(prompts.last().text.contains("gap.zip.001: part 2 (\"gap.zip.002\") is missing"))
        << prompts.last().text.toStdString();
}

// While an archive is in work the window serves its events: removal,
// clearing and a second start are refused; closing stops the engine and then
// closes the window.
TEST_F(WindowRunTest, TheWindowStaysAliveDuringAnArchive)
{
    Form1 &f = loadWithArchives();
    holdEachArchive();

    bool busyChecked = false;
    OnceUnzipping whileFirst(&f, calls, [&] {
        EXPECT_EQ(f.MousePointer(), Pointer::Hourglass);
        f.JobRows().Select(1);
        QTest::keyClick(f.ListView1, Qt::Key_Delete);
        f.ListView1_DblClick();
        QTest::mouseClick(f.PushButton5, Qt::LeftButton);
        QTest::mouseClick(f.PushButton2, Qt::LeftButton); // a second start asks to stop; No goes on
        EXPECT_EQ(prompts.last().text, StopQuestion());
        EXPECT_EQ(listNow(), rows);
        EXPECT_EQ(calls, 1);
        busyChecked = true;
        released = true;
    });
    prompts.expectMessage(Prompts::Answer::No).expectMessage();
    f.PushButton2_Click();
    EXPECT_TRUE(busyChecked);
    EXPECT_EQ(calls, 4);
    EXPECT_EQ(prompts.calls().size(), 2u);
    EXPECT_EQ(prompts.last().text, "Done.");
    EXPECT_EQ(listNow(), rows);

    // Closing while the first archive is in work.
    calls = 0;
    released = false;
    OnceUnzipping closeWhileFirst(&f, calls, [&] { f.close(); });
    f.PushButton2_Click();
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(prompts.calls().size(), 2u);
}

// Stopping a run: after the archive in work (Escape, Yes) or with it (a
// second click, Stop Now); the rest are listed as not started.
TEST_F(WindowRunTest, ARunStopsAfterTheArchiveInWorkOrAtOnce)
{
    Form1 &f = loadWithArchives();
    holdEachArchive();
    for (const bool now : {false, true}) {
        calls = 0;
        released = false;
        OnceUnzipping whileFirst(&f, calls, [&] {
            if (now)
                QTest::mouseClick(f.PushButton2, Qt::LeftButton);
            else
                QTest::keyClick(&f, Qt::Key_Escape);
            EXPECT_EQ(prompts.last().buttons, Prompts::Buttons::YesNoStopNow);
            released = !now; // Stop Now must end the archive by itself
        });
        prompts.expectMessage(now ? Prompts::Answer::StopNow : Prompts::Answer::Yes).expectMessage();
        f.PushButton2_Click();
        EXPECT_EQ(calls, 1);
        const QString box = prompts.last().text;
        EXPECT_TRUE(box.startsWith(now ? "Done.\n\n4 of 4 archives" : "Done.\n\n3 of 4 archives")) << box.toStdString();
        EXPECT_EQ(box.count("not started: the run was stopped"), 3) << box.toStdString();
        EXPECT_TRUE(f.isVisible());
        EXPECT_FALSE(f.Run().Running());
    }
}

// A folder scan that ends during a run leaves the window busy: its rows join
// the list, but nothing can be removed, cleared or moved under the run.
TEST_F(WindowRunTest, AScanOrADragDuringARunLeavesTheRunItsRows)
{
    Form1 &f = loadWithArchives();
    holdEachArchive();
    const QString added = q(dir.write("more/c.zip", "PK"));
    bool checked = false;
    OnceUnzipping whileFirst(&f, calls, [&] {
        f.PushButton4_Click();
        EXPECT_EQ(f.MousePointer(), Pointer::Hourglass) << "the run is still under way";
        f.JobRows().Select(1);
        QTest::keyClick(f.ListView1, Qt::Key_Delete);
        QTest::mouseClick(f.PushButton5, Qt::LeftButton);
        QWidget *view = f.ListView1->viewport();
        const QPoint first = f.ListView1->visualItemRect(f.ListView1->topLevelItem(0)).center();
        const QPoint second = f.ListView1->visualItemRect(f.ListView1->topLevelItem(1)).center();
        QTest::mousePress(view, Qt::LeftButton, {}, first);
        QTest::mouseMove(view, second);
        QTest::mouseRelease(view, Qt::LeftButton, {}, second);
        EXPECT_EQ(listNow(), rows + QStringList{added});
        checked = true;
        released = true;
    });
    prompts.expectInput("zip").expectPickFolder(q(dir / "more")).expectMessage();
    f.PushButton2_Click();
    EXPECT_TRUE(checked);
    EXPECT_EQ(calls, 5) << "rows added during a run join it";
    EXPECT_EQ(prompts.last().text, "Done.");
    EXPECT_EQ(f.MousePointer(), Pointer::Default);
    EXPECT_EQ(listNow(), rows + QStringList{added});
}

// A missing output folder is named, and the window offers to make it: No
// leaves everything as it was, Yes makes it and the run goes on.
TEST_F(WindowRunTest, AMissingOutputFolderIsNamedAndOfferedToBeMade)
{
    Form1 &f = loadWithArchives();
    const QString missing = q(dir / "new/deeper");
    f.Text1->setText(missing);
    prompts.expectMessage(Prompts::Answer::No);
    f.PushButton2_Click();
    EXPECT_TRUE(
        prompts.last().text.startsWith("Folder does not exist. Please select another folder.\r\r" + missing + "\r\r"))
        << prompts.last().text.toStdString();
    EXPECT_EQ(prompts.last().buttons, Prompts::Buttons::YesNo);
    EXPECT_FALSE(fs::exists(dir / "new"));

    prompts.expectMessage(Prompts::Answer::Yes).expectMessage();
    f.PushButton2_Click();
    EXPECT_EQ(dir.read("new/deeper/a/same.txt"), "from a");
    EXPECT_TRUE(prompts.last().text.startsWith("Done.")) << prompts.last().text.toStdString();
}

} // namespace
