// The threads the rows of a window's run that go ahead are extracted on.
// They live as long as the run: an archive of a few hundred KiB takes a
// couple of milliseconds, and starting a thread, waking a parked one or
// letting a processor fall idle between two archives costs a good part of
// that. Work is taken earliest row first, so the row whose turn comes next
// is never left waiting behind a later one, and a thread goes from one
// archive straight on to the next.
#pragma once

#include <QtGlobal>

#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

class AheadLanes {
public:
    explicit AheadLanes(int count);
    // Waits for the work in hand; everything submitted is run first.
    ~AheadLanes();
    AheadLanes(const AheadLanes &) = delete;
    AheadLanes &operator=(const AheadLanes &) = delete;

    void submit(qsizetype row, std::function<void()> work);

private:
    void serve();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::multimap<qsizetype, std::function<void()>> m_queue;
    bool m_closing = false;
    std::vector<std::thread> m_threads;
};
