// The next archives of the window's run, extracted beside the one in work.
// The run still goes one archive after another in what it shows and reports;
// meanwhile the next archives' opening, their entries and whatever processor
// the archive in work leaves idle (its last large entry, the gap between two
// archives) are put to use, on the run's lanes (AheadLanes.h). Only an
// archive whose own subfolder does not exist yet goes ahead: the engine then
// writes it out of sight, and its files are let be seen only once every
// archive before it is done, so they appear in the list's order. When the
// run stops first, the engine takes it back whole, and the archive counts as
// not started, as it would have without going ahead.
#pragma once

#include "AheadLanes.h"
#include "ArchiveJob.h"
#include "WorkerWait.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

class AheadJob {
public:
    using Job = std::function<ArchiveResult(const UnzipHooks &)>;

    // Hands `job` to `lanes` with `hooks` (the run's), whose progress is
    // held back until the archive's turn. `stopping`: whether the run is
    // being stopped, so that no later archive is let be seen.
    AheadJob(qsizetype row, QString archive, QString destination, const Job &job, UnzipHooks hooks,
             std::function<bool()> stopping, AheadLanes &lanes);
    // Withdraws it if it was never taken, and waits for its end.
    ~AheadJob();
    AheadJob(const AheadJob &) = delete;
    AheadJob &operator=(const AheadJob &) = delete;

    qsizetype row() const { return m_row; }
    const QString &archive() const { return m_archive; }
    const QString &destination() const { return m_destination; }

    // `next` is the row after this one: its files may be seen once this one
    // is done (at once, when it is done already).
    void precede(AheadJob &next);
    // Its turn: the bytes done so far go to `workDone` at once, the rest as
    // they come; `wait` (the run's TurnWait) is what the caller does until
    // the end. A failure of the job is thrown here.
    ArchiveResult take(const std::function<void(std::uint64_t)> &workDone, const TurnWait &wait);
    // Asks it to stop and withdraw, without waiting (see withdraw()).
    void stop();
    // The run will not get to it: stopped and its files withdrawn. Nothing
    // when it left nothing; its result when it was done and seen already.
    std::optional<ArchiveResult> withdraw();

private:
    // Whether its files may be seen: opened by the archive before it, or by its turn.
    struct Gate {
        std::mutex mutex;
        std::condition_variable changed;
        bool open = false;
        bool withdrawn = false;
        void set(bool Gate::*which);
    };
    // At the engine's last word: waits until the gate opens or it is withdrawn.
    bool withdrawnBeforeItsTurn();
    void finished();
    void waitForEnd();

    qsizetype m_row;
    QString m_archive, m_destination;
    std::function<bool()> m_stopping;
    std::shared_ptr<Gate> m_gate = std::make_shared<Gate>();
    std::mutex m_mutex;                            // guards what follows
    std::function<void(std::uint64_t)> m_workDone; // set at the archive's turn
    std::uint64_t m_bytes = 0;
    std::shared_ptr<Gate> m_next; // the gate of the row after this one
    bool m_done = false;
    bool m_over = false;      // finished() is through with it
    bool m_ran = false;       // false: withdrawn before a lane took it up
    bool m_collected = false; // its end waited for (by take or withdraw)
    std::condition_variable m_ended;
    std::function<void()> m_tell;     // the caller waiting for the end, if any
    std::atomic<bool> m_taken{false}; // before its turn, any stop withdraws it
    std::atomic<bool> m_withdrawn{false};
    ArchiveResult m_result;
    std::exception_ptr m_failure;
};
