// The two places where the batch run reaches into the engine's process-wide
// state; kept apart so the run itself stays a plain walk over the list.
#pragma once

#include <string>

// Sets the one password from which every password request of the engine is
// answered; empty means the requests are refused.
void SetEnginePassword(const std::string &password);
// Makes the program's folder the current directory, so that a relative
// destination means the same in every run.
void EnterProgramFolder();
