// Marrowlyn: the window program. Its arguments, archives and folders, are
// added to the list as a drop would add them; while a window is open, a
// later start gives them to that window instead of opening another.
#include "Form1.h"
#include "QtPrompts.h"
#include "SingleInstance.h"
#include "ProgramFolder.h"
#include "TimeZone.h"
#include "Translations.h"
#include "WindowCommandLine.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <optional>

namespace {

// The running window has another current folder: relative paths are made
// absolute here (joined as they are: QFileInfo would take ":x" for one of
// its own resources).
QStringList AbsolutePaths(const QStringList &arguments)
{
    QStringList paths;
    for (const QString &argument : arguments)
        paths << QDir::cleanPath(
            argument.startsWith(QLatin1Char('/')) ? argument : QDir::currentPath() + QLatin1Char('/') + argument);
    return paths;
}

// What follows "--" is paths only: Qt never sees them, so a file called
// "-style" or "-reverse" is not taken for one of its options.
int ArgumentsBeforeDoubleDash(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            return i;
    }
    return argc;
}

} // namespace

int main(int argc, char *argv[])
{
    PinTimeZone();
    if (const std::optional<int> status = AnswerWithoutWindow(argc, argv))
        return *status;
    const int firstPath = ArgumentsBeforeDoubleDash(argc, argv);
    int qtArgc = firstPath;
    QApplication app(qtArgc, argv);
    InstallTranslations(QString::fromStdString(ProgramFolder()));
    QStringList arguments = app.arguments().mid(1);
    for (int i = firstPath + 1; i < argc; ++i)
        arguments << QFile::decodeName(argv[i]);
    const QStringList paths = AbsolutePaths(arguments);
    const QString name = SingleInstanceName();
    if (name.isEmpty())
        std::fprintf(
            stderr, "%s\n",
            qPrintable(QCoreApplication::translate(
                "main",
                "marrowlyn: no folder of this user's own for the socket; this start opens a window of its own")));
    std::optional<StartupLock> startup;
    if (!name.isEmpty()) {
        startup.emplace(name);
        if (HandOverToRunningInstance(name, paths))
            return 0;
    }

    QtPrompts prompts;
    Form1 form(prompts);
    prompts.setOwner(&form);
    SingleInstanceServer server([&form](const QStringList &more) {
        form.raise();
        form.activateWindow();
        if (!more.isEmpty())
            form.AddNamedPaths(more);
    });
    if (!name.isEmpty() && !server.listen(name))
        std::fprintf(
            stderr, "%s\n",
            qPrintable(QCoreApplication::translate("main", "marrowlyn: later starts will open windows of their own")));
    if (startup)
        startup->release();
    form.Form_Load();
    form.show();
    // Added from the event loop, so the window is on screen while a folder
    // is scanned.
    if (!paths.isEmpty())
        QTimer::singleShot(0, &form, [&form, paths] { form.AddNamedPaths(paths); });
    // Closing the window ends the program: nothing is saved at shutdown.
    return app.exec();
}
