// Moving rows by dragging them on the real list, with the mouse events the
// list receives: press on a row, moves with the button held, release.
#include "FormFixture.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>

namespace fs = std::filesystem;

namespace {

class DragTest : public FormTest {
protected:
    Form1 &loadWithRows(const QStringList &texts)
    {
        fs::create_directories(dir / "program");
        fs::copy_file(ASSETS_FOLDER "/drag.ico", dir / "program/drag.ico", fs::copy_options::overwrite_existing);
        Form1 &f = load();
        for (const QString &text : texts)
            f.JobRows().Add(text);
        f.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&f));
        return f;
    }

    QWidget *rows() { return form->ListView1->viewport(); }
    QPoint centreOf(int index)
    {
        return form->ListView1->visualItemRect(form->ListView1->topLevelItem(index - 1)).center();
    }

    void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent event(type, QPointF(at), QPointF(rows()->mapToGlobal(at)), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(rows(), &event);
    }
    void press(QPoint at) { send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton); }
    void dragTo(QPoint at) { send(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton); }
    void hover(QPoint at) { send(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton); }
    void release(QPoint at) { send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton); }

    QStringList texts()
    {
        QStringList now;
        for (qsizetype i = 1; i <= form->JobRows().Count(); ++i)
            now << form->JobRows().Text(i);
        return now;
    }
};

TEST_F(DragTest, SlowDragShiftsEveryPassedRowAndReleaseRestoresTheArrow)
{
    Form1 &f = loadWithRows({"A", "B", "C"});
    press(centreOf(1));
    EXPECT_EQ(f.DragItemIndex(), 1) << "the press on a row counts as its click";
    EXPECT_TRUE(f.DragMouseDown());
    EXPECT_EQ(f.ListPointer(), Pointer::Custom);
    EXPECT_EQ(rows()->cursor().shape(), Qt::BitmapCursor) << "the drag picture shows over the rows";

    dragTo(centreOf(1) + QPoint(0, 2));
    EXPECT_EQ(texts(), (QStringList{"A", "B", "C"})) << "within its own row nothing moves";
    dragTo(centreOf(2));
    EXPECT_EQ(texts(), (QStringList{"B", "A", "C"}));
    dragTo(centreOf(3));
    EXPECT_EQ(texts(), (QStringList{"B", "C", "A"}));
    EXPECT_EQ(f.JobRows().SelectedIndex(), 3);
    EXPECT_EQ(f.DragItemIndex(), 3);
    dragTo(QPoint(5, rows()->height() - 2));
    EXPECT_EQ(texts(), (QStringList{"B", "C", "A"})) << "the empty area below the rows changes nothing";

    release(centreOf(3));
    EXPECT_FALSE(f.DragMouseDown());
    EXPECT_EQ(f.ListPointer(), Pointer::Arrow);
    EXPECT_EQ(rows()->cursor().shape(), Qt::ArrowCursor);
    hover(centreOf(1));
    EXPECT_EQ(texts(), (QStringList{"B", "C", "A"})) << "a move with the button up does nothing";

    // A fast move jumps straight to the row under the pointer; this time
    // through the window system's own delivery, grab of the pressed list included.
    QTest::mousePress(rows(), Qt::LeftButton, {}, centreOf(1));
    QTest::mouseMove(rows(), centreOf(3));
    QTest::mouseRelease(rows(), Qt::LeftButton, {}, centreOf(3));
    EXPECT_EQ(texts(), (QStringList{"A", "C", "B"}));
    EXPECT_EQ(f.ListPointer(), Pointer::Arrow);
}

TEST_F(DragTest, SameTextIsPassedOverAndMovesWithoutButtonOnlyResetThePointer)
{
    Form1 &f = loadWithRows({"A", "A", "B"});
    press(centreOf(1));
    dragTo(centreOf(2));
    EXPECT_EQ(texts(), (QStringList{"A", "A", "B"}));
    EXPECT_EQ(f.DragItemIndex(), 1) << "a row of the same text does not take the drag";
    dragTo(centreOf(3));
    EXPECT_EQ(texts(), (QStringList{"B", "A", "A"})) << "exchanged directly with the next different row";
    EXPECT_EQ(f.JobRows().SelectedIndex(), 3);
    release(centreOf(3));

    f.SetMousePointer(Pointer::Custom);
    hover(centreOf(1));
    hover(centreOf(2));
    EXPECT_EQ(texts(), (QStringList{"B", "A", "A"}));
    EXPECT_EQ(f.MousePointer(), Pointer::Default) << "the list takes the hand away like the window";
    f.SetMousePointer(Pointer::Hourglass);
    hover(centreOf(1));
    EXPECT_EQ(f.MousePointer(), Pointer::Hourglass);

    // Without a click on a row first there is nothing to drag.
    Form1 &g = loadWithRows({"X", "Y"});
    g.ListView1_MouseDown(1, 0, 0, 0);
    g.ListView1_MouseMove(1, 0, centreOf(2).x(), centreOf(2).y());
    EXPECT_EQ(texts(), (QStringList{"X", "Y"}));
    // A dragged row removed under way leaves nothing behind to move.
    press(centreOf(1));
    g.JobRows().Remove(1);
    dragTo(centreOf(1));
    EXPECT_EQ(texts(), QStringList{"Y"});
    EXPECT_EQ(g.DragItemIndex(), 0);
    release(centreOf(1));
}

TEST_F(DragTest, DraggingNearTheEdgesScrollsTheList)
{
    QStringList many;
    for (int i = 1; i <= 40; ++i)
        many << QStringLiteral("/zips/%1.zip").arg(i, 2, 10, QChar('0'));
    Form1 &f = loadWithRows(many);
    QScrollBar *bar = f.ListView1->verticalScrollBar();
    ASSERT_EQ(bar->value(), 0);
    const int rowHeight = f.ListView1->visualItemRect(f.ListView1->topLevelItem(0)).height();
    const int bottom = rows()->height() - rowHeight / 2;

    press(centreOf(1));
    // Down the middle of the list: the rows pass, nothing scrolls.
    for (int y = centreOf(1).y(); y < rows()->height() / 2; y += 3)
        dragTo(QPoint(20, y));
    EXPECT_EQ(bar->value(), 0);
    // Held near the bottom edge, each small move carries the row one further.
    for (int i = 0; i < 30; ++i)
        dragTo(QPoint(20 + i % 2, bottom));
    EXPECT_GT(bar->value(), 0);
    const qsizetype carried = f.DragItemIndex();
    EXPECT_GT(carried, 20);
    EXPECT_EQ(f.JobRows().Text(carried), "/zips/01.zip");
    EXPECT_EQ(f.JobRows().Text(1), "/zips/02.zip") << "every passed row moved up by one";

    // And back up near the top edge.
    const int scrolled = bar->value();
    for (int i = 0; i < 10; ++i)
        dragTo(QPoint(20 + i % 2, rowHeight / 2));
    EXPECT_LT(bar->value(), scrolled);
    release(QPoint(20, rowHeight / 2));
    EXPECT_EQ(f.JobRows().Count(), 40);
}

} // namespace
