#include "DecoderMemory.h"

#include "unzip32.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <pthread.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace unzip32 {

namespace {

// Enough for the largest PPMd model with room to spare.
constexpr uint64_t kFloor = 320u << 20;

uint64_t ParseSize(const char *text)
{
    char *end = nullptr;
    uint64_t value = std::strtoull(text, &end, 10);
    switch (end && *end ? *end | 0x20 : 0) {
    case 'k': return value << 10;
    case 'm': return value << 20;
    case 'g': return value << 30;
    default: return value;
    }
}

uint64_t MachineShare()
{
    std::ifstream meminfo("/proc/meminfo");
    std::string key;
    uint64_t kib = 0;
    while (meminfo >> key >> kib) {
        if (key == "MemAvailable:")
            return std::max(kib * 1024 / 4, kFloor);
        meminfo.ignore(64, '\n');
    }
    const long pages = sysconf(_SC_PHYS_PAGES), pageSize = sysconf(_SC_PAGESIZE);
    return std::max(pages > 0 && pageSize > 0 ? uint64_t(pages) * uint64_t(pageSize) / 4 : 0, kFloor);
}

struct Kept {
    void *block;
    uint64_t bytes;
};

// `used` is all the decoders' memory, kept blocks included; `running`
// counts the holders that are not waiting for more. A decoder goes ahead
// when it fits or when no holder runs: then nobody would ever give back.
struct Budget {
    std::mutex mutex;
    std::condition_variable given;
    uint64_t used = 0, peak = 0;
    unsigned running = 0, contexts = 0;
    std::vector<Kept> kept;

    void take(uint64_t bytes)
    {
        used += bytes;
        peak = std::max(peak, used);
    }
    void freeKept(size_t i)
    {
        std::free(kept[i].block);
        used -= kept[i].bytes;
        kept.erase(kept.begin() + ptrdiff_t(i));
    }
};

Budget *instance = nullptr;

// A child made by fork() has none of the threads that held memory, and the
// lock may have been held by one of them: it starts with a budget of its own.
void forgetHolders() { instance = new Budget; }

// Never destroyed: a decoder on a parked thread may still use it while the process ends.
Budget &budget()
{
    static std::once_flag made;
    std::call_once(made, [] {
        instance = new Budget;
        pthread_atfork(nullptr, nullptr, forgetHolders);
    });
    return *instance;
}

} // namespace

uint64_t DecoderMemoryBudget()
{
    // Read each time: tests set it between calls of one process.
    if (const char *set = std::getenv("MARROWLYN_DECODER_MEMORY"); set && *set)
        return ParseSize(set);
    static const uint64_t share = MachineShare();
    return share;
}

bool MemoryGrant::raise(uint64_t bytes, const KeepWaiting &keepWaiting)
{
    if (bytes <= m_held)
        return true;
    const uint64_t more = bytes - m_held, limit = DecoderMemoryBudget();
    Budget &b = budget();
    std::unique_lock lock(b.mutex);
    if (m_held > 0)
        --b.running;
    for (;;) {
        while (b.used + more > limit && !b.kept.empty())
            b.freeKept(0);
        if (b.used + more <= limit || b.running == 0)
            break;
        lock.unlock();
        const bool goOn = keepWaiting();
        lock.lock();
        if (!goOn) {
            if (m_held > 0)
                ++b.running;
            return false;
        }
        b.given.wait_for(lock, std::chrono::milliseconds(100));
    }
    b.take(more);
    ++b.running;
    m_held = bytes;
    return true;
}

void MemoryGrant::release()
{
    if (m_held == 0)
        return;
    Budget &b = budget();
    {
        std::lock_guard lock(b.mutex);
        b.used -= m_held;
        --b.running;
    }
    m_held = 0;
    b.given.notify_all();
}

void MemoryGrant::keep(void *block)
{
    Budget &b = budget();
    {
        std::lock_guard lock(b.mutex);
        b.kept.push_back({block, m_held});
        --b.running;
    }
    m_held = 0;
    b.given.notify_all();
}

void *MemoryGrant::takeKept(uint64_t bytes)
{
    if (m_held != 0)
        return nullptr;
    Budget &b = budget();
    std::lock_guard lock(b.mutex);
    for (size_t i = 0; i < b.kept.size(); ++i) {
        if (b.kept[i].bytes != bytes)
            continue;
        void *block = b.kept[i].block;
        b.kept.erase(b.kept.begin() + ptrdiff_t(i));
        ++b.running;
        m_held = bytes;
        return block;
    }
    return nullptr;
}

void DecoderContextOpened()
{
    Budget &b = budget();
    std::lock_guard lock(b.mutex);
    ++b.contexts;
}

void DecoderContextClosed()
{
    Budget &b = budget();
    std::lock_guard lock(b.mutex);
    if (--b.contexts == 0) {
        while (!b.kept.empty())
            b.freeKept(b.kept.size() - 1);
    }
}

} // namespace unzip32

// For tests: the most the decoders held at once since the last reset.
extern "C" UNZIP32_API uint64_t Unzip32DecoderMemoryPeak(int reset)
{
    unzip32::Budget &b = unzip32::budget();
    std::lock_guard lock(b.mutex);
    const uint64_t peak = b.peak;
    if (reset)
        b.peak = b.used;
    return peak;
}
