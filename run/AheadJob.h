// The next archive of the window's run, extracted beside the one in work.
// The run still goes one archive after another in what it shows and reports;
// meanwhile the next archive's opening, its first entries and whatever
// processor the archive in work leaves idle (its last large entry, the gap
// between two archives) are put to use. Only an archive whose own subfolder
// does not exist yet goes ahead: the engine then writes it out of sight and,
// it waits, its files written but not yet seen, until its turn; when the run
// stops before then, the engine takes it back whole, so the archive counts as
// not started, as it would have without going ahead.
#pragma once

#include "ArchiveJob.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

class AheadJob {
public:
    using Job = std::function<ArchiveResult(const UnzipHooks &)>;

    // Starts `job` on a thread of its own with `hooks` (the run's), whose
    // progress is held back until the archive's turn.
    AheadJob(qsizetype row, QString archive, QString destination, const Job &job, UnzipHooks hooks);
    // Withdraws it if it was never taken, and waits for its thread.
    ~AheadJob();
    AheadJob(const AheadJob &) = delete;
    AheadJob &operator=(const AheadJob &) = delete;

    qsizetype row() const { return m_row; }
    const QString &archive() const { return m_archive; }
    const QString &destination() const { return m_destination; }

    // Its turn: the bytes done so far go to `workDone` at once, the rest as
    // they come; `wait` (the run's ArchiveRunner) waits for the end. A failure
    // of the job is thrown here.
    ArchiveResult take(const std::function<void(std::uint64_t)> &workDone, const ArchiveRunner &wait);
    // Asks it to stop and withdraw, without waiting (see withdraw()).
    void stop();
    // The run will not get to it: stopped and its files withdrawn. Nothing
    // when it left nothing; its result when it had finished first.
    std::optional<ArchiveResult> withdraw();

private:
    void finish();
    // At the engine's last word: waits for the archive's turn, or its withdrawal.
    bool withdrawnBeforeItsTurn();

    qsizetype m_row;
    QString m_archive, m_destination;
    std::mutex m_mutex;
    std::function<void(std::uint64_t)> m_workDone; // set at the archive's turn
    std::uint64_t m_bytes = 0;
    std::atomic<bool> m_withdrawn{false};
    std::atomic<bool> m_taken{false}; // before its turn, any stop withdraws it
    std::condition_variable m_turn;   // told of m_taken and m_withdrawn
    ArchiveResult m_result;
    std::exception_ptr m_failure;
    std::thread m_thread;
};
