// Ctrl-C and SIGTERM during a run: the first asks the run to stop where it
// safely can, so the summary still says what was done; a second one of the
// same signal ends the program at once, as if nothing had been set up.
#pragma once

void InstallStopSignals();
// True once either signal has arrived.
bool StopSignalled();
