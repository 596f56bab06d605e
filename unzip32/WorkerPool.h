// A small pool of decoding threads for one call. Jobs go in, results come
// back in a queue the calling thread drains, so every callback stays on it.
//
// The calling thread is one of the decoders: when the queue is full it runs a
// queued job itself instead of waiting, so a call asked for n threads starts
// n - 1 of its own (none for one), and the caller sleeps only at the very end
// or when an entry must wait for the one before it. Results are handed over
// in batches: a helper wakes the caller only when it waits for exactly the
// results it is waiting for.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <system_error>
#include <vector>

#include "ThreadParking.h"

namespace unzip32 {

template <typename Job, typename Result> class WorkerPool {
public:
    // `work` runs on the pool's threads and on the caller's; `worker` numbers
    // the thread (0 to helpers - 1 for the helpers, `helpers` for the caller),
    // so that each can keep state of its own.
    using Work = std::function<Result(Job &job, unsigned worker)>;

    // Helpers are parked threads (ThreadParking.h); fewer start when the
    // system gives no more, and the caller does their share.
    WorkerPool(unsigned helpers, Work work) : m_work(std::move(work)), m_callerId(helpers)
    {
        m_helpers = helpers;
        for (unsigned i = 0; i < helpers; ++i) {
            try {
                RunOnParkedThread([this, i] { run(i); });
            } catch (const std::system_error &) {
                std::lock_guard lock(m_mutex);
                m_helpers -= helpers - i;
                break;
            }
        }
    }

    // Returns once every helper has left the pool.
    ~WorkerPool()
    {
        std::unique_lock lock(m_mutex);
        m_closing = true;
        m_jobReady.notify_all();
        m_helpersLeft.wait(lock, [this] { return m_helpers == 0; });
    }

    void submit(Job job)
    {
        bool wake;
        {
            std::lock_guard lock(m_mutex);
            m_jobs.push_back(std::move(job));
            wake = m_idle > 0;
        }
        ++m_pending;
        if (wake)
            m_jobReady.notify_one();
    }

    // Jobs submitted whose results have not been taken yet.
    size_t pending() const { return m_pending; }

    // Moves every finished result to `out` (appending); never waits.
    void takeFinished(std::vector<Result> &out)
    {
        std::lock_guard lock(m_mutex);
        takeLocked(out);
    }

    // Runs the oldest queued job on the calling thread; false when none is queued.
    bool runOne()
    {
        std::unique_lock lock(m_mutex);
        if (m_jobs.empty())
            return false;
        Job job = std::move(m_jobs.front());
        m_jobs.pop_front();
        lock.unlock();
        Result result = m_work(job, m_callerId);
        lock.lock();
        m_results.push_back(std::move(result));
        return true;
    }

    // Waits until every job submitted so far has finished (running queued
    // ones on the calling thread), and moves the results to `out`. While it
    // sleeps, each nudge() wakes it to run `nudged` (without the lock).
    void finishAll(std::vector<Result> &out, const std::function<void()> &nudged = {})
    {
        while (runOne()) {
        }
        std::unique_lock lock(m_mutex);
        size_t outstanding = m_pending - m_results.size();
        if (outstanding > 0) {
            // Only the helpers' jobs in progress are left.
            m_wanted = m_pending;
            for (;;) {
                m_resultReady.wait(lock, [this] { return m_results.size() >= m_wanted || m_nudged; });
                if (m_results.size() >= m_wanted)
                    break;
                m_nudged = false;
                if (nudged) {
                    lock.unlock();
                    nudged();
                    lock.lock();
                }
            }
            m_wanted = 0;
        }
        m_nudged = false;
        takeLocked(out);
    }

    // From a job on a helper: wakes the caller if it sleeps in finishAll.
    void nudge()
    {
        std::lock_guard lock(m_mutex);
        m_nudged = true;
        if (m_wanted > 0)
            m_resultReady.notify_one();
    }

private:
    void takeLocked(std::vector<Result> &out)
    {
        m_pending -= m_results.size();
        for (Result &result : m_results)
            out.push_back(std::move(result));
        m_results.clear();
    }

    void run(unsigned worker)
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            if (m_jobs.empty()) {
                if (m_closing) {
                    // The last thing done with the pool: it may be gone as soon as the lock is let go.
                    if (--m_helpers == 0)
                        m_helpersLeft.notify_all();
                    return;
                }
                ++m_idle;
                m_jobReady.wait(lock, [this] { return m_closing || !m_jobs.empty(); });
                --m_idle;
                continue;
            }
            Job job = std::move(m_jobs.front());
            m_jobs.pop_front();
            lock.unlock();
            Result result = m_work(job, worker);
            lock.lock();
            m_results.push_back(std::move(result));
            if (m_wanted > 0 && m_results.size() >= m_wanted)
                m_resultReady.notify_one();
        }
    }

    Work m_work;
    unsigned m_callerId;
    std::mutex m_mutex;
    std::condition_variable m_jobReady, m_resultReady, m_helpersLeft;
    std::deque<Job> m_jobs;
    std::vector<Result> m_results;
    unsigned m_idle = 0;  // helpers waiting for a job
    size_t m_wanted = 0;  // results the caller sleeps until; 0 when it does not sleep
    size_t m_pending = 0; // changed and read by the calling thread only
    bool m_closing = false;
    bool m_nudged = false;  // a helper has news for a caller sleeping in finishAll
    unsigned m_helpers = 0; // helpers that have not left run() yet
};

} // namespace unzip32
