// Runs one long piece of work on a thread of its own while the calling
// (window) thread keeps serving its events in a local event loop, so the
// window repaints and stays usable while an archive is extracted.
#pragma once

#include <functional>

// Returns when `work` has finished. If the local loop is told to stop early
// (the application is quitting), the call still waits for `work` to end:
// the caller's data must outlive the worker. A failure of `work` is thrown
// again here, on the calling thread.
void RunOnWorkerThread(const std::function<void()> &work);
