// The entries handed to the workers, and their results told to the caller in
// the order they finish.
#include "Call.h"

#include "WorkerPool.h"

namespace unzip32 {

void Call::submit(EntryJob job)
{
    if (!m_pool) {
        // The calling thread decodes too (with m_local), so it needs one thread fewer.
        for (unsigned i = 0; i + 1 < m_threads; ++i)
            m_workers.push_back(std::make_unique<EntryWorker>(m_shared, i));
        m_pool = std::make_unique<WorkerPool<EntryJob, EntryResult>>(
            m_threads - 1, [this](EntryJob &work, unsigned worker) {
                return worker < m_workers.size() ? m_workers[worker]->process(work) : m_local->process(work);
            });
    }
    if (!job.target.empty())
        m_targets.insert(job.target);
    m_pool->submit(std::move(job));
    // A bounded queue keeps the service callback's view of progress honest
    // and the memory of waiting jobs small; instead of waiting for room, the
    // calling thread decodes a queued entry itself.
    while (m_pool->pending() >= kQueuedPerThread * size_t(m_threads)) {
        drain(false);
        if (m_pool->pending() >= kQueuedPerThread * size_t(m_threads))
            m_pool->runOne();
    }
}

void Call::drain(bool all)
{
    if (!m_pool)
        return;
    m_finished.clear();
    if (all)
        m_pool->finishAll(m_finished, [this] { reportMovement(); });
    else
        m_pool->takeFinished(m_finished);
    for (const EntryResult &result : m_finished)
        report(result);
}

void Call::report(const EntryResult &result)
{
    if (large(result.entry->central)) {
        m_shared.progress.size -= result.progressSize;
        m_shared.progress.packed -= result.progressPacked;
        count(result.entry->central);
    }
    if (!result.target.empty())
        m_targets.erase(result.target);
    if (result.cancelled)
        return; // the entry in progress at a cancel: removed, and the call says why
    if (!result.ok) {
        fail(*result.entry, result.reason);
        return;
    }
    if (m_testOnly)
        print("tested: " + result.entry->name);
    else
        written(*result.entry, result.renamed, result.target);
}

} // namespace unzip32
