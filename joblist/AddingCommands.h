// The bodies of the three commands that fill the job list from the user's
// choice: "Add Zip File(s)", "Add All Zip Files In Folder" and a drop on the
// list. The window forwards its handlers here; tests drive them without widgets.
#pragma once

#include "PathHelpers.h"

#include <QChar>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <exception>
#include <functional>

class JobList;
class Prompts;

// What a command needs of the window, handed in by the window (or a test).
struct AddingContext {
    JobList &list;
    Prompts &prompts;
    QString applicationTitle;
    QString programFolder;                 // where "Samples" lives
    std::function<void(bool)> setScanning; // a folder scan starts (true) or ends (false): the window is busy meanwhile
    std::function<void()> pumpEvents;      // lets the window repaint during a long scan
    QChar separator = NativeSeparator;     // of the file dialog's answer
    QString lastFolder;                    // the folder-tree command's last folder, kept with its setting
    std::function<bool()> stopRequested;   // true once a scan under way is to stop (the window is closing)
    // "Every kind Marrowlyn reads" is chosen: the dialog offers every kind,
    // and the extension prompt takes several.
    bool everyKind = false;
};

inline QString AddFilesTitle()
{
    return QCoreApplication::translate("AddingCommands", "Add File(s) - Hold Ctrl to select multiple files");
}
inline QString AddFilesFilter()
{
    return QCoreApplication::translate("AddingCommands",
                                       "Zip Files (*.zip)|*.zip|Split Zip Files (*.zip.001)|*.zip.001");
}
inline QString ExtensionPrompt()
{
    return QCoreApplication::translate(
        "AddingCommands",
        "Enter file extension to load:\r\r(* for all files, txt for all txt files, doc for all doc files, etc.)");
}
inline QString ExtensionsPrompt()
{
    return QCoreApplication::translate("AddingCommands",
                                       "Enter the file extensions to load, apart by spaces:\r\r(zip 7z rar for those "
                                       "three kinds, * for all files, etc.)");
}
inline QString FolderPrompt() { return QCoreApplication::translate("AddingCommands", "Please select folder:"); }
inline QString TooManyFilesText()
{
    return QCoreApplication::translate(
        "AddingCommands", "You've selected too many files to add.\r\rPlease try adding via the \"Add All\" button.");
}

// A file dialog whose answer has a size limit throws this from
// Prompts::openFiles instead of handing back a cut-off list. The Qt dialog has
// no such limit and never throws it.
class FileDialogOverflow : public std::exception {
public:
    const char *what() const noexcept override { return "file dialog result too large"; }
};

// The rows for one answer of the multi-select dialog: a single path as it
// stands; otherwise folder + separator + each name, cleaned.
QStringList RowsFromDialogResult(const QString &result, QChar separator);

// The folder of the files an answer of the dialog names.
QString FolderOfDialogResult(const QString &result, QChar separator);

// "Add Zip File(s)": the dialog opens where files were last chosen, or at home.
void PushButton1_Click(AddingContext &context);
// "Add All Zip Files In Folder".
void PushButton4_Click(AddingContext &context);
// Local paths dropped on the list, in the order the drag source lists them;
// the dropped parts of an archive in parts become one row (see PartSets.h).
// Entries that cannot be examined are reported together in one message after
// the others have been handled.
void ListView1_OLEDragDrop(AddingContext &context, const QStringList &paths);
