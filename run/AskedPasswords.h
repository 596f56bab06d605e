// The window's side of asking for an archive's password: the archive runs
// on a worker thread, the question is asked on the window's, and the run
// waits for the answer.
#pragma once

#include "engine/UnzipArchive.h"

#include <functional>

class Prompts;
class QObject;

// Makes `hooks` ask through `prompts` (on the thread `windowSide` lives on)
// when an archive needs a password none of the run's opens. An answer the
// user chose to use for the rest of the run, once it opens an archive, is
// kept in `hooks` for the later archives. `stopped`: the run is ending, and
// a question not yet answered is given up as a skip.
void AskThroughPrompts(UnzipHooks &hooks, Prompts &prompts, QObject &windowSide, std::function<bool()> stopped);
