#include "ThreadParking.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <pthread.h>
#include <thread>

namespace unzip32 {

namespace {

// An idle thread leaves after this long, so a program that extracted once
// does not keep threads for the rest of its life.
constexpr auto kIdleLife = std::chrono::seconds(10);

struct Parking {
    std::mutex mutex;
    std::condition_variable ready;
    std::deque<std::function<void()>> work;
    unsigned idle = 0;
};

Parking *instance = nullptr;

// A child made by fork() has none of the parked threads, and the lock may
// have been held by one of them: it starts with an empty parking of its own.
void forgetParkedThreads() { instance = new Parking; }

// Never destroyed: a parked thread may still wait on it while the process ends.
Parking &parking()
{
    static std::once_flag made;
    std::call_once(made, [] {
        instance = new Parking;
        pthread_atfork(nullptr, nullptr, forgetParkedThreads);
    });
    return *instance;
}

void park(std::function<void()> first)
{
    Parking &p = parking();
    std::function<void()> work = std::move(first);
    for (;;) {
        work();
        work = nullptr;
        std::unique_lock lock(p.mutex);
        ++p.idle;
        const bool woken = p.ready.wait_for(lock, kIdleLife, [&p] { return !p.work.empty(); });
        --p.idle;
        if (!woken)
            return;
        work = std::move(p.work.front());
        p.work.pop_front();
    }
}

} // namespace

void RunOnParkedThread(std::function<void()> work)
{
    Parking &p = parking();
    {
        std::lock_guard lock(p.mutex);
        if (p.idle > p.work.size()) {
            p.work.push_back(std::move(work));
            p.ready.notify_one();
            return;
        }
    }
    std::thread(park, std::move(work)).detach();
}

} // namespace unzip32
