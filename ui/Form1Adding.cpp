// The commands that fill the list: the file dialog, the folder tree, the
// samples, and a drop of files or folders on the list. Their bodies live in
// joblist/; the window hands them its list, its prompts, its busy marker and
// a way to repaint during a long scan.
#include "Form1.h"

#include "ApplicationTitle.h"
#include "Prompts.h"
#include "joblist/AddingCommands.h"
#include "joblist/DropData.h"
#include "joblist/SampleFiles.h"
#include "run/RunOptions.h"

#include <QDropEvent>
#include <QFile>
#include <QMetaObject>

#include <cerrno>
#include <sys/stat.h>

AddingContext Form1::addingContext()
{
    return AddingContext{m_rows,
                         m_prompts,
                         ApplicationTitle(),
                         m_env.programFolder,
                         [this](bool scanning) { setScanning(scanning); },
                         [this] { PumpEvents(); },
                         NativeSeparator,
                         m_lastFolder,
                         [this] { return m_closeWhenIdle; },
                         LoadRunOptions().kinds == RunOptions::Kinds::All};
}

// A scan that ends during a run leaves the hourglass on: the run is still
// under way. Scans may nest (a drop taken during a scan's pumped events).
void Form1::setScanning(bool scanning)
{
    m_scans += scanning ? 1 : -1;
    SetMousePointer(Busy() ? Pointer::Hourglass : Pointer::Default);
    if (!scanning)
        closeIfAsked();
}

void Form1::PushButton1_Click()
{
    AddingContext context = addingContext();
    ::PushButton1_Click(context);
}

void Form1::PushButton4_Click()
{
    AddingContext context = addingContext();
    ::PushButton4_Click(context);
    m_lastFolder = context.lastFolder;
}

void Form1::PushButton6_Click()
{
    AddingContext context = addingContext();
    ::PushButton6_Click(context);
}

void Form1::ListView1_OLEDragDrop(const QStringList &paths)
{
    AddingContext context = addingContext();
    ::ListView1_OLEDragDrop(context, paths);
}

void Form1::AddNamedPaths(const QStringList &paths)
{
    QStringList found, missing;
    for (const QString &path : paths) {
        // lstat: a link is there even when what it names is not.
        struct stat info {};
        const bool absent = ::lstat(QFile::encodeName(path).constData(), &info) != 0 && errno == ENOENT;
        (absent ? missing : found) << path;
    }
    if (!found.isEmpty())
        ListView1_OLEDragDrop(found);
    if (missing.isEmpty())
        return;
    const QString text = missing.size() == 1
        ? QCoreApplication::translate("Form1", "This path was not found and was not added:")
        : QCoreApplication::translate("Form1", "These paths were not found and were not added:");
    m_prompts.message(text + QLatin1Char('\n') + missing.join(QLatin1Char('\n')), ApplicationTitle(),
                      Prompts::Buttons::Ok, Prompts::Icon::Exclamation);
}

// Only a list of local files may be dropped; anything else is refused while
// it is still being dragged over the list, so the pointer says so at once.
bool Form1::listDropEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto &drag = static_cast<QDropEvent &>(*event);
        if (DroppedFileList(drag.mimeData())) {
            // Copy: the files stay where they are, whatever the source offers.
            if (drag.possibleActions() & Qt::CopyAction) {
                drag.setDropAction(Qt::CopyAction);
                drag.accept();
            } else {
                drag.acceptProposedAction();
            }
        } else {
            drag.ignore();
        }
        return true;
    }
    case QEvent::DragLeave: return true;
    case QEvent::Drop: {
        auto &drop = static_cast<QDropEvent &>(*event);
        const std::optional<QStringList> paths = DroppedFileList(drop.mimeData());
        if (!paths) {
            drop.ignore();
            return true;
        }
        if (drop.possibleActions() & Qt::CopyAction)
            drop.setDropAction(Qt::CopyAction);
        drop.accept();
        // A dropped folder may take a while to scan; the source of the drag
        // is let go first instead of waiting for it.
        QMetaObject::invokeMethod(
            this, [this, list = *paths] { ListView1_OLEDragDrop(list); }, Qt::QueuedConnection);
        return true;
    }
    default: return false;
    }
}
