// The skin, the window icon and the hand pointer, each driven by the files a
// test puts in the program folder; and the screenshots of the README.
#include "FormFixture.h"
#include "MoreOptionsDialog.h"
#include "PasswordListStore.h"

#include <QFile>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>

namespace fs = std::filesystem;

namespace {

class LookTest : public FormTest {
protected:
    void ship(const std::string &asset)
    {
        fs::create_directories((dir / "program" / asset).parent_path());
        fs::copy_file(fs::path(ASSETS_FOLDER) / asset, dir / "program" / asset, fs::copy_options::overwrite_existing);
    }

    static std::vector<QWidget *> designWhite(Form1 &f) { return {&f, f.Frame1, f.Frame2, f.Option1, f.Option2}; }

    static void hoverOver(QWidget *widget)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(4, 4), widget->mapToGlobal(QPointF(4, 4)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &move);
    }
};

TEST_F(LookTest, WithoutTheSkinFileTheDesignColoursStay)
{
    Form1 &f = load();
    for (QWidget *w : designWhite(f))
        EXPECT_EQ(w->palette().color(QPalette::Window), QColor(Qt::white)) << w->metaObject()->className();
    EXPECT_TRUE(f.styleSheet().isEmpty());
    EXPECT_TRUE(f.windowIcon().isNull()) << "no icon files, no icon";
    EXPECT_TRUE(prompts.calls().empty());
}

TEST_F(LookTest, TheSkinSwitchesToButtonFaceAndLaysItsSheetOverTheWindow)
{
    ship("x/o.cjs");
    for (int size : {16, 32, 48})
        ship("icon/marrowlyn-" + std::to_string(size) + ".png");
    Form1 &f = load();
    QFile sheet(ASSETS_FOLDER "/x/o.cjs");
    ASSERT_TRUE(sheet.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.styleSheet(), QString::fromUtf8(sheet.readAll()));
    EXPECT_EQ(f.objectName(), "Form1") << "the sheet names the window";
    EXPECT_FALSE(f.windowIcon().isNull());
    EXPECT_EQ(f.windowIcon().availableSizes().size(), 3);
    EXPECT_TRUE(prompts.calls().empty());

    // The window is painted with the skin's colours, not white.
    f.show();
    const QImage shot = f.grab().toImage();
    EXPECT_NE(shot.pixelColor(2, f.height() / 2), QColor(Qt::white));
}

// The colours change before the sheet is read: a skin that cannot be read
// leaves them switched, shows the start-up's error box, and the start-up goes on.
TEST_F(LookTest, AnUnreadableSkinIsReportedAfterTheColoursSwitched)
{
    fs::create_directories(dir / "program/x/o.cjs");
    prompts.expectMessage();
    Form1 &f = load();
    ASSERT_EQ(prompts.calls().size(), 1u);
    EXPECT_EQ(prompts.last().title, "Application Error");
    EXPECT_TRUE(prompts.last().text.contains("in Plindrave2021/08/31.Form1.Form_Load at line 100"))
        << prompts.last().text.toStdString();
    const QColor buttonFace = QGuiApplication::palette().color(QPalette::Button);
    for (QWidget *w : designWhite(f))
        EXPECT_EQ(w->palette().color(QPalette::Window), buttonFace) << w->metaObject()->className();
    EXPECT_TRUE(f.styleSheet().isEmpty());
    EXPECT_EQ(f.windowTitle(), "Marrowlyn");
    EXPECT_EQ(f.ListView1->headerItem()->text(0), "Zip File(s)");
}

TEST_F(LookTest, TheHandShowsOverTheButtonsButNeverReplacesTheHourglass)
{
    ship("HAND-M.CUR");
    Form1 &f = load();
    f.show();
    ASSERT_TRUE(f.MouseIcon().has_value());
    EXPECT_EQ(f.MouseIcon()->hotSpot(), QPoint(12, 1)) << "the tip as the cursor file gives it";
    EXPECT_EQ(f.MouseIcon()->pixmap().size(), QSize(32, 32));

    for (QPushButton *b : {f.PushButton1, f.PushButton3, f.PushButton8, f.MoreOptionsButton}) {
        f.SetMousePointer(Pointer::Default);
        hoverOver(b);
        EXPECT_EQ(f.MousePointer(), Pointer::Custom) << b->text().toStdString();
        EXPECT_EQ(b->cursor().shape(), Qt::BitmapCursor) << "buttons show the window's pointer";
        EXPECT_EQ(b->cursor().hotSpot(), QPoint(12, 1));
    }
    hoverOver(f.Frame1);
    EXPECT_EQ(f.MousePointer(), Pointer::Default);
    hoverOver(f.PushButton2);
    hoverOver(f.ListView1->viewport());
    EXPECT_EQ(f.MousePointer(), Pointer::Default) << "the list takes the hand away";
    hoverOver(f.PushButton2);
    hoverOver(f.ListView1->header()->viewport());
    EXPECT_EQ(f.MousePointer(), Pointer::Default) << "so does its header";

    f.SetMousePointer(Pointer::Hourglass);
    hoverOver(f.PushButton4);
    EXPECT_EQ(f.MousePointer(), Pointer::Hourglass);
    EXPECT_EQ(f.PushButton4->cursor().shape(), Qt::WaitCursor);
}

// Keys move the current row and the list follows it, so Delete never takes a
// row out of sight; the list that has the keyboard looks it, in both looks.
TEST_F(LookTest, KeysKeepTheCurrentRowInViewAndTheListShowsFocus)
{
    for (const bool skinned : {false, true}) {
        if (skinned)
            ship("x/o.cjs");
        Form1 &f = load();
        for (int i = 1; i <= 40; ++i)
            f.JobRows().Add(QStringLiteral("/archives/%1.zip").arg(i));
        f.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
        f.JobRows().Select(1);
        f.PushButton1->setFocus();
        const QImage unfocused = f.ListView1->grab().toImage();
        f.ListView1->setFocus();
        const QImage focused = f.ListView1->grab().toImage();
        const QPoint frame(0, unfocused.height() / 2);
        EXPECT_NE(focused.pixelColor(frame), unfocused.pixelColor(frame))
            << "the frame shows focus; skinned " << skinned;

        for (const Qt::Key key : {Qt::Key_End, Qt::Key_Up, Qt::Key_Home, Qt::Key_PageDown, Qt::Key_PageDown,
                                  Qt::Key_Down, Qt::Key_End, Qt::Key_PageUp}) {
            QTest::keyClick(f.ListView1, key);
            const QRect row = f.ListView1->visualItemRect(f.ListView1->currentItem());
            EXPECT_TRUE(f.ListView1->viewport()->rect().contains(row))
                << "key " << key << " left row " << f.JobRows().SelectedIndex() << " out of view";
        }
    }
}

// The column fills the list; a long path loses its middle, not the archive's
// name, and shows whole as the row's tip; a column widened for long paths
// goes back with "Clear List", and its scroll bar with it.
TEST_F(LookTest, TheColumnFillsTheListAndLongPathsKeepTheirNames)
{
    Form1 &f = load();
    const QString longPath = "/home/ann/" + QString(80, u'x') + "/deep/archive name.zip";
    f.JobRows().Add("/short.zip");
    f.JobRows().Add(longPath);
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    QHeaderView *header = f.ListView1->header();
    EXPECT_GE(header->length(), header->viewport()->width()) << "no blank strip right of the header";
    EXPECT_EQ(f.ListView1->textElideMode(), Qt::ElideMiddle);
    EXPECT_EQ(f.ListView1->topLevelItem(1)->toolTip(0), longPath);
    ExchangeTexts(f.JobRows(), 1, 2);
    EXPECT_EQ(f.ListView1->topLevelItem(0)->toolTip(0), longPath) << "the tip moves with the text";

    header->resizeSection(0, 2000);
    QCoreApplication::processEvents();
    EXPECT_GT(f.ListView1->horizontalScrollBar()->maximum(), 0);
    QTest::mouseClick(f.PushButton5, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.ListView1->horizontalScrollBar()->maximum(), 0);
    EXPECT_GE(header->length(), header->viewport()->width());
}

// Writes the README's pictures when MARROWLYN_SCREENSHOTS names a folder;
// otherwise proves only that the window can be grabbed in both looks.
TEST_F(LookTest, Screenshots)
{
    const QString folder = qEnvironmentVariable("MARROWLYN_SCREENSHOTS", q(dir.path()));
    const QStringList paths{
        "/home/ann/Marrowlyn/Samples/Encrypted (password is marrowlyn).zip",
        "/home/ann/Marrowlyn/Samples/Garden Notebook.zip",
        "/home/ann/Marrowlyn/Samples/Pictures.zip",
        "/home/ann/Marrowlyn/Samples/Short Stories.zip",
        "/home/ann/Downloads/holiday photos 2023.zip",
        "/home/ann/Downloads/invoices-q1.zip",
        "/home/ann/Downloads/invoices-q2.zip",
        "/home/ann/Documents/University/autumn term 2023/thesis on coastal erosion/chapters/drafts.zip",
        "/home/ann/Documents/thesis/figures.zip",
        "/media/usb/backup.part1.zip",
        "/media/usb/backup.part2.zip",
        "/srv/share/fonts collection.zip",
        "/srv/share/icons.zip",
        "/home/ann/Music/field recordings.zip",
        "/home/ann/Music/podcast archive 2019-2021 with a rather long name.zip",
    };
    for (const bool skinned : {false, true}) {
        if (skinned) {
            ship("x/o.cjs");
            ship("icon/marrowlyn-32.png");
        }
        Form1 &f = load();
        for (const QString &path : paths)
            f.JobRows().Add(path);
        f.JobRows().Select(6);
        f.Text1->setText("/home/ann/Desktop/unzipped/");
        f.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
        const QString name = skinned ? "window-skinned.png" : "window-plain.png";
        ASSERT_TRUE(f.grab().save(folder + "/" + name)) << name.toStdString();
        if (skinned)
            continue;
        RunOptions options;
        options.subfolderName = RunOptions::SubfolderName::Smart;
        options.after = RunOptions::After::Trash;
        options.report = true;
        PasswordListStore passwords(QStringLiteral("Marrowlyn screenshots"), std::chrono::milliseconds(0));
        passwords.save({QStringLiteral("first"), QStringLiteral("second"), QStringLiteral("third")});
        MoreOptionsDialog dialog(prompts, options, {}, &f, &passwords);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        ASSERT_TRUE(dialog.grab().save(folder + "/more-options.png"));
    }
}

} // namespace
