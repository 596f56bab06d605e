// The window's controls at their fixed places. The places are kept in twips,
// as the layout was drawn, and turned into pixels at 15 twips a pixel.
#include "Form1.h"

#include "ProgressBar.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace {
constexpr int TwipsPerPixel = 15;

QRect twips(int left, int top, int width, int height)
{
    const auto px = [](int value) { return qRound(double(value) / TwipsPerPixel); };
    return QRect(px(left), px(top), px(width), px(height));
}

QString fontFamily()
{
    static const QString family = QFontDatabase::families().contains(QStringLiteral("Arial"))
        ? QStringLiteral("Arial")
        : QStringLiteral("Liberation Sans");
    return family;
}

QFont boldFont(qreal points)
{
    QFont font(fontFamily());
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

QPushButton *button(QWidget *parent, const QString &text, const QRect &place)
{
    auto *b = new QPushButton(text, parent);
    b->setGeometry(place);
    b->setFont(boldFont(11.25));
    b->setMouseTracking(true);
    return b;
}

// Design colours: white behind the window, its frames and its option buttons.
void paintWhite(QWidget *widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::white);
    // Buttons, option buttons included, fill their background from this role.
    if (qobject_cast<QRadioButton *>(widget))
        palette.setColor(QPalette::Button, Qt::white);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}
} // namespace

void Form1::createControls()
{
    setFixedSize(8040 / TwipsPerPixel, 7290 / TwipsPerPixel);
    setFont(boldFont(9));
    paintWhite(this);
    setMouseTracking(true);

    ListView1->setGeometry(twips(120, 120, 7800, 2535));
    ListView1->setFont(boldFont(9));
    ListView1->setToolTip(ListTooltip());
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The column header appears at load time; until then the list has none.
    ListView1->setColumnCount(1);
    ListView1->setHeaderHidden(true);
    // The column is as wide as the list at least, and may be dragged wider;
    // a long path keeps its archive's name in sight, losing its middle.
    ListView1->header()->setStretchLastSection(true);
    ListView1->setTextElideMode(Qt::ElideMiddle);
    ListView1->setMouseTracking(true);
    ListView1->viewport()->setMouseTracking(true);
    ListView1->header()->viewport()->setMouseTracking(true);
    // Rows are moved by the window's own drag handlers, which also scroll;
    // the view neither starts drags of its own nor scrolls by itself. Files
    // dropped from outside are taken by the window too.
    ListView1->setDragEnabled(false);
    ListView1->setAutoScroll(false);
    ListView1->setAcceptDrops(true);
    ListView1->viewport()->setAcceptDrops(true);

    PushButton1 = button(this, QCoreApplication::translate("Form1", "&Add Zip File(s)"), twips(120, 2750, 3840, 405));
    PushButton4 = button(this, QCoreApplication::translate("Form1", "Add All Zip Files In &Folder"),
                         twips(4080, 2750, 3840, 405));
    PushButton5 = button(this, QCoreApplication::translate("Form1", "&Clear List"), twips(120, 3260, 3840, 405));
    PushButton6 = button(this, QCoreApplication::translate("Form1", "Load &Sample/Example Files"),
                         twips(4080, 3260, 3840, 405));
    PushButton7
        = button(this, QCoreApplication::translate("Form1", "Set &Password (Optional)"), twips(120, 3770, 3840, 405));
    PushButton8 = button(this, QCoreApplication::translate("Form1", "&Help"), twips(4080, 3770, 3840, 405));

    Frame2 = new QGroupBox(QCoreApplication::translate("Form1", "Unzip Option"), this);
    Frame2->setGeometry(twips(120, 4245, 7800, 1035));
    paintWhite(Frame2);
    Frame2->setMouseTracking(true);
    Option1 = new QRadioButton(QCoreApplication::translate("Form1", "Unzip &each zip into its own subfolder folder"),
                               Frame2);
    Option1->setGeometry(twips(240, 300, 5655, 255));
    paintWhite(Option1);
    // The frame's style draws its own faint panel; the option buttons let it
    // show through instead of cutting white boxes out of it.
    Option1->setAutoFillBackground(false);
    Option2 = new QRadioButton(QCoreApplication::translate("Form1", "Unzip all zips into &one folder"), Frame2);
    Option2->setGeometry(twips(240, 650, 5655, 255));
    paintWhite(Option2);
    Option2->setAutoFillBackground(false);
    Option1->setChecked(true);
    // In the frame's free right-hand part, beside the options it adds to.
    MoreOptionsButton
        = button(Frame2, QCoreApplication::translate("Form1", "&More Options..."), twips(5960, 360, 1720, 405));
    MoreOptionsButton->setFont(boldFont(9));

    Frame1 = new QGroupBox(QCoreApplication::translate("Form1", "Unzip To This Folder"), this);
    Frame1->setGeometry(twips(120, 5340, 7800, 800));
    paintWhite(Frame1);
    Frame1->setMouseTracking(true);
    Text1 = new QLineEdit(QStringLiteral("Text1"), Frame1);
    Text1->setGeometry(twips(240, 300, 6675, 345));
    PushButton3 = button(Frame1, QCoreApplication::translate("Form1", "..."), twips(6960, 300, 600, 345));

    PushButton2 = button(this, QCoreApplication::translate("Form1", "Start &Unzipping"), twips(120, 6250, 7800, 405));
    ProgressBar1 = new ProgressBar(this);
    ProgressBar1->setGeometry(twips(120, 6770, 7800, 405));
    ProgressBar1->SetText(IdleProgressText());
}
