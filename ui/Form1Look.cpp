// The parts of the window that belong to its look and to filling the list:
// the skin, the icon, the pointer pictures, the hand over the buttons, and the
// three adding commands. They are kept here, apart from the window's own
// logic, so that work on them does not touch Form1.cpp. Until they are filled
// in the window keeps its design look and the adding buttons do nothing.
#include "Form1.h"

#include "common/RuntimeError.h"

#include <QIcon>
#include <QPixmap>

// The first start-up step: without a skin the design colours stay.
void Form1::ApplySkin() {}

QIcon Form1::ProgramIcon() const { return QIcon(); }

// The hand pointer picture; a file that cannot be read as a picture fails the
// start-up step that loads it.
QCursor Form1::LoadPointerPicture(const QString &path) const
{
    const QPixmap picture(path);
    if (picture.isNull())
        throw RuntimeError(ErrorNumber::InvalidArgument, "Invalid picture");
    return QCursor(picture);
}

// The hover of a push button shows the hand, leaving the hourglass alone.
void Form1::PushButton_MouseMove() {}

// "Add Zip File(s)".
void Form1::PushButton1_Click() {}
// "Add All Zip Files In Folder".
void Form1::PushButton4_Click() {}
// "Load Sample/Example Files".
void Form1::PushButton6_Click() {}
