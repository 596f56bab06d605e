#include "AheadJob.h"

#include "common/PathHelpers.h"

#include <sys/stat.h>

void AheadJob::Gate::set(bool Gate::*which)
{
    {
        std::lock_guard lock(mutex);
        this->*which = true;
    }
    changed.notify_all();
}

AheadJob::AheadJob(qsizetype row, QString archive, QString destination, const Job &job, UnzipHooks hooks,
                   std::function<bool()> stopping, AheadLanes &lanes)
    : m_row(row), m_archive(std::move(archive)), m_destination(std::move(destination)), m_stopping(std::move(stopping))
{
    hooks.workDone = [this](std::uint64_t bytes) {
        std::function<void(std::uint64_t)> told;
        {
            std::lock_guard lock(m_mutex);
            m_bytes = bytes;
            told = m_workDone;
        }
        if (told)
            told(bytes);
    };
    hooks.cancelRequested
        = [this, asked = std::move(hooks.cancelRequested)] { return m_withdrawn.load() || (asked && asked()); };
    hooks.withdrawOnCancel = [this] { return !m_taken.load(); };
    hooks.beforePublish = [this] { return withdrawnBeforeItsTurn(); };
    lanes.submit(m_row, [this, job, hooks = std::move(hooks)] {
        if (!m_withdrawn) {
            m_ran = true;
            try {
                m_result = job(hooks);
            } catch (...) {
                m_failure = std::current_exception();
            }
        }
        finished();
    });
}

AheadJob::~AheadJob()
{
    if (!m_collected)
        withdraw();
}

void AheadJob::waitForEnd()
{
    std::unique_lock lock(m_mutex);
    m_ended.wait(lock, [this] { return m_over; });
    m_collected = true;
}

void AheadJob::finished()
{
    std::shared_ptr<Gate> next;
    bool handOn = false;
    {
        std::lock_guard lock(m_mutex);
        m_done = true;
        next = m_next;
        handOn = next && !m_withdrawn && !m_stopping();
    }
    // Handing on from here, not from the window's thread, spares each archive
    // a round through the window's events before its files may be seen.
    if (handOn)
        next->set(&Gate::open);
    // Told under the lock, and last: once the lock is let go, the job may be gone.
    std::lock_guard lock(m_mutex);
    m_over = true;
    m_ended.notify_all();
    if (m_tell)
        m_tell();
}

void AheadJob::precede(AheadJob &next)
{
    bool done = false;
    {
        std::lock_guard lock(m_mutex);
        m_next = next.m_gate;
        done = m_done;
    }
    if (done && !m_withdrawn && !m_stopping())
        next.m_gate->set(&Gate::open);
}

bool AheadJob::withdrawnBeforeItsTurn()
{
    std::unique_lock lock(m_gate->mutex);
    m_gate->changed.wait(lock, [this] { return m_gate->open || m_gate->withdrawn; });
    return !m_gate->open;
}

void AheadJob::stop()
{
    m_withdrawn = true;
    m_gate->set(&Gate::withdrawn);
}

ArchiveResult AheadJob::take(const std::function<void(std::uint64_t)> &workDone, const TurnWait &wait)
{
    std::uint64_t bytes = 0;
    {
        std::lock_guard lock(m_mutex);
        m_taken = true;
        m_workDone = workDone;
        bytes = m_bytes;
    }
    m_gate->set(&Gate::open);
    if (workDone && bytes > 0)
        workDone(bytes);
    wait([this](std::function<void()> tell) {
        std::lock_guard lock(m_mutex);
        if (m_over)
            return false;
        m_tell = std::move(tell);
        return true;
    });
    waitForEnd();
    if (m_failure)
        std::rethrow_exception(m_failure);
    return m_result;
}

std::optional<ArchiveResult> AheadJob::withdraw()
{
    stop();
    waitForEnd();
    // Withdrawn in time, the engine took its folder away again; one that had
    // been let be seen first is an archive extracted, and says so.
    struct stat info {};
    if (!m_ran || m_failure || lstat(FileNameBytes(m_destination).constData(), &info) != 0)
        return std::nullopt;
    return m_result;
}
