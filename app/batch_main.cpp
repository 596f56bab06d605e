// marrowlyn-batch: the window's "Start Unzipping" for scripts and terminals.
#include "BatchCommand.h"

#include <QCoreApplication>

#include <iostream>
#include <string>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    BatchIo io;
    io.errIsTerminal = isatty(STDERR_FILENO) == 1;
    io.readStdinLine = []() -> std::optional<std::string> {
        std::string line;
        if (!std::getline(std::cin, line))
            return std::nullopt;
        return line;
    };
    return RunBatchCommand(app.arguments(), io);
}
