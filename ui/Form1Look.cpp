// The window's look: the optional skin, the program's icon, and the pointer
// pictures (the hand over the buttons, the drag picture over the list). All
// of them come from files beside the program and quietly stay away when the
// files do.
#include "Form1.h"

#include "common/CursorFile.h"
#include "common/PathHelpers.h"
#include "RuntimeError.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QTreeWidget>

namespace {

const QString SkinFile = QStringLiteral("/x/o.cjs");
const QString DragPictureFile = QStringLiteral("/drag.ico");

void paintBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    if (qobject_cast<QRadioButton *>(widget) || qobject_cast<QCheckBox *>(widget))
        palette.setColor(QPalette::Button, colour);
    widget->setPalette(palette);
}

// Screens of twice the density or more take the picture drawn at twice the
// size, "<name>@2x.png" beside the file, where there is one; the pointer's
// tip stays where the 32-pixel picture has it, in the screen's own units.
std::optional<QPixmap> sharperPicture(const QString &path, qreal density)
{
    if (density < 1.5)
        return std::nullopt;
    const QFileInfo file(path);
    QPixmap picture(file.path() + QLatin1Char('/') + file.completeBaseName() + QStringLiteral("@2x.png"));
    if (picture.isNull())
        return std::nullopt;
    picture.setDevicePixelRatio(2);
    return picture;
}

} // namespace

// The first start-up step. The skin's presence alone switches it on: the
// white design background gives way to the system's button face, and the
// style sheet is laid over the whole window. A skin that cannot be read is a
// failure of the step; the colours already switched stay.
void Form1::ApplySkin()
{
    const QString skin = m_env.programFolder + SkinFile;
    if (!IsFilePresent(skin)) {
        // The plain look lights up a text box that has the keyboard, but not
        // a list; this list lights up too. The skin has its own rule.
        ListView1->setStyleSheet(QStringLiteral("QTreeWidget:focus { border: 1px solid palette(highlight); }"));
        return;
    }
    const QColor buttonFace = QGuiApplication::palette().color(QPalette::Button);
    paintBackground(this, buttonFace);
    for (QWidget *control : findChildren<QWidget *>()) {
        if (qobject_cast<QRadioButton *>(control) || qobject_cast<QCheckBox *>(control)
            || qobject_cast<QGroupBox *>(control) || qobject_cast<QLabel *>(control))
            paintBackground(control, buttonFace);
    }
    QFile file(skin);
    if (!file.open(QIODevice::ReadOnly))
        throw RuntimeError(ErrorNumber::PathNotFound,
                           QCoreApplication::translate("Form1", "Skin file could not be read: %1")
                               .arg(file.errorString())
                               .toStdString());
    setStyleSheet(QString::fromUtf8(file.readAll()));
}

// Every size that is there; the desktop picks the one it needs.
QIcon Form1::ProgramIcon() const
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString path = m_env.programFolder + QStringLiteral("/icon/marrowlyn-%1.png").arg(size);
        if (IsFilePresent(path))
            icon.addFile(path, QSize(size, size));
    }
    return icon;
}

// The hand pointer. Qt's icon reader decodes the picture but not where the
// pointer's tip is; that comes from the cursor file's own directory. A file
// that is not such a picture fails the start-up step that loads it.
QCursor Form1::LoadPointerPicture(const QString &path) const
{
    const std::optional<CursorFileInfo> cursor = ReadCursorFile(path);
    if (!cursor)
        throw RuntimeError(ErrorNumber::InvalidArgument,
                           QCoreApplication::translate("Form1", "Invalid picture").toStdString());
    const QImage image = QImage::fromData(cursor->bytes, "ico");
    if (image.isNull())
        throw RuntimeError(ErrorNumber::InvalidArgument,
                           QCoreApplication::translate("Form1", "Invalid picture").toStdString());
    const std::optional<QPixmap> sharper = sharperPicture(path, devicePixelRatioF());
    return QCursor(sharper ? *sharper : QPixmap::fromImage(image), cursor->hotspot.x(), cursor->hotspot.y());
}

// Read at each click on a row, so a picture put in place while the program
// runs is used; an icon has no tip, so the picture's centre points.
std::optional<QCursor> Form1::DragPicture() const
{
    const QString path = m_env.programFolder + DragPictureFile;
    const QPixmap picture(path);
    if (picture.isNull())
        return std::nullopt;
    const std::optional<QPixmap> sharper = sharperPicture(path, devicePixelRatioF());
    return QCursor(sharper ? *sharper : picture);
}

// The hover of a push button shows the hand, leaving the hourglass alone.
void Form1::PushButton_MouseMove()
{
    if (m_mousePointer != Pointer::Hourglass)
        SetMousePointer(Pointer::Custom);
}
