// marrowlyn-batch's flags for the choices of the window's "More Options...".
#pragma once

#include "run/RunOptions.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>

#include <optional>

class QCommandLineParser;

struct RunOptionFlags {
    std::optional<RunOptions::SubfolderName> subfolderName;
    std::optional<RunOptions::OnConflict> onConflict;
    std::optional<RunOptions::After> after;
    QString afterFolder;
    QString reportFile;
    QString passwordsFile;
    bool nested = false;
    std::optional<RunOptions::Kinds> kinds;

    // The flags, for the parser.
    static QList<QCommandLineOption> Options();
    // Reads the flags given; false with a message for a word that is not one of theirs.
    bool read(const QCommandLineParser &parser, QString &error);
    // The run's choices: those given, else the window's stored ones with
    // `windowSettings`, else the defaults; but every kind where the window
    // would read ZIP alone: whoever names a file to the command wants it opened.
    RunOptions resolve(bool windowSettings) const;
};
