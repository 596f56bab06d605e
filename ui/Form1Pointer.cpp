// The window's pointer: the hourglass while a run or a scan is under way,
// the hand picture where the look asks for it, the default elsewhere.
#include "Form1.h"

void Form1::Form_MouseMove()
{
    if (m_mousePointer != Pointer::Hourglass)
        SetMousePointer(Pointer::Default);
}
void Form1::Frame1_MouseMove() { Form_MouseMove(); }
void Form1::Frame2_MouseMove() { Form_MouseMove(); }

void Form1::SetMousePointer(int value)
{
    // A run that ends during a scan leaves the hourglass to the scan.
    if (m_scans > 0)
        value = Pointer::Hourglass;
    m_mousePointer = value;
    showCursorFor(value);
}

void Form1::showCursorFor(int value)
{
    switch (value) {
    case Pointer::Arrow: setCursor(Qt::ArrowCursor); break;
    case Pointer::Hourglass: setCursor(Qt::WaitCursor); break;
    case Pointer::Custom:
        // Without a picture the ordinary pointer shows.
        if (m_mouseIcon)
            setCursor(*m_mouseIcon);
        else
            unsetCursor();
        break;
    default: unsetCursor(); break;
    }
}
