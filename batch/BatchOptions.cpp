#include "BatchOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

QString usageHint()
{
    return QCoreApplication::translate("BatchOptions", "Try 'marrowlyn-batch --help' for more information.");
}

} // namespace

ParsedCommandLine ParseBatchCommandLine(const QStringList &arguments)
{
    ParsedCommandLine result;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("BatchOptions",
                                    "Extracts archives the way Marrowlyn's \"Start Unzipping\" does.\n"
                                    "Each PATH is an archive, or a folder whose whole tree is scanned for archives."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    const QCommandLineOption output(
        {"o", "output"},
        QCoreApplication::translate(
            "BatchOptions", "Extract into DIR, made with its parents when missing (default: the current folder)."),
        "DIR");
    const QCommandLineOption mode(
        "mode",
        QCoreApplication::translate("BatchOptions",
                                    "subfolders: one subfolder per archive (the default); one-folder: "
                                    "everything into DIR."),
        "MODE");
    const QCommandLineOption windowSettings(
        "window-settings",
        QCoreApplication::translate("BatchOptions",
                                    "Where -o, --mode or a choice of the window's "
                                    "\"More Options...\" is not given, take the one the "
                                    "window last used."));
    const QCommandLineOption extension(
        "extension",
        QCoreApplication::translate("BatchOptions",
                                    "Extension of the archives a folder scan collects "
                                    "(default: those of the kinds --kinds opens; * for every file)."),
        "EXT");
    const QCommandLineOption passwordFile(
        "password-file",
        QCoreApplication::translate("BatchOptions", "Read the one password for all archives from FILE."), "FILE");
    const QCommandLineOption passwordStdin(
        "password-stdin",
        QCoreApplication::translate("BatchOptions",
                                    "Read the one password for all archives from standard input (a terminal is asked "
                                    "for it with the echo off)."));
    const QCommandLineOption nameEncoding(
        "name-encoding",
        QCoreApplication::translate("BatchOptions",
                                    "How names stored without the UTF-8 flag are read: auto "
                                    "(the default: found per archive from all its names), or "
                                    "one of cp437, cp850, cp852, cp866, cp1250, cp1251, cp1252, "
                                    "cp1253, shift_jis (cp932), gbk (cp936), cp949, big5 "
                                    "(cp950), utf-8."),
        "NAME");
    const QCommandLineOption jobs(
        {"j", "jobs"},
        QCoreApplication::translate("BatchOptions", "Extract up to N archives at once (default: one per processor)."),
        "N");
    const QCommandLineOption quiet({"q", "quiet"},
                                   QCoreApplication::translate("BatchOptions", "Print nothing but errors."));
    const QCommandLineOption test(
        {"t", "test"},
        QCoreApplication::translate("BatchOptions", "Test each archive: decode and check every entry, write nothing."));
    const QCommandLineOption list(
        {"l", "list"},
        QCoreApplication::translate("BatchOptions",
                                    "List each archive's entries, one a line: archive, name, size, packed size, "
                                    "method, time, encrypted, separated by tabs."));
    const QCommandLineOption noPrompt(
        "no-prompt",
        QCoreApplication::translate("BatchOptions",
                                    "Never ask at the terminal for the password of an archive that none given opens."));
    const QCommandLineOption help({"h", "help"}, QCoreApplication::translate("BatchOptions", "Show this help."));
    const QCommandLineOption version(
        "version", QCoreApplication::translate("BatchOptions", "Show the program's and the engine's versions."));
    parser.addOptions(
        {output, mode, windowSettings, extension, passwordFile, passwordStdin, nameEncoding, jobs, quiet, test, list});
    parser.addOption(noPrompt);
    parser.addOptions(RunOptionFlags::Options());
    parser.addOptions({help, version});
    parser.addPositionalArgument("PATH", QCoreApplication::translate("BatchOptions", "Archives or folders to extract."),
                                 "PATH...");
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
        return usage(QCoreApplication::translate("BatchOptions", "No archive or folder given."));
    o.output = parser.value(output);
    if (parser.isSet(output) && o.output.isEmpty())
        return usage(QCoreApplication::translate("BatchOptions", "The output folder must not be empty."));
    if (parser.isSet(mode)) {
        const QString m = parser.value(mode);
        if (m == QLatin1String("subfolders"))
            o.mode = BatchOptions::Mode::Subfolders;
        else if (m == QLatin1String("one-folder"))
            o.mode = BatchOptions::Mode::OneFolder;
        else
            return usage(
                QCoreApplication::translate("BatchOptions", "Unknown mode '%1': use subfolders or one-folder.").arg(m));
    }
    if (parser.isSet(extension)) {
        o.extension = parser.value(extension);
        if (o.extension.isEmpty())
            return usage(QCoreApplication::translate("BatchOptions", "The extension must not be empty."));
    }
    o.passwordFile = parser.value(passwordFile);
    o.passwordStdin = parser.isSet(passwordStdin);
    if (parser.isSet(passwordFile) && o.passwordStdin)
        return usage(QCoreApplication::translate(
            "BatchOptions", "Give the password either from a file or from standard input, not both."));
    if (parser.isSet(passwordFile) && o.passwordFile.isEmpty())
        return usage(QCoreApplication::translate("BatchOptions", "The password file name must not be empty."));
    if (parser.isSet(jobs)) {
        bool ok = false;
        o.jobs = parser.value(jobs).toInt(&ok);
        if (!ok || o.jobs < 1 || o.jobs > 1024)
            return usage(QCoreApplication::translate(
                             "BatchOptions", "The number of jobs must be a whole number from 1 to 1024, not '%1'.")
                             .arg(parser.value(jobs)));
    }
    if (parser.isSet(nameEncoding)) {
        const std::optional<int> codePage = NameEncodingCodePage(parser.value(nameEncoding));
        if (!codePage)
            return usage(QCoreApplication::translate(
                             "BatchOptions", "Unknown name encoding '%1': use auto, or one listed under --help.")
                             .arg(parser.value(nameEncoding)));
        o.nameCodePage = *codePage;
    }
    o.quiet = parser.isSet(quiet);
    if (parser.isSet(test) && parser.isSet(list))
        return usage(QCoreApplication::translate("BatchOptions", "Give either --test or --list, not both."));
    o.work = parser.isSet(test) ? BatchOptions::Work::Test : parser.isSet(list) ? BatchOptions::Work::List : o.work;
    o.noPrompt = parser.isSet(noPrompt);
    o.windowSettings = parser.isSet(windowSettings);
    if (QString error; !o.run.read(parser, error))
        return usage(error);
    return result;
}

std::optional<int> NameEncodingCodePage(const QString &name)
{
    static const struct {
        const char *name;
        int codePage;
    } names[] = {
        {"auto", 0},  {"utf-8", 65001}, {"utf8", 65001}, {"shift_jis", 932}, {"sjis", 932},
        {"gbk", 936}, {"big5", 950},    {"euc-kr", 949}, {"uhc", 949},
    };
    const QString wanted = name.trimmed().toLower();
    for (const auto &entry : names) {
        if (wanted == QLatin1String(entry.name))
            return entry.codePage;
    }
    // "cp1251", "windows-1251", "ibm866" or the bare number.
    static const QStringList prefixes
        = {QStringLiteral("cp"), QStringLiteral("windows-"), QStringLiteral("ibm"), QString()};
    for (const QString &prefix : prefixes) {
        if (!wanted.startsWith(prefix))
            continue;
        bool ok = false;
        const int number = wanted.mid(prefix.size()).toInt(&ok);
        static const QList<int> known = {437, 850, 852, 866, 1250, 1251, 1252, 1253, 932, 936, 949, 950, 65001};
        if (ok && known.contains(number))
            return number;
    }
    return std::nullopt;
}
