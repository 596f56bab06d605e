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

// How a caller waits for something another thread will say is done: `arm`
// is handed `tell`, for that thread to call once when it is, and answers
// false when it is done already. The default of the run (BatchRun) is to
// do nothing here and block afterwards.
using TurnWait = std::function<void(const std::function<bool(std::function<void()> tell)> &arm)>;

// The window's TurnWait: serves its events until told, like RunOnWorkerThread
// but with no thread started for the wait. An archive of a few hundred KiB
// takes a couple of milliseconds, and the wake-ups of a thread between the
// one doing the work and the window's were a good part of that.
void ServeEventsUntilTold(const std::function<bool(std::function<void()> tell)> &arm);
