#include "WindowCommandLine.h"

#include "ProgramFolder.h"
#include "Translations.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

// The options QGuiApplication and QApplication document, which a desktop or
// a user may pass to any Qt program: they stay accepted and go to Qt.
constexpr std::string_view kQtOptionsWithValue[]
    = {"platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
       "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
       "style",       "stylesheet",         "name",          "title"};
constexpr std::string_view kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

enum class Kind { Path, QtFlag, QtWithValue, Help, Version, Unknown };

Kind KindOf(std::string_view argument)
{
    if (argument == "--help" || argument == "-h")
        return Kind::Help;
    if (argument == "--version")
        return Kind::Version;
    if (argument.size() < 2 || argument[0] != '-')
        return Kind::Path;
    // Qt reads "--style" as "-style".
    std::string_view name = argument.substr(argument.starts_with("--") ? 2 : 1);
    const std::string_view key = name.substr(0, name.find('='));
    for (std::string_view flag : kQtFlags) {
        if (name == flag)
            return Kind::QtFlag;
    }
    for (std::string_view option : kQtOptionsWithValue) {
        if (name == option)
            return Kind::QtWithValue;
        if (key == option && key.size() < name.size())
            return Kind::QtFlag;
    }
    if (key == "qmljsdebugger" && key.size() < name.size())
        return Kind::QtFlag;
    return Kind::Unknown;
}

QString HelpText()
{
    return QCoreApplication::translate(
        "main",
        "Usage: marrowlyn [QT-OPTION...] [PATH...] [-- PATH...]\n"
        "Opens the Marrowlyn window with each PATH in the list: an archive, or a folder whose\n"
        "archives are added. While a window is open, the paths are given to it instead.\n"
        "Everything after \"--\" is a path, even when it begins with \"-\".\n"
        "\n"
        "  -h, --help     Show this help.\n"
        "  --version      Show the version.\n"
        "\n"
        "Qt's own options are accepted, among them -platform NAME, -style NAME, -reverse,\n"
        "-qwindowgeometry GEOMETRY and -display DISPLAY.\n"
        "To extract without a window, use marrowlyn-batch (see marrowlyn-batch --help).\n");
}

int Answer(int argc, char *argv[], Kind kind, const char *argument)
{
    QCoreApplication app(argc, argv);
    InstallTranslations(QString::fromStdString(ProgramFolder()));
    switch (kind) {
    case Kind::Help: std::fputs(qPrintable(HelpText()), stdout); return 0;
    case Kind::Version: std::printf("marrowlyn %s\n", MARROWLYN_VERSION); return 0;
    default:
        std::fprintf(stderr, "%s\n",
                     qPrintable(QCoreApplication::translate("main",
                                                            "marrowlyn: unknown option '%1'\n"
                                                            "Try 'marrowlyn --help' for more information.")
                                    .arg(QFile::decodeName(argument))));
        return 2;
    }
}

} // namespace

std::optional<int> AnswerWithoutWindow(int argc, char *argv[])
{
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        const Kind kind = KindOf(argv[i]);
        if (kind == Kind::QtWithValue)
            ++i;
        else if (kind == Kind::Help || kind == Kind::Version || kind == Kind::Unknown)
            return Answer(argc, argv, kind, argv[i]);
    }
    return std::nullopt;
}
