// marrowlyn-batch: the window's "Start Unzipping" for scripts and terminals.
#include "BatchCommand.h"

#include <QCoreApplication>

#include <cstdlib>
#include <iostream>
#include <string>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    BatchIo io;
    io.term = std::getenv("TERM");
    io.readStdinLine = []() -> std::optional<std::string> {
        std::string line;
        bool any = false;
        for (int c; line.size() <= kMaxPasswordBytes && (c = std::cin.get()) != EOF;) {
            any = true;
            if (c == '\n')
                break;
            line += char(c);
        }
        return any ? std::optional(line) : std::nullopt;
    };
    return RunBatchCommand(app.arguments(), io);
}
