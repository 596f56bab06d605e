// Resident memory of this process, read from /proc. The peak can be reset
// (Linux 4.0 and later), so each phase of a measurement gets its own peak.
#pragma once

// False when the kernel refused: peaks then count from the process's start.
bool ResetPeakMemory();
// Kibibytes; 0 when /proc cannot be read.
long PeakMemoryKiB();
long CurrentMemoryKiB();
