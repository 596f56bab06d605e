// marrowlyn-batch from end to end: the command line in, archives extracted,
// progress and the closing summary out, and the exit status.
#pragma once

#include <QStringList>

#include <chrono>
#include <cstddef>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>

struct BatchIo {
    std::FILE *out = stdout;
    std::FILE *err = stderr;
    const char *term = nullptr; // TERM: a bar needs a terminal that can redraw a line
    // The progress display's clock; tests step it instead of waiting.
    std::function<std::chrono::steady_clock::time_point()> now;
    // Reads the password line from standard input; empty optional at its end.
    // It need not read more than kMaxPasswordBytes + 1 bytes of a longer line.
    std::function<std::optional<std::string>()> readStdinLine;
    int processors = 0; // 0: ask the system
    // Asked before each archive and while one is extracted: true stops the
    // run (Ctrl-C). Default: never.
    std::function<bool()> stopRequested;
    // The terminal an archive's password is asked for on (standard input
    // when it is one); -1: never asked.
    int passwordTerminal = -1;
};

// A password line longer than this is refused: what names a device such as
// /dev/zero, or a file that is no password file, would otherwise be read for ever.
constexpr std::size_t kMaxPasswordBytes = 64 * 1024;

// Stopped follows the shells' number for a command ended by Ctrl-C.
enum BatchExit { AllExtracted = 0, SomeNotExtracted = 1, UsageError = 2, Stopped = 130 };

int RunBatchCommand(const QStringList &arguments, const BatchIo &io);
