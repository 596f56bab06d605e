// The window program's own options, answered before any window exists: a
// start without a display can still be asked for its help or version, and a
// mistyped option is never taken for a path or handed to a running window.
#pragma once

#include <optional>

// The exit status when the command line is answered here (--help, --version:
// 0; an option neither ours nor Qt's: 2, with a line on standard error);
// nothing when the window is to open. Only arguments before "--" are looked at.
std::optional<int> AnswerWithoutWindow(int argc, char *argv[]);
