// The events the window watches on its controls, handed to the handlers
// named for them, and the list's own: Delete or a double-click removes the
// selected row.
#include "Form1.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>

namespace {

int keyCodeOf(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Delete: return KeyCodeDelete;
    case Qt::Key_Backspace: return 8;
    default: return 0;
    }
}

int shiftStateOf(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers m = event.modifiers();
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

} // namespace

void Form1::ListView1_KeyDown(int keyCode, int /*shift: Shift+Delete removes too*/)
{
    if (keyCode != KeyCodeDelete)
        return;
    ListView1_DblClick();
}

// Removal refuses while a run or a scan is under way: the run reads the rows
// by their place, and its bound was taken at its start.
void Form1::ListView1_DblClick()
{
    if (Busy())
        return;
    if (!(m_rows.Count() > 0))
        return;
    const qsizetype selected = m_rows.SelectedIndex();
    if (selected > 0)
        m_rows.Remove(selected);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ListView1->viewport() && event->type() != QEvent::MouseButtonDblClick && listViewportEvent(event))
        return true;
    switch (event->type()) {
    case QEvent::MouseMove:
        if (watched == this)
            Form_MouseMove();
        else if (watched == Frame1)
            Frame1_MouseMove();
        else if (watched == Frame2)
            Frame2_MouseMove();
        else if (watched == ListView1->header()->viewport())
            Form_MouseMove(); // the list's header counts as the list
        else if (qobject_cast<QPushButton *>(watched)) {
            PushButton_MouseMove();
            // A button passes a move without a press on to what lies behind
            // it, whose own handler would take the hand away at once.
            if (!(static_cast<const QMouseEvent &>(*event).buttons() & Qt::LeftButton))
                return true;
        }
        break;
    case QEvent::KeyPress:
        if (watched == ListView1) {
            const auto &key = static_cast<const QKeyEvent &>(*event);
            if ((key.modifiers() & Qt::ControlModifier) && (key.key() == Qt::Key_Up || key.key() == Qt::Key_Down))
                return ListView1_MoveKey(key.key());
            const int code = keyCodeOf(key);
            ListView1_KeyDown(code, shiftStateOf(key));
            if (code == KeyCodeDelete)
                return true;
        }
        break;
    case QEvent::MouseButtonDblClick:
        if (watched == ListView1->viewport()) {
            ListView1_DblClick();
            return true;
        }
        break;
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}
