// marrowlyn-batch: the window's "Start Unzipping" for scripts and terminals.
#include "BatchCommand.h"
#include "PathHelpers.h"
#include "PasswordInput.h"
#include "StopSignal.h"
#include "ProgramFolder.h"
#include "TimeZone.h"
#include "Translations.h"

#include <QCoreApplication>

#include <cstdlib>
#include <cstring>
#include <unistd.h>

int main(int argc, char *argv[])
{
    PinTimeZone();
    QCoreApplication app(argc, argv);
    InstallTranslations(QString::fromStdString(ProgramFolder()));
    InstallStopSignals();
    BatchIo io;
    io.term = std::getenv("TERM");
    io.stopRequested = StopSignalled;
    if (isatty(STDIN_FILENO) == 1)
        io.passwordTerminal = STDIN_FILENO;
    io.readStdinLine = [] { return ReadPasswordLine(STDIN_FILENO, stderr, kMaxPasswordBytes); };
    // Qt's own arguments() turns bytes that are not UTF-8 into U+FFFD, and
    // such a file name would then name nothing.
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << FileNameFromBytes(QByteArrayView(argv[i], qsizetype(std::strlen(argv[i]))));
    return RunBatchCommand(args, io);
}
