// Moving a row up or down the list by dragging it: the dragged text swaps
// places with each row it passes, so the order of extraction follows.
//
// Qt reports a click on a row when the button is released, after every move
// of the drag; the drag needs the clicked row before the first move. So the
// press on a row counts as its click: the press goes to MouseDown first, then
// to the list, which selects the row and reports it pressed (ItemClick).
#include "Form1.h"

#include "joblist/JobList.h"

#include <QEvent>
#include <QMouseEvent>
#include <QTreeWidget>

#include <algorithm>

namespace {

int buttonsOf(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0)
        | (buttons & Qt::MiddleButton ? 4 : 0);
}

int shiftOf(Qt::KeyboardModifiers m)
{
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

} // namespace

qsizetype Form1::DragItemIndex() const { return m_dragItem.isValid() ? m_dragItem.row() + 1 : 0; }

void Form1::setListPointer(int value)
{
    m_listPointer = value;
    QWidget *rows = ListView1->viewport();
    switch (value) {
    case Pointer::Arrow: rows->setCursor(Qt::ArrowCursor); break;
    case Pointer::Custom:
        // Without the picture the ordinary pointer shows, as it does for the hand.
        if (const std::optional<QCursor> picture = DragPicture())
            rows->setCursor(*picture);
        else
            rows->unsetCursor();
        break;
    default: rows->unsetCursor(); break;
    }
}

void Form1::ListView1_ItemClick(QTreeWidgetItem * /*the selected row is the one clicked*/)
{
    setListPointer(Pointer::Custom);
    // A drag inside the list moves rows; it never carries them out of it.
    ListView1->setDragEnabled(false);
    const qsizetype selected = m_rows.SelectedIndex();
    m_dragItem = selected > 0 ? QPersistentModelIndex(ListView1->model()->index(int(selected - 1), 0))
                              : QPersistentModelIndex();
}

void Form1::ListView1_MouseDown(int, int, int, int) { m_dragMouseDown = true; }

void Form1::ListView1_MouseUp(int, int, int, int)
{
    m_dragMouseDown = false;
    setListPointer(Pointer::Arrow);
}

void Form1::ListView1_MouseMove(int, int, int x, int y)
{
    if (m_mousePointer != Pointer::Hourglass)
        SetMousePointer(Pointer::Default);
    // During a run a moved row could be passed over or extracted twice.
    if (!m_dragMouseDown || Busy())
        return;
    QTreeWidgetItem *hover = ListView1->itemAt(x, y);
    m_dragHoverItem = hover ? QPersistentModelIndex(ListView1->model()->index(ListView1->indexOfTopLevelItem(hover), 0))
                            : QPersistentModelIndex();
    if (m_dragHoverItem.isValid() && m_dragItem.isValid()) {
        const qsizetype dragIndex = m_dragItem.row() + 1;
        const qsizetype hoverIndex = m_dragHoverItem.row() + 1;
        if (m_rows.Text(dragIndex) != m_rows.Text(hoverIndex)) {
            ExchangeTexts(m_rows, dragIndex, hoverIndex);
            m_rows.Select(hoverIndex);
            m_dragItem = m_dragHoverItem;
            scrollNearEdge(hoverIndex, y);
        }
    }
    m_dragHoverItem = QPersistentModelIndex();
}

// Near the top edge of the rows the row above the pointer is brought into
// view, near the bottom edge the row below, so a drag can carry a row past
// what is shown. "Near" is two rows deep, at most a quarter of the list.
void Form1::scrollNearEdge(qsizetype hoverIndex, int y)
{
    const int height = ListView1->viewport()->height();
    const int rowHeight = std::max(1, ListView1->visualItemRect(ListView1->topLevelItem(int(hoverIndex - 1))).height());
    const int band = std::min(2 * rowHeight, height / 4);
    if (y < band) {
        if (hoverIndex >= 2)
            ListView1->scrollToItem(ListView1->topLevelItem(int(hoverIndex - 2)));
    } else if (y >= height - band) {
        if (hoverIndex + 1 <= m_rows.Count())
            ListView1->scrollToItem(ListView1->topLevelItem(int(hoverIndex)));
    }
}

bool Form1::listViewportEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto &mouse = static_cast<const QMouseEvent &>(*event);
        const QPoint at = mouse.position().toPoint();
        ListView1_MouseDown(buttonsOf(mouse.button()), shiftOf(mouse.modifiers()), at.x(), at.y());
        return false; // the list selects the row and reports it pressed
    }
    case QEvent::MouseMove: {
        const auto &mouse = static_cast<const QMouseEvent &>(*event);
        const QPoint at = mouse.position().toPoint();
        ListView1_MouseMove(buttonsOf(mouse.buttons()), shiftOf(mouse.modifiers()), at.x(), at.y());
        // While a row is dragged the list's own drag-selecting stays out of it.
        return m_dragMouseDown;
    }
    case QEvent::MouseButtonRelease: {
        const auto &mouse = static_cast<const QMouseEvent &>(*event);
        const QPoint at = mouse.position().toPoint();
        ListView1_MouseUp(buttonsOf(mouse.button()), shiftOf(mouse.modifiers()), at.x(), at.y());
        return false;
    }
    default: return listDropEvent(event);
    }
}
