// The three adding buttons and the drop, end to end through the window: what
// the joblist tests prove on an in-memory list, here on the real list widget
// with the window's busy marker and event pump.
#include "FormFixture.h"
#include "SampleFiles.h"

#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QUrl>

namespace fs = std::filesystem;

namespace {

QStringList rowsOf(Form1 &f)
{
    QStringList rows;
    for (qsizetype i = 1; i <= f.JobRows().Count(); ++i)
        rows << f.JobRows().Text(i);
    return rows;
}

TEST_F(FormTest, AddButtonsFillTheListThroughTheWindow)
{
    Form1 &f = load();
    f.show();

    prompts.expectOpenFiles("/data/one.zip");
    QTest::mouseClick(f.PushButton1, Qt::LeftButton);
    EXPECT_EQ(prompts.last().title, "Add File(s) - Hold Ctrl to select multiple files");
    EXPECT_EQ(prompts.last().filter, "Zip Files (*.zip)|*.zip|Split Zip Files (*.zip.001)|*.zip.001");
    prompts.expectOpenFiles(QStringList{"/data", "b.zip", "a.zip"}.join(QChar(0)));
    QTest::mouseClick(f.PushButton1, Qt::LeftButton);
    EXPECT_EQ(rowsOf(f), (QStringList{"/data/one.zip", "/data/b.zip", "/data/a.zip"}));

    // The folder tree: the typed extension, every level, the three tests.
    dir.write("tree/top.zip", "PK");
    dir.write("tree/notes.txt", "x");
    dir.write("tree/~lock.zip", "PK");
    dir.write("tree/.hidden.zip", "PK");
    dir.write("tree/deeper/still/low.zip", "PK");
    const QString tree = q(dir / "tree");
    f.JobRows().Clear();
    f.SetMousePointer(Pointer::Custom);
    prompts.expectInput("zip").expectPickFolder(tree);
    QTest::mouseClick(f.PushButton4, Qt::LeftButton);
    QStringList added = rowsOf(f);
    added.sort();
    EXPECT_EQ(added, (QStringList{tree + "/deeper/still/low.zip", tree + "/top.zip"}));
    EXPECT_EQ(f.MousePointer(), Pointer::Default) << "the hourglass of the scan is taken away again";
    EXPECT_EQ(stored(SettingKey::Extension), "zip");
    EXPECT_EQ(stored(SettingKey::LastFolder), tree);

    // "*" takes every file; the picker opens at the folder chosen last time.
    f.JobRows().Clear();
    prompts.expectInput("*").expectPickFolder(tree);
    f.PushButton4_Click();
    EXPECT_EQ(prompts.last().preset, tree);
    EXPECT_EQ(f.JobRows().Count(), 3) << rowsOf(f).join(", ").toStdString();

    // A leading dot is the pattern's own: ".zip" means zip, and is kept so.
    f.JobRows().Clear();
    prompts.expectInput(".zip").expectPickFolder(tree);
    f.PushButton4_Click();
    EXPECT_EQ(f.JobRows().Count(), 2) << rowsOf(f).join(", ").toStdString();
    EXPECT_EQ(stored(SettingKey::Extension), "zip");

    // A cancelled extension prompt leaves the stored one and asks nothing more.
    prompts.expectInput("");
    f.PushButton4_Click();
    EXPECT_EQ(stored(SettingKey::Extension), "zip");
    EXPECT_EQ(f.JobRows().Count(), 2);
}

TEST_F(FormTest, SamplesAreListedOnceAndTheQuestionAskedEachTime)
{
    dir.write("program/Samples/Garden Notebook.zip", "PK");
    dir.write("program/Samples/Pictures.zip", "PK");
    Form1 &f = load();
    const QString samples = q(dir / "program/Samples");

    prompts.expectMessage(Prompts::Answer::No);
    QTest::mouseClick(f.PushButton6, Qt::LeftButton);
    QStringList first = rowsOf(f);
    first.sort();
    EXPECT_EQ(first, (QStringList{samples + "/Garden Notebook.zip", samples + "/Pictures.zip"}));
    EXPECT_EQ(prompts.last().text, OpenSamplesQuestion());
    EXPECT_EQ(prompts.last().title, "Marrowlyn");
    EXPECT_EQ(prompts.last().buttons, Prompts::Buttons::YesNo);

    prompts.expectMessage(Prompts::Answer::Yes).expectOpenWithShell();
    f.PushButton6_Click();
    EXPECT_EQ(f.JobRows().Count(), 2) << "nothing twice";
    EXPECT_EQ(prompts.last().text, samples) << "Yes opens the sample folder";

    // Nothing on this system opens folders: the user is told where they are.
    prompts.expectMessage(Prompts::Answer::Yes).expectOpenWithShell(false).expectMessage();
    f.PushButton6_Click();
    EXPECT_TRUE(prompts.last().text.endsWith("\r" + samples)) << prompts.last().text.toStdString();
    EXPECT_TRUE(prompts.last().text.startsWith("The folder could not be opened"));
    EXPECT_EQ(prompts.last().title, "Marrowlyn");
    EXPECT_EQ(prompts.calls().size(), 6u);
}

// A drop on the real list widget: only file lists are let in, a folder is
// scanned for every file, a file is taken as it is, in the order dropped.
TEST_F(FormTest, DroppingAFolderAndAFileOnTheList)
{
    dir.write("drop/inside.txt", "x");
    dir.write("drop/sub/deep.zip", "PK");
    dir.write("drop/~temp.zip", "PK");
    const fs::path loose = dir.write("loose.rar", "x");
    Form1 &f = load();
    f.show();
    QWidget *rows = f.ListView1->viewport();
    EXPECT_TRUE(rows->acceptDrops());
    const QPoint at = rows->rect().center();

    QMimeData text;
    text.setText("/etc/passwd");
    QDragEnterEvent refused(at, Qt::CopyAction | Qt::MoveAction, &text, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(rows, &refused);
    EXPECT_FALSE(refused.isAccepted()) << "plain text is not a file list";
    QMimeData web;
    web.setUrls({QUrl("https://example.org/a.zip")});
    QDragMoveEvent refusedToo(at, Qt::CopyAction, &web, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(rows, &refusedToo);
    EXPECT_FALSE(refusedToo.isAccepted()) << "a web address is not a local file";

    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(q(dir / "drop")), QUrl::fromLocalFile(q(loose))});
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &files, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(rows, &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(enter.dropAction(), Qt::CopyAction) << "dropped files are never moved away";
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &files, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(rows, &drop);
    EXPECT_TRUE(drop.isAccepted());
    QCoreApplication::processEvents();
    EXPECT_EQ(rowsOf(f), (QStringList{q(dir / "drop/inside.txt"), q(dir / "drop/sub/deep.zip"), q(loose)}));
    EXPECT_TRUE(prompts.calls().empty());
}

// Closing the window during a folder scan stops the scan, as it stops a run,
// and the window then closes.
TEST_F(FormTest, ClosingDuringAFolderScanStopsIt)
{
    for (int i = 0; i < 40; ++i)
        dir.write("tree/f" + std::to_string(i) + "/a.zip", "PK");
    Form1 &f = load();
    f.show();
    QTimer::singleShot(0, &f, [&] { f.close(); });
    prompts.expectInput("zip").expectPickFolder(q(dir / "tree"));
    f.PushButton4_Click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_LT(f.JobRows().Count(), 40) << "the scan stopped at the close";
}

} // namespace
