// The folder the running program lives in: the engine library, the samples,
// the skin and the cursors are all looked up there.
#pragma once

#include <string>

// The folder of the running executable, without a trailing separator; the
// override when one is set. "" when neither can be found.
std::string ProgramFolder();

// Tests point the program at a folder of their own; "" restores the real one.
void SetProgramFolder(const std::string &folder);
