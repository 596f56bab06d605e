// Threads kept from one call to the next. Starting a thread costs about as
// much as extracting a small file, and an archive of a few dozen small files
// would otherwise pay for its helpers at every call, on the calling thread,
// while nothing else runs.
#pragma once

#include <functional>

namespace unzip32 {

// Runs `work` on a parked thread, or on a new one when none is free; the
// thread parks again when `work` returns. Throws std::system_error when no
// thread can be had.
void RunOnParkedThread(std::function<void()> work);

} // namespace unzip32
