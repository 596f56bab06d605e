#include "AddingCommands.h"

#include "AddFolder.h"
#include "ArchiveKinds.h"
#include "ArchiveScan.h"
#include "JobList.h"
#include "PartSets.h"
#include "Prompts.h"
#include "Settings.h"
#include "TrappedProcedure.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

QStringList RowsFromDialogResult(const QString &result, QChar separator)
{
    if (result.isEmpty())
        return {};
    const QStringList parts = result.split(QChar(u'\0'));
    if (parts.size() == 1)
        return parts;
    QStringList rows;
    for (qsizetype i = 1; i < parts.size(); ++i)
        rows << CollapseBackslashes(JoinPath(parts.first(), parts.at(i), separator), separator);
    return rows;
}

QString FolderOfDialogResult(const QString &result, QChar separator)
{
    const qsizetype nul = result.indexOf(QChar(u'\0'));
    if (nul >= 0)
        return result.left(nul);
    const qsizetype cut = result.lastIndexOf(separator);
    if (cut < 0)
        return QString();
    return result.left(cut == 0 ? 1 : cut);
}

void PushButton1_Click(AddingContext &context)
{
    TrappedProcedure procedure(
        context.prompts, TrappedProcedure::location(QStringLiteral("Form1"), QStringLiteral("PushButton1_Click")));
    QString startFolder;
    procedure.step(100, [&] {
        startFolder = PickerStartFolder(
            GetSetting(SettingsApplication, SettingsSection, SettingKey::LastFileFolder, QString()));
    });
    QString answer;
    bool overflow = false;
    procedure.step(102, [&] {
        try {
            answer = context.prompts.openFiles(AddFilesTitle(),
                                               context.everyKind ? EveryKindFilter() : AddFilesFilter(), startFolder);
        } catch (const FileDialogOverflow &) {
            overflow = true;
        }
    });
    if (overflow) {
        context.prompts.message(TooManyFilesText(), context.applicationTitle);
        return;
    }
    if (answer.isEmpty())
        return;
    procedure.step(104, [&] {
        SaveSetting(SettingsApplication, SettingsSection, SettingKey::LastFileFolder,
                    FolderOfDialogResult(answer, context.separator));
    });
    QStringList rows;
    procedure.step(106, [&] { rows = RowsFromDialogResult(answer, context.separator); });
    for (const QString &row : std::as_const(rows))
        procedure.step(108, [&] { context.list.Add(row); });
}

namespace {

// The window is busy from the start of a folder scan to its end, however it
// ends: rows must not be removed while pumped events let other handlers run.
class ScanUnderWay {
public:
    explicit ScanUnderWay(AddingContext &context) : m_context(context)
    {
        if (m_context.setScanning)
            m_context.setScanning(true);
    }
    ~ScanUnderWay()
    {
        if (m_context.setScanning)
            m_context.setScanning(false);
    }
    ScanUnderWay(const ScanUnderWay &) = delete;
    ScanUnderWay &operator=(const ScanUnderWay &) = delete;

private:
    AddingContext &m_context;
};

ScanHooks HooksFor(AddingContext &context)
{
    return ScanHooks{ThrottledPump(context.pumpEvents), &context.prompts, {}, context.stopRequested};
}

} // namespace

void PushButton4_Click(AddingContext &context)
{
    TrappedProcedure procedure(
        context.prompts, TrappedProcedure::location(QStringLiteral("Form1"), QStringLiteral("PushButton4_Click")));
    QString extension;
    procedure.step(100, [&] {
        const QString stored
            = GetSetting(SettingsApplication, SettingsSection, SettingKey::Extension, QStringLiteral("zip"));
        extension = context.prompts.input(context.everyKind ? ExtensionsPrompt() : ExtensionPrompt(),
                                          context.applicationTitle, stored);
        // ".zip" is how many people write an extension; the pattern has its own dot.
        if (extension.startsWith(QChar(u'.')))
            extension.remove(0, 1);
    });
    if (extension.isEmpty())
        return;
    // Stored before the folder is asked for: a cancelled picker keeps the new extension.
    procedure.step(102, [&] { SaveSetting(SettingsApplication, SettingsSection, SettingKey::Extension, extension); });

    QString chosen;
    procedure.step(104, [&] {
        context.lastFolder = GetSetting(SettingsApplication, SettingsSection, SettingKey::LastFolder, QString());
    });
    procedure.step(106, [&] { chosen = BrowseForFolder(context.prompts, FolderPrompt(), context.lastFolder); });
    if (chosen.isEmpty())
        return;
    procedure.step(108, [&] {
        context.lastFolder = chosen;
        SaveSetting(SettingsApplication, SettingsSection, SettingKey::LastFolder, chosen);
    });

    procedure.step(110, [&] {
        const ScanUnderWay scan(context);
        const auto add = [&context](const QString &path) { context.list.Add(path); };
        if (context.everyKind)
            WalkArchives(chosen, PatternsForExtensions(extension), HooksFor(context), add);
        else
            WalkArchives(chosen, QStringLiteral("*.") + extension, HooksFor(context), add);
    });
}

namespace {

enum class DroppedKind { Folder, Other, Unexaminable };

DroppedKind Examine(const QString &path, QString &reason)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) == 0)
        return S_ISDIR(info.st_mode) ? DroppedKind::Folder : DroppedKind::Other;
    // Something that is simply not there is listed like any dropped file:
    // whether it is an archive is the run's concern. Anything else (no access
    // to its folder, a link loop) leaves us unable to tell what it is.
    if (errno == ENOENT || errno == ENOTDIR)
        return DroppedKind::Other;
    reason = QString::fromLocal8Bit(std::strerror(errno));
    return DroppedKind::Unexaminable;
}

} // namespace

void ListView1_OLEDragDrop(AddingContext &context, const QStringList &paths)
{
    QStringList problems;
    const ScanHooks hooks = HooksFor(context);
    PartSetFilter sets;
    for (const QString &path : paths) {
        try {
            QString reason;
            switch (Examine(path, reason)) {
            case DroppedKind::Folder: {
                const ScanUnderWay scan(context);
                if (!WalkArchives(path, QStringLiteral("*.*"), hooks,
                                  [&context](const QString &file) { context.list.Add(file); }))
                    problems
                        << QCoreApplication::translate("AddingCommands", "%1: the folder could not be read").arg(path);
                break;
            }
            case DroppedKind::Other: {
                const QString row = sets.admit(path);
                if (!row.isEmpty())
                    context.list.Add(row);
                break;
            }
            case DroppedKind::Unexaminable: problems << path + QStringLiteral(": ") + reason; break;
            }
        } catch (const std::exception &error) {
            problems << path + QStringLiteral(": ") + QString::fromLocal8Bit(error.what());
        }
    }
    if (problems.isEmpty())
        return;
    const QString text = problems.size() == 1
        ? QCoreApplication::translate("AddingCommands", "One dropped item could not be examined and was not added.")
        : QCoreApplication::translate("AddingCommands", "%1 dropped items could not be examined and were not added.")
              .arg(problems.size());
    context.prompts.message(text, context.applicationTitle, Prompts::Buttons::Ok, Prompts::Icon::Exclamation,
                            problems.join(QChar('\n')));
}
