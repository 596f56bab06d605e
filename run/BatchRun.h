// "Start Unzipping": checks that there is work and a valid output folder,
// fixes the password for the run, then hands every row of the job list, top
// to bottom, to the single-archive extraction, and ends with the "Done." box.
#pragma once

#include "BatchSurface.h"
#include "RunOptions.h"
#include "RunSummary.h"
#include "WorkerWait.h"
#include "Destination.h"
#include "common/PathHelpers.h"
#include "engine/UnzipArchive.h"

#include <QChar>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

struct ArchiveResult;
class AheadJob;
class JobList;
class Prompts;
class TrappedProcedure;

// Extracts one archive; the default is the engine's UnzipArchive.
using UnzipFunction = std::function<UnzipOutcome(const std::string &archivePath, const std::string &destinationFolder,
                                                 bool overwrite, const UnzipHooks &hooks)>;
// Runs one archive's extraction and returns when it is done. The window runs it
// on a worker thread while serving its events; the default runs it in place.
using ArchiveRunner = std::function<void(const std::function<void()> &work)>;

inline const QString RunLocation = QStringLiteral("in Plindrave2021/08/31.Form1.PushButton2_Click ");

// Said after "needs a password: none is in force for this run" when no
// password was confirmed in this session: a stored one is not used until then.
QString NeedsPasswordHint();

// One archive of a run, as any front end does it: extracted into its
// destination (see DestinationFor), existing files replaced; answers what to
// report when it was not extracted cleanly. Safe to call on a worker thread.
std::optional<ArchiveProblem> ExtractArchive(const QString &archivePath, const QString &destination,
                                             const UnzipFunction &unzip, const UnzipHooks &hooks);

class BatchRun {
public:
    explicit BatchRun(BatchSurface &surface);

    // The whole run; returns when the "Done." box is closed. A call while a run
    // is under way does nothing: the first run goes on undisturbed.
    void Start();

    bool Running() const { return m_running; }
    // Asked when the window closes during a run: the archive in work is
    // stopped by the engine, which cleans up after itself, the remaining rows
    // are left alone and no box is shown.
    void RequestCancel() { m_cancel = true; }
    // Asked by the user during a run: no archive after the one in work is
    // started, and with `now` that one is stopped too (the engine leaves
    // nothing half-written). The "Done." box lists the rest as not started.
    void RequestStop(bool now);
    bool StopRequested() const { return m_stop; }

    // Seams for tests and for other front ends.
    UnzipFunction unzip;
    ArchiveRunner runArchive;
    std::function<void(const std::string &)> setCurrentPassword;
    std::function<void()> enterProgramFolder;
    // The clock that keeps the bar's updates to one a frame.
    std::function<std::chrono::steady_clock::time_point()> now;
    // A missing output folder is offered to be created (Yes/No) instead of
    // only being named; for front ends where someone can answer.
    bool offerToCreateOutputFolder = false;
    // The choices of "More Options...", read when a run starts; the stored ones by default.
    std::function<RunOptions()> runOptions = &LoadRunOptions;
    // The passwords tried in turn after the run's own, read when a run
    // starts; the window's come from the keyring, none by default.
    std::function<QStringList()> passwordList;
    // When the run started, for the name of its report.
    std::function<QDateTime()> clock = &QDateTime::currentDateTime;
    // The next rows go ahead beside the one in work (AheadJob.h); `unzip`
    // is then called from several threads at once. The window turns it on.
    bool readAhead = false;
    // What the run does while it waits for a row that went ahead to end (the
    // window serves its events); by default nothing, it blocks.
    TurnWait waitForTurn = [](const auto &) {};

private:
    struct Pass;

    // The run's steps, in the order run() takes them. The numbers of their
    // trapped steps (100 to 138) are those the error boxes show.
    void run();
    // Steps 100-106: false when there is nothing to extract, or no output
    // folder and none was made.
    bool haveWorkAndFolder(TrappedProcedure &trap, Prompts &prompts, JobList &rows);
    void fixPassword();
    UnzipHooks runHooks();
    // Steps 116-124: row `i` read and shown on the bar.
    bool showRow(Pass &pass, qsizetype i, QString &path);
    // Steps 116-130 for row `i`.
    void extractRow(Pass &pass, qsizetype i);
    ArchiveResult extractArchive(Pass &pass, qsizetype i, const QString &path, const QString &destination);
    // Row `i`'s subfolder: the one named when the row went ahead, or step 128.
    QString destinationOf(Pass &pass, qsizetype i, const QString &path, UnzipMode mode);
    // Starts the rows after `i` ahead of their turn, as far as they can go (AheadJob.h).
    void startAheads(Pass &pass, qsizetype i, AheadJob *inWork);
    bool startAhead(Pass &pass, qsizetype i);
    // The bar's share of the archive now in work, as its bytes are done.
    std::function<void(std::uint64_t)> progressOf(Pass &pass);
    // Stopped before row `i`: what went ahead is withdrawn, or counted when
    // it had finished; answers the first row not started.
    qsizetype withdrawAheads(Pass &pass, qsizetype i);
    // The rows gone ahead, withdrawn because the run will not take them as they are.
    void dropAheads(Pass &pass);
    void record(Pass &pass, const QString &path, ArchiveResult result);
    // Steps 132-138: the bar reset, the report, the "Done." box.
    void finish(Pass &pass, const QDateTime &started);
    // Shows `percent` on the bar from the thread that extracts archive
    // number `archive`; dropped if that archive is no longer in work when the
    // window gets to it.
    void showProgressFrom(quint64 archive, int percent);

    BatchSurface &m_surface;
    // Lives on the window's thread: progress from a worker is handed to it.
    std::unique_ptr<QObject> m_windowSide;
    Qt::HANDLE m_windowThread = nullptr;
    quint64 m_archiveInWork = 0; // changed on the window's thread only
    bool m_running = false;
    std::atomic<bool> m_cancel{false};
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_stopNow{false};
};
