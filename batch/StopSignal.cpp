#include "StopSignal.h"

#include <atomic>
#include <csignal>

namespace {

std::atomic<bool> stopped{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

extern "C" void NoteStop(int) { stopped.store(true); }

} // namespace

void InstallStopSignals()
{
    struct sigaction action {};
    action.sa_handler = NoteStop;
    sigemptyset(&action.sa_mask);
    // Restarted calls: the engine's reads and writes never see EINTR. Reset
    // after one: the second Ctrl-C of someone who will not wait kills.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool StopSignalled() { return stopped.load(); }
