// Runs marrowlyn-batch in-process with its standard output and error caught.
#pragma once

#include "BatchCommand.h"

#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <string>

struct CapturedRun {
    int status;
    std::string out, err;
};

// `io` brings what the test sets (processors, a scripted standard input); its
// streams are replaced by the catching ones.
inline CapturedRun RunCapturingOutput(QStringList args, BatchIo io)
{
    char *o = nullptr, *e = nullptr;
    std::size_t on = 0, en = 0;
    io.out = open_memstream(&o, &on);
    io.err = open_memstream(&e, &en);
    args.prepend("marrowlyn-batch");
    const int status = RunBatchCommand(args, io);
    std::fclose(io.out);
    std::fclose(io.err);
    CapturedRun ran{status, std::string(o, on), std::string(e, en)};
    std::free(o);
    std::free(e);
    return ran;
}
