#include "FormFixture.h"
#include "MoreOptionsDialog.h"
#include "PasswordListEditor.h"
#include "mUnzip.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>

namespace {

TEST_F(FormTest, OptionsAndTextAreStoredAsTheyChange)
{
    Form1 &f = load();
    f.show();
    QTest::mouseClick(f.Option2, Qt::LeftButton, {}, QPoint(6, f.Option2->height() / 2));
    EXPECT_TRUE(f.Option2->isChecked());
    EXPECT_EQ(stored(SettingKey::Option1), "False");
    EXPECT_EQ(stored(SettingKey::Option2), "True");
    QTest::mouseClick(f.Option1, Qt::LeftButton, {}, QPoint(6, f.Option1->height() / 2));
    EXPECT_EQ(stored(SettingKey::Option1), "True");
    EXPECT_EQ(stored(SettingKey::Option2), "False");

    f.Text1->clear();
    EXPECT_EQ(stored(SettingKey::OutputDirectory), "");
    QTest::keyClicks(f.Text1, "/tm");
    EXPECT_EQ(stored(SettingKey::OutputDirectory), "/tm");
}

// "More Options...": each choice is stored as it is made; moving asks for a
// folder, and a cancelled picker leaves the choice as it was.
TEST_F(FormTest, MoreOptionsAreStoredAsTheyChange)
{
    Form1 &f = load();
    f.show();
    int shown = 0;
    f.showMoreOptions = [&](MoreOptionsDialog &dialog) {
        ++shown;
        if (shown == 2) {
            EXPECT_EQ(dialog.SubfolderName->currentIndex(), 2) << "restored when opened again";
            return;
        }
        // Each labelled choice and each button has an Alt key of its own.
        QStringList captions{dialog.RemoveNested->text()};
        for (const QPushButton *b : dialog.Passwords->findChildren<QPushButton *>())
            captions << b->text();
        for (const QLabel *label : dialog.findChildren<QLabel *>())
            if (label->buddy())
                captions << label->text();
        QSet<QKeySequence> keys;
        for (const QString &caption : captions) {
            const QKeySequence key = QKeySequence::mnemonic(caption);
            EXPECT_FALSE(key.isEmpty() || keys.contains(key)) << caption.toStdString();
            keys.insert(key);
        }
        EXPECT_EQ(keys.size(), 13);
        dialog.SubfolderName->setCurrentIndex(2);
        dialog.OnConflict->setCurrentIndex(1);
        dialog.Report->setChecked(true);
        dialog.AskPasswords->setChecked(true);
        dialog.Nested->setChecked(true);
        dialog.Kinds->setCurrentIndex(1);
        prompts.expectPickFolder(QString());
        dialog.After->setCurrentIndex(2);
        EXPECT_EQ(dialog.After->currentIndex(), 0);
        prompts.expectPickFolder(q(dir.path()));
        dialog.After->setCurrentIndex(2);
    };
    QTest::mouseClick(f.MoreOptionsButton, Qt::LeftButton);
    EXPECT_EQ(stored(SettingKey::SubfolderName), "smart");
    EXPECT_EQ(stored(SettingKey::OnConflict), "skip");
    EXPECT_EQ(stored(SettingKey::WriteReport), "True");
    EXPECT_EQ(stored(SettingKey::AskForPasswords), "True");
    EXPECT_EQ(stored(SettingKey::NestedArchives), "extract");
    EXPECT_EQ(stored(SettingKey::ArchiveKinds), "all");
    EXPECT_EQ(stored(SettingKey::AfterExtract), "move:" + q(dir.path()));
    QTest::mouseClick(f.MoreOptionsButton, Qt::LeftButton);
    EXPECT_EQ(shown, 2);
}

// Every control has a name and (where it acts) a description for assistive
// technology; the keyboard moves rows as dragging does, and Enter on the list
// starts nothing.
TEST_F(FormTest, ControlsAreNamedAndTheKeyboardMovesRows)
{
    Form1 &f = load();
    f.show();
    for (QWidget *control : std::initializer_list<QWidget *>{
             f.ListView1, f.PushButton1, f.PushButton2, f.PushButton3, f.PushButton4, f.PushButton5, f.PushButton6,
             f.PushButton7, f.PushButton8, f.MoreOptionsButton, f.Option1, f.Option2, f.Text1, f.ProgressBar1}) {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(face, nullptr);
        EXPECT_FALSE(face->text(QAccessible::Name).isEmpty()) << control->metaObject()->className();
        EXPECT_FALSE(face->text(QAccessible::Description).isEmpty()) << face->text(QAccessible::Name).toStdString();
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(f.PushButton3)->text(QAccessible::Name),
              "Choose the output folder");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(f.PushButton5)->text(QAccessible::Name), "Clear List");

    // Every captioned button has an Alt key of its own.
    QSet<QKeySequence> mnemonics;
    for (QAbstractButton *b : std::initializer_list<QAbstractButton *>{
             f.PushButton1, f.PushButton2, f.PushButton4, f.PushButton5, f.PushButton6, f.PushButton7, f.PushButton8,
             f.MoreOptionsButton, f.Option1, f.Option2}) {
        const QKeySequence key = QKeySequence::mnemonic(b->text());
        EXPECT_FALSE(key.isEmpty()) << withoutMnemonic(b->text()).toStdString();
        EXPECT_FALSE(mnemonics.contains(key)) << key.toString().toStdString();
        mnemonics.insert(key);
    }

    for (const char *row : {"/a.zip", "/b.zip", "/c.zip"})
        f.JobRows().Add(row);
    f.JobRows().Select(1);
    f.ListView1->setFocus();
    QTest::keyClick(f.ListView1, Qt::Key_Down, Qt::ControlModifier);
    QTest::keyClick(f.ListView1, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(f.JobRows().Text(3), "/a.zip");
    EXPECT_EQ(f.JobRows().SelectedIndex(), 3);
    QTest::keyClick(f.ListView1, Qt::Key_Down, Qt::ControlModifier); // at the bottom: nothing moves
    QTest::keyClick(f.ListView1, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(f.JobRows().Text(2), "/a.zip");
    EXPECT_EQ(f.JobRows().Text(3), "/c.zip");
    QTest::keyClick(f.ListView1, Qt::Key_Return);
    QTest::keyClick(f.ListView1, Qt::Key_Enter);
    EXPECT_FALSE(f.Run().Running());
    EXPECT_TRUE(prompts.calls().empty()) << "Enter on the list starts no run";
}

TEST_F(FormTest, BrowsingSetsTheFolderWithItsSeparator)
{
    Form1 &f = load();
    const QString chosen = q(dir / "Data");
    std::filesystem::create_directories(dir / "Data");
    prompts.expectPickFolder(chosen);
    f.PushButton3_Click();
    EXPECT_EQ(prompts.last().text, BrowsePrompt());
    EXPECT_EQ(f.Text1->text(), chosen + "/");
    EXPECT_EQ(stored(SettingKey::OutputDirectory), chosen + "/");
    EXPECT_EQ(stored(SettingKey::LastFolderDot), chosen);

    prompts.expectPickFolder("/");
    f.PushButton3_Click();
    EXPECT_EQ(f.Text1->text(), "/");
    EXPECT_EQ(stored(SettingKey::LastFolderDot), "/");

    prompts.expectPickFolder("");
    f.PushButton3_Click();
    EXPECT_EQ(f.Text1->text(), "/");
    EXPECT_EQ(stored(SettingKey::OutputDirectory), "/");
    EXPECT_EQ(stored(SettingKey::LastFolderDot), "/");
}

// No picker opens in the program's working folder: "..." starts at the folder
// in the box, else the one browsed to last; the file dialog where files were
// chosen last, also after a restart; each of them at home otherwise.
TEST_F(FormTest, PickersStartInTheLastFolderUsedOrAtHome)
{
    const QString home = QDir::homePath();
    const QString data = q(dir / "data");
    const QString gone = q(dir / "gone");
    std::filesystem::create_directories(dir / "data");
    Form1 &f = load();
    struct Case {
        QString box, lastBrowsed, start;
    };
    for (const Case &c : {Case{data + "/", gone, data + "/"}, Case{gone + "/", data, data}, Case{gone, gone, home}}) {
        f.Text1->setText(c.box);
        store(SettingKey::LastFolderDot, c.lastBrowsed);
        prompts.expectPickFolder("");
        f.PushButton3_Click();
        EXPECT_EQ(prompts.last().preset, c.start) << c.box.toStdString() << " " << c.lastBrowsed.toStdString();
    }

    prompts.expectInput("zip").expectPickFolder("");
    f.PushButton4_Click();
    EXPECT_EQ(prompts.last().preset, home);
    prompts.expectOpenFiles(data + "/a.zip");
    f.PushButton1_Click();
    EXPECT_EQ(prompts.last().preset, home);
    EXPECT_EQ(stored(SettingKey::LastFileFolder), data);

    Form1 &again = load();
    prompts.expectOpenFiles(QStringList{data, "b.zip", "c.zip"}.join(QChar(0)));
    again.PushButton1_Click();
    EXPECT_EQ(prompts.last().preset, data);
    EXPECT_EQ(stored(SettingKey::LastFileFolder), data);
}

TEST_F(FormTest, PasswordFlow)
{
    Form1 &f = load();
    prompts.expectInput("s3cret");
    f.PushButton7_Click();
    EXPECT_EQ(prompts.last().text, PasswordPrompt());
    EXPECT_EQ(prompts.last().title, "Marrowlyn");
    EXPECT_EQ(prompts.last().preset, "");
    EXPECT_TRUE(prompts.last().secret);
    EXPECT_TRUE(f.PasswordSetValue());
    EXPECT_EQ(stored(SettingKey::Password), "s3cret");
    EXPECT_EQ(GetCurrentPassword(), "s3cret");

    // Cancelled (empty): no password in force, the stored one kept as preset.
    prompts.expectInput("");
    f.PushButton7_Click();
    EXPECT_EQ(prompts.last().preset, "s3cret");
    EXPECT_FALSE(f.PasswordSetValue());
    EXPECT_EQ(GetCurrentPassword(), "");
    EXPECT_EQ(stored(SettingKey::Password), "s3cret");

    prompts.expectMessage();
    f.PushButton8_Click();
    EXPECT_EQ(prompts.last().text, "Questions? Please contact Team Quorvane at https://marrowlyn.app/contact/");
    EXPECT_EQ(prompts.last().title, "Marrowlyn");
    EXPECT_EQ(prompts.last().icon, Prompts::Icon::None);
}

TEST_F(FormTest, RemovingAndClearingRows)
{
    Form1 &f = load();
    f.show();
    JobList &rows = f.JobRows();
    // Nothing to remove: nothing happens, nothing is shown.
    QTest::keyClick(f.ListView1, Qt::Key_Delete);
    f.ListView1_DblClick();
    EXPECT_EQ(rows.Count(), 0);

    for (const char *row : {"/a.zip", "/b.zip", "/c.zip"})
        rows.Add(row);
    rows.Select(2);
    QTest::keyClick(f.ListView1, Qt::Key_Backspace);
    QTest::keyClick(f.ListView1, Qt::Key_Period); // same number as the Delete key's code
    EXPECT_EQ(rows.Count(), 3);
    QTest::keyClick(f.ListView1, Qt::Key_Delete, Qt::ShiftModifier);
    ASSERT_EQ(rows.Count(), 2);
    EXPECT_EQ(rows.Text(2), "/c.zip");

    // A double-click removes the row it selects.
    const QRect first = f.ListView1->visualItemRect(f.ListView1->topLevelItem(0));
    QTest::mouseClick(f.ListView1->viewport(), Qt::LeftButton, {}, first.center());
    QTest::mouseDClick(f.ListView1->viewport(), Qt::LeftButton, {}, first.center());
    ASSERT_EQ(rows.Count(), 1);
    EXPECT_EQ(rows.Text(1), "/c.zip");

    // While a folder scan is under way every removal refuses; the pointer
    // alone does not make the window busy.
    rows.Add("/d.zip");
    rows.Select(1);
    dir.write("tree/e.zip", "PK");
    bool triedDuringScan = false;
    QTimer::singleShot(0, &f, [&] {
        EXPECT_TRUE(f.Busy());
        EXPECT_EQ(f.cursor().shape(), Qt::WaitCursor);
        QTest::keyClick(f.ListView1, Qt::Key_Delete);
        f.ListView1_DblClick();
        f.PushButton5_Click();
        EXPECT_EQ(rows.Count(), 2);
        triedDuringScan = true;
    });
    prompts.expectInput("zip").expectPickFolder(q(dir / "tree"));
    f.PushButton4_Click();
    EXPECT_TRUE(triedDuringScan);
    ASSERT_EQ(rows.Count(), 3);
    EXPECT_FALSE(f.Busy());

    f.SetMousePointer(Pointer::Hourglass);
    rows.Select(3);
    QTest::keyClick(f.ListView1, Qt::Key_Delete);
    EXPECT_EQ(rows.Count(), 2);
    f.SetMousePointer(Pointer::Default);
    QTest::mouseClick(f.PushButton5, Qt::LeftButton);
    EXPECT_EQ(rows.Count(), 0);
    EXPECT_EQ(prompts.calls().size(), 2u) << "only the scan's two questions";
}

TEST_F(FormTest, PointerResetsOverTheWindowAndFramesButNotWhileBusy)
{
    Form1 &f = load();
    f.show();
    f.SetMousePointer(Pointer::Custom);
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), f.Frame2->mapToGlobal(QPointF(3, 3)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(f.Frame2, &move);
    EXPECT_EQ(f.MousePointer(), Pointer::Default);
    f.SetMousePointer(Pointer::Hourglass);
    QCoreApplication::sendEvent(f.Frame2, &move);
    QMouseEvent moveWindow(QEvent::MouseMove, QPointF(2, 2), f.mapToGlobal(QPointF(2, 2)), Qt::NoButton, Qt::NoButton,
                           Qt::NoModifier);
    QCoreApplication::sendEvent(&f, &moveWindow);
    EXPECT_EQ(f.MousePointer(), Pointer::Hourglass);
    f.SetMousePointer(Pointer::Custom);
    QCoreApplication::sendEvent(&f, &moveWindow);
    EXPECT_EQ(f.MousePointer(), Pointer::Default);
}

} // namespace

// Paths from the command line: those that are there are added; those that
// are not are named in one message afterwards, and never listed.
TEST_F(FormTest, NamedPathsThatAreNotThereAreSaidAndNotAdded)
{
    Form1 &f = load();
    const QString there = q(dir.write("there.zip", "PK"));
    const QString gone1 = q(dir / "gone1.zip"), gone2 = q(dir / "no folder" / "gone2.zip");
    prompts.expectMessage();
    f.AddNamedPaths({gone1, there, gone2});
    ASSERT_EQ(f.JobRows().Count(), 1);
    EXPECT_EQ(f.JobRows().Text(1), there);
    EXPECT_TRUE(prompts.last().text.contains(gone1 + "\n" + gone2)) << prompts.last().text.toStdString();
    EXPECT_EQ(prompts.calls().size(), 1u);
}
