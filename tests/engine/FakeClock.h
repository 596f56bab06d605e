// A clock that only moves when the code under test pauses, so a five-minute
// wait takes no real time.
#pragma once

#include "UnzipArchive.h"

#include <chrono>

struct FakeClock {
    std::chrono::steady_clock::time_point time{};
    int pauses = 0;
    int pumps = 0;

    // Hooks on this clock; `base` supplies the rest.
    UnzipHooks hooks(UnzipHooks base = {})
    {
        base.now = [this] { return time; };
        base.pause = [this](std::chrono::milliseconds span) {
            time += span;
            ++pauses;
        };
        base.pumpEvents = [this, pump = base.pumpEvents] {
            ++pumps;
            if (pump)
                pump();
        };
        return base;
    }
    std::chrono::seconds elapsed() const
    {
        return std::chrono::duration_cast<std::chrono::seconds>(time - std::chrono::steady_clock::time_point{});
    }
};
