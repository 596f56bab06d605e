#include "BatchOptions.h"

#include <QCommandLineParser>

namespace {

QString usageHint()
{
    return QStringLiteral("Try 'marrowlyn-batch --help' for more information.");
}

}

ParsedCommandLine ParseBatchCommandLine(const QStringList &arguments)
{
    ParsedCommandLine result;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Extracts ZIP archives the way Marrowlyn's \"Start Unzipping\" does.\n"
        "Each PATH is an archive, or a folder whose whole tree is scanned for archives."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    const QCommandLineOption output({"o", "output"}, "Extract into DIR (default: the current folder).", "DIR");
    const QCommandLineOption mode("mode", "subfolders: one subfolder per archive (the default); one-folder: "
                                          "everything into DIR.", "MODE");
    const QCommandLineOption windowSettings("window-settings", "Where -o or --mode is not given, take the output "
                                                               "folder and mode the window last used.");
    const QCommandLineOption extension("extension", "Extension of the archives a folder scan collects "
                                                    "(default zip; * for every file).", "EXT");
    const QCommandLineOption passwordFile("password-file", "Read the one password for all archives from FILE.", "FILE");
    const QCommandLineOption passwordStdin("password-stdin", "Read the one password for all archives from standard input (a terminal is asked for it with the echo off).");
    const QCommandLineOption jobs({"j", "jobs"}, "Extract up to N archives at once (default: one per processor).", "N");
    const QCommandLineOption quiet({"q", "quiet"}, "Print nothing but errors.");
    const QCommandLineOption help({"h", "help"}, "Show this help.");
    const QCommandLineOption version("version", "Show the program's and the engine's versions.");
    parser.addOptions({output, mode, windowSettings, extension, passwordFile, passwordStdin, jobs, quiet, help, version});
    parser.addPositionalArgument("PATH", "Archives or folders to extract.", "PATH...");
    result.helpText = parser.helpText();

    auto usage = [&](const QString &message) {
        result.action = ParsedCommandLine::Action::UsageError;
        result.error = message + QLatin1Char('\n') + usageHint();
        return result;
    };

    if (!parser.parse(arguments))
        return usage(parser.errorText());
    if (parser.isSet(help)) {
        result.action = ParsedCommandLine::Action::Help;
        return result;
    }
    if (parser.isSet(version)) {
        result.action = ParsedCommandLine::Action::Version;
        return result;
    }

    BatchOptions &o = result.options;
    o.paths = parser.positionalArguments();
    if (o.paths.isEmpty())
        return usage(QStringLiteral("No archive or folder given."));
    o.output = parser.value(output);
    if (parser.isSet(output) && o.output.isEmpty())
        return usage(QStringLiteral("The output folder must not be empty."));
    if (parser.isSet(mode)) {
        const QString m = parser.value(mode);
        if (m == QLatin1String("subfolders"))
            o.mode = BatchOptions::Mode::Subfolders;
        else if (m == QLatin1String("one-folder"))
            o.mode = BatchOptions::Mode::OneFolder;
        else
            return usage(QStringLiteral("Unknown mode '%1': use subfolders or one-folder.").arg(m));
    }
    if (parser.isSet(extension)) {
        o.extension = parser.value(extension);
        if (o.extension.isEmpty())
            return usage(QStringLiteral("The extension must not be empty."));
    }
    o.passwordFile = parser.value(passwordFile);
    o.passwordStdin = parser.isSet(passwordStdin);
    if (parser.isSet(passwordFile) && o.passwordStdin)
        return usage(QStringLiteral("Give the password either from a file or from standard input, not both."));
    if (parser.isSet(passwordFile) && o.passwordFile.isEmpty())
        return usage(QStringLiteral("The password file name must not be empty."));
    if (parser.isSet(jobs)) {
        bool ok = false;
        o.jobs = parser.value(jobs).toInt(&ok);
        if (!ok || o.jobs < 1 || o.jobs > 1024)
            return usage(QStringLiteral("The number of jobs must be a whole number from 1 to 1024, not '%1'.")
                             .arg(parser.value(jobs)));
    }
    o.quiet = parser.isSet(quiet);
    o.windowSettings = parser.isSet(windowSettings);
    return result;
}
