// What assistive technology says of the window's controls, and the keys that
// stand in for the mouse: Ctrl+Up and Ctrl+Down move the selected row, as
// dragging it does.
#include "Form1.h"

#include "ProgressBar.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace {

// A caption read out loses its mnemonic marker: "&Clear List" is "Clear List".
void describe(QWidget *widget, QString name, const QString &description)
{
    name.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QChar(1), QLatin1Char('&'));
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
}

} // namespace

void Form1::describeControls()
{
    describe(ListView1, QCoreApplication::translate("Form1", "Zip files to extract"),
             QCoreApplication::translate(
                 "Form1",
                 "The archives extracted by Start Unzipping, top to bottom. Delete removes the selected "
                 "row; Ctrl+Up and Ctrl+Down move it."));
    describe(PushButton1, PushButton1->text(),
             QCoreApplication::translate("Form1", "Choose archives to add to the list"));
    describe(
        PushButton2, PushButton2->text(),
        QCoreApplication::translate("Form1", "Extract every archive of the list; during a run, asks whether to stop"));
    describe(
        PushButton3, QCoreApplication::translate("Form1", "Choose the output folder"),
        QCoreApplication::translate("Form1", "Opens a folder picker for the folder the archives are extracted into"));
    describe(PushButton4, PushButton4->text(),
             QCoreApplication::translate("Form1", "Add every archive found in a folder and its subfolders"));
    describe(PushButton5, PushButton5->text(), QCoreApplication::translate("Form1", "Remove every row from the list"));
    describe(PushButton6, PushButton6->text(),
             QCoreApplication::translate("Form1", "Add the sample archives shipped with Marrowlyn"));
    describe(PushButton7, PushButton7->text(),
             QCoreApplication::translate("Form1", "Set the one password used for all archives of a run"));
    describe(PushButton8, PushButton8->text(),
             QCoreApplication::translate("Form1", "How to reach the people who make Marrowlyn"));
    describe(MoreOptionsButton, MoreOptionsButton->text(),
             QCoreApplication::translate("Form1",
                                         "Subfolder names, files already in place, what becomes of extracted archives, "
                                         "passwords, reports and archives inside archives"));
    describe(Option1, Option1->text(),
             QCoreApplication::translate("Form1", "Each archive is extracted into a subfolder of its own"));
    describe(Option2, Option2->text(),
             QCoreApplication::translate("Form1", "Every archive is extracted into the output folder itself"));
    describe(Text1, QCoreApplication::translate("Form1", "Output folder"),
             QCoreApplication::translate("Form1", "The folder the archives are extracted into"));
    describe(Frame1, Frame1->title(), QString());
    describe(Frame2, Frame2->title(), QString());
    describe(ProgressBar1, QCoreApplication::translate("Form1", "Progress"),
             QCoreApplication::translate("Form1", "The share of the run done, and the archive in work"));
}

bool Form1::ListView1_MoveKey(int key)
{
    const qsizetype selected = m_rows.SelectedIndex();
    const qsizetype target = key == Qt::Key_Up ? selected - 1 : selected + 1;
    if (Busy() || selected < 1 || target < 1 || target > m_rows.Count())
        return true; // taken either way: Ctrl+arrow never moves the current row alone
    ExchangeTexts(m_rows, selected, target);
    m_rows.Select(target);
    return true;
}
