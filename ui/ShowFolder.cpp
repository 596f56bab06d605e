#include "ShowFolder.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <QUrl>

namespace {

// A file manager that does not detach keeps its launcher running; past this,
// the folder is taken to be on screen.
constexpr int kLauncherPatienceMs = 5000;

enum class Launch { Shown, Failed, NotFound };

Launch RunLauncher(const QString &program, const QStringList &arguments)
{
    // Owned by the application, not this call: a launcher still running when
    // the wait ends is left to finish (destroying its QProcess would kill it).
    auto *process = new QProcess(QCoreApplication::instance());
    process->setProgram(program);
    process->setArguments(arguments);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    QEventLoop wait;
    QObject::connect(process, &QProcess::finished, &wait, &QEventLoop::quit);
    QObject::connect(process, &QProcess::errorOccurred, &wait, &QEventLoop::quit);
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    QTimer::singleShot(kLauncherPatienceMs, &wait, &QEventLoop::quit);
    process->start();
    if (process->state() != QProcess::NotRunning)
        wait.exec(QEventLoop::ExcludeUserInputEvents);
    if (process->error() == QProcess::FailedToStart) {
        process->deleteLater();
        return Launch::NotFound;
    }
    if (process->state() != QProcess::NotRunning)
        return Launch::Shown;
    return process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0 ? Launch::Shown : Launch::Failed;
}

} // namespace

bool ShowFolderOnDesktop(const QString &folder)
{
    // As a file: address the folder can never be taken for an option (xdg-open
    // refuses "--"; gio takes it).
    const QUrl url = QUrl::fromLocalFile(folder);
    const QString address = url.toString(QUrl::FullyEncoded);
    Launch launch = RunLauncher(QStringLiteral("xdg-open"), {address});
    if (launch == Launch::NotFound)
        launch = RunLauncher(QStringLiteral("gio"), {QStringLiteral("open"), QStringLiteral("--"), address});
    if (launch == Launch::NotFound)
        return QDesktopServices::openUrl(url); // a desktop portal, or nothing at all
    return launch == Launch::Shown;
}
