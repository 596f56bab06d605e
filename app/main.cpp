// Marrowlyn: the window program. Its arguments, archives and folders, are
// added to the list as a drop would add them; while a window is open, a
// later start gives them to that window instead of opening another.
#include "Form1.h"
#include "QtPrompts.h"
#include "SingleInstance.h"
#include "TimeZone.h"
#include "Translations.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>

namespace {

// The running window has another current folder: relative paths are made
// absolute here.
QStringList AbsolutePaths(const QStringList &arguments)
{
    QStringList paths;
    for (const QString &argument : arguments)
        paths << QFileInfo(argument).absoluteFilePath();
    return paths;
}

} // namespace

int main(int argc, char *argv[])
{
    PinTimeZone();
    QApplication app(argc, argv);
    InstallTranslations();
    const QStringList paths = AbsolutePaths(app.arguments().mid(1));
    const QString name = SingleInstanceName();
    StartupLock startup(name);
    if (HandOverToRunningInstance(name, paths))
        return 0;

    QtPrompts prompts;
    Form1 form(prompts);
    prompts.setOwner(&form);
    SingleInstanceServer server([&form](const QStringList &more) {
        form.raise();
        form.activateWindow();
        if (!more.isEmpty())
            form.ListView1_OLEDragDrop(more);
    });
    if (!server.listen(name))
        std::fprintf(stderr, "%s\n",
                     qPrintable(QCoreApplication::translate("main", "marrowlyn: later starts will open windows of their own")));
    startup.release();
    form.Form_Load();
    form.show();
    // Added from the event loop, so the window is on screen while a folder
    // is scanned.
    if (!paths.isEmpty())
        QTimer::singleShot(0, &form, [&form, paths] { form.ListView1_OLEDragDrop(paths); });
    // Closing the window ends the program: nothing is saved at shutdown.
    return app.exec();
}
