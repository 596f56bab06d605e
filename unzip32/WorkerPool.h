// A small pool of decoding threads for one call. Jobs go in, results come
// back in a queue the calling thread drains, so every callback stays on it.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace unzip32 {

template <typename Job, typename Result>
class WorkerPool {
public:
    // `work` runs on the pool's threads; `worker` numbers the thread (0 to n-1),
    // so that each can keep state of its own.
    using Work = std::function<Result(Job &job, unsigned worker)>;

    WorkerPool(unsigned threads, Work work) : m_work(std::move(work))
    {
        for (unsigned i = 0; i < threads; ++i)
            m_threads.emplace_back([this, i] { run(i); });
    }

    ~WorkerPool()
    {
        {
            std::lock_guard lock(m_mutex);
            m_closing = true;
        }
        m_jobReady.notify_all();
        for (std::thread &thread : m_threads)
            thread.join();
    }

    void submit(Job job)
    {
        {
            std::lock_guard lock(m_mutex);
            m_jobs.push_back(std::move(job));
            ++m_pending;
        }
        m_jobReady.notify_one();
    }

    // Jobs submitted whose results have not been taken yet.
    size_t pending() const { return m_pending; }

    // The next finished result; waits for one when `wait` (and any is pending).
    std::optional<Result> take(bool wait)
    {
        std::unique_lock lock(m_mutex);
        if (wait)
            m_resultReady.wait(lock, [this] { return !m_results.empty() || m_pending == 0; });
        if (m_results.empty())
            return std::nullopt;
        Result result = std::move(m_results.front());
        m_results.pop_front();
        --m_pending;
        return result;
    }

private:
    void run(unsigned worker)
    {
        for (;;) {
            std::unique_lock lock(m_mutex);
            m_jobReady.wait(lock, [this] { return m_closing || !m_jobs.empty(); });
            if (m_jobs.empty())
                return;
            Job job = std::move(m_jobs.front());
            m_jobs.pop_front();
            lock.unlock();
            Result result = m_work(job, worker);
            lock.lock();
            m_results.push_back(std::move(result));
            lock.unlock();
            m_resultReady.notify_one();
        }
    }

    Work m_work;
    std::mutex m_mutex;
    std::condition_variable m_jobReady, m_resultReady;
    std::deque<Job> m_jobs;
    std::deque<Result> m_results;
    size_t m_pending = 0; // changed and read by the calling thread only
    bool m_closing = false;
    std::vector<std::thread> m_threads;
};

} // namespace unzip32
