#include "AheadJob.h"

#include "common/PathHelpers.h"

#include <sys/stat.h>

AheadJob::AheadJob(qsizetype row, QString archive, QString destination, const Job &job, UnzipHooks hooks)
    : m_row(row), m_archive(std::move(archive)), m_destination(std::move(destination))
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
    m_thread = std::thread([this, job, hooks = std::move(hooks)] {
        try {
            m_result = job(hooks);
        } catch (...) {
            m_failure = std::current_exception();
        }
    });
}

AheadJob::~AheadJob()
{
    if (m_thread.joinable())
        withdraw();
}

void AheadJob::stop()
{
    {
        std::lock_guard lock(m_mutex);
        m_withdrawn = true;
    }
    m_turn.notify_all();
}

bool AheadJob::withdrawnBeforeItsTurn()
{
    std::unique_lock lock(m_mutex);
    m_turn.wait(lock, [this] { return m_taken.load() || m_withdrawn.load(); });
    return !m_taken;
}

void AheadJob::finish()
{
    if (m_thread.joinable())
        m_thread.join();
}

ArchiveResult AheadJob::take(const std::function<void(std::uint64_t)> &workDone, const ArchiveRunner &wait)
{
    std::uint64_t bytes = 0;
    {
        std::lock_guard lock(m_mutex);
        m_taken = true;
        m_workDone = workDone;
        bytes = m_bytes;
    }
    m_turn.notify_all();
    if (workDone && bytes > 0)
        workDone(bytes);
    wait([this] { finish(); });
    if (m_failure)
        std::rethrow_exception(m_failure);
    return m_result;
}

std::optional<ArchiveResult> AheadJob::withdraw()
{
    stop();
    finish();
    // Withdrawn in time, the engine took its folder away again; one that had
    // finished first is an archive extracted, and says so.
    struct stat info {};
    if (m_failure || lstat(FileNameBytes(m_destination).constData(), &info) != 0)
        return std::nullopt;
    return m_result;
}
