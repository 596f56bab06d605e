// The one door between the program's handlers and the user. Handlers never
// open a dialog themselves: the window supplies a Qt implementation, tests a
// scripted fake that fails on any prompt it was not told to expect.
#pragma once

#include <QString>

class Prompts {
public:
    // OkOpenFolder: "OK" and "Open Output Folder", which answers OpenFolder.
    // YesNoStopNow: "Yes", "No" and "Stop Now", which answers StopNow.
    enum class Buttons { Ok, YesNo, OkOpenFolder, YesNoStopNow };
    enum class Icon { None, Exclamation, Information };
    enum class Answer { Ok, Yes, No, OpenFolder, StopNow };

    virtual ~Prompts() = default;

    // A modal message box. `detail` is extra text shown folded away (long lists).
    virtual Answer message(const QString &text, const QString &title, Buttons buttons = Buttons::Ok,
                           Icon icon = Icon::None, const QString &detail = QString())
        = 0;

    // A modal one-line input box; cancelling answers the empty text.
    virtual QString input(const QString &prompt, const QString &title, const QString &preset, bool secret = false) = 0;

    // The multi-select open-file dialog, opened at `startFolder`. Answers ""
    // when cancelled, the full path when one file was chosen, and otherwise
    // the folder, then each name, separated by NUL characters.
    virtual QString openFiles(const QString &title, const QString &filter, const QString &startFolder) = 0;

    // The modal folder picker, opened at `startFolder` when it is not empty.
    // Answers the chosen folder's full path, or "" when cancelled.
    virtual QString pickFolder(const QString &prompt, const QString &startFolder) = 0;

    // The password of an archive none of the run's passwords opens: asked
    // with the archive's name and the try (1, 2, 3), the typing hidden.
    struct PasswordAnswer {
        bool skip = true; // "Skip this archive", or the box closed
        QString password;
        bool useForRest = false; // "Use for the rest of this run"
    };
    // Default: skipped, for prompts that never ask (benchmarks).
    virtual PasswordAnswer archivePassword(const QString &archiveName, int attempt)
    {
        (void)archiveName;
        (void)attempt;
        return {};
    }

    // Opens a folder in the file browser or an address in the web browser.
    // False when nothing on this system could be asked to open it.
    virtual bool openWithShell(const QString &pathOrAddress) = 0;
};
