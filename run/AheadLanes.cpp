#include "AheadLanes.h"

AheadLanes::AheadLanes(int count)
{
    for (int i = 0; i < count; ++i)
        m_threads.emplace_back([this] { serve(); });
}

AheadLanes::~AheadLanes()
{
    {
        std::lock_guard lock(m_mutex);
        m_closing = true;
    }
    m_changed.notify_all();
    for (std::thread &thread : m_threads)
        thread.join();
}

void AheadLanes::submit(qsizetype row, std::function<void()> work)
{
    {
        std::lock_guard lock(m_mutex);
        m_queue.emplace(row, std::move(work));
    }
    m_changed.notify_one();
}

void AheadLanes::serve()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_closing || !m_queue.empty(); });
        if (m_queue.empty())
            return;
        std::function<void()> work = std::move(m_queue.begin()->second);
        m_queue.erase(m_queue.begin());
        lock.unlock();
        work();
        lock.lock();
    }
}
