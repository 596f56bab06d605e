// The command line of marrowlyn-batch.
#pragma once

#include "RunOptionFlags.h"

#include <QString>
#include <QStringList>
#include <optional>

struct BatchOptions {
    enum class Mode { Subfolders, OneFolder };

    QStringList paths;           // archives, or folders to scan
    QString output;              // empty: the current folder (or the window's, with windowSettings)
    std::optional<Mode> mode;    // empty: subfolders (or the window's, with windowSettings)
    bool windowSettings = false; // take the window's stored output folder and mode where not given
    QString extension;           // empty: the kinds the run opens (see RunOptions::Kinds)
    QString passwordFile;        // "-" never: use passwordStdin
    bool passwordStdin = false;
    int jobs = 0;         // 0: one per processor
    int nameCodePage = 0; // names without the UTF-8 flag: 0 decides per archive, else a Windows code page
    bool quiet = false;
    enum class Work { Extract, Test, List };
    Work work = Work::Extract; // --test: decode and check, write nothing; --list: print the entries
    bool noPrompt = false;     // never ask for an archive's password at the terminal
    RunOptionFlags run;        // the choices of the window's "More Options..."
};

struct ParsedCommandLine {
    enum class Action { Run, Help, Version, UsageError };
    Action action = Action::Run;
    BatchOptions options;
    QString error; // for UsageError, in plain words
    QString helpText;
};

ParsedCommandLine ParseBatchCommandLine(const QStringList &arguments);

// The code page a --name-encoding value names ("auto" is 0); nothing for a
// name that is not one of the code pages ZIP writers used.
std::optional<int> NameEncodingCodePage(const QString &name);
