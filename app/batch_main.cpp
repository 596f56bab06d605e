// marrowlyn-batch: the window's "Start Unzipping" for scripts and terminals.
#include "BatchCommand.h"
#include "PasswordInput.h"
#include "StopSignal.h"
#include "TimeZone.h"
#include "Translations.h"

#include <QCoreApplication>

#include <cstdlib>
#include <unistd.h>

int main(int argc, char *argv[])
{
    PinTimeZone();
    QCoreApplication app(argc, argv);
    InstallTranslations();
    InstallStopSignals();
    BatchIo io;
    io.term = std::getenv("TERM");
    io.stopRequested = StopSignalled;
    io.readStdinLine = [] { return ReadPasswordLine(STDIN_FILENO, stderr, kMaxPasswordBytes); };
    return RunBatchCommand(app.arguments(), io);
}
