#include "BatchPlan.h"

#include "ChainScheduler.h"
#include "PasswordQuestion.h"
#include "ProgressPrinter.h"

#include "ArchiveJob.h"
#include "BatchRun.h"
#include "OutputFolderWatch.h"
#include "common/PathHelpers.h"
#include "engine/cUnzip.h"

#include <QCoreApplication>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

QString notStartedReason() { return QCoreApplication::translate("BatchCommand", "not started: stopped by the user"); }

// Redraws the progress a few times a second, so it moves (and its rate and
// time left stay true) while an archive takes long.
class Ticker {
public:
    explicit Ticker(ProgressPrinter &progress)
        : m_thread([this, &progress] {
              std::unique_lock lock(m_mutex);
              while (!m_stop.wait_for(lock, std::chrono::milliseconds(250), [this] { return m_stopping; }))
                  progress.tick();
          })
    {}
    ~Ticker()
    {
        {
            std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_stop.notify_all();
        m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_stop;
    bool m_stopping = false;
    std::thread m_thread;
};

// Archive number `i` of the plan, on its chain's thread, with an engine
// object of its own.
ArchiveResult extractOne(const BatchPlan &plan, std::size_t i, const QString &destination, int engineThreads,
                         const BatchOptions &o, const BatchIo &io, ProgressPrinter &progress,
                         OutputFolderWatch &outputFolder)
{
    const QString &archive = plan.archives[qsizetype(i)];
    const UnzipFunction unzip
        = [&](const std::string &path, const std::string &folder, bool overwrite, const UnzipHooks &hooks) {
              cUnzip engine;
              engine.Threads(engineThreads);
              engine.NameCodePage(o.nameCodePage);
              engine.TestZip(o.work == BatchOptions::Work::Test);
              return UnzipArchive(engine, path, folder, overwrite, hooks);
          };
    UnzipHooks hooks;
    hooks.workDone = [&](std::uint64_t bytes) { progress.advanced(i, std::min(bytes, plan.sizes[i])); };
    hooks.passwords = plan.passwords;
    hooks.cancelRequested = [&io] { return StopAsked(io); };
    if (io.passwordTerminal >= 0 && !o.quiet && !o.noPrompt)
        hooks.askPassword = TerminalPasswordQuestion(io.passwordTerminal, io.err, progress);
    const QString gone = outputFolder.gone();
    if (plan.mode == UnzipMode::None)
        return ArchiveResult{archive, destination, std::nullopt};
    if (!gone.isEmpty())
        return ArchiveResult{archive, destination, ArchiveProblem{archive, gone, {}}};
    return RunArchiveJob(archive, destination, unzip, hooks, plan.options);
}

} // namespace

std::vector<ArchiveResult> ExtractAll(const BatchPlan &plan, const BatchOptions &o, const BatchIo &io)
{
    const int processors = io.processors > 0 ? io.processors : int(std::max(1u, std::thread::hardware_concurrency()));
    const int workers = o.jobs > 0 ? o.jobs : processors;
    // The engine spreads one archive's entries over threads too. While other
    // archives wait their turn, the processors are shared out between the
    // archives running side by side: more threads would only take turns on
    // them, and each call would pay for starting and waking its own. The last
    // archives get every processor, so that one that holds a single large
    // entry does not leave a processor idle at the end.
    const std::size_t archiveCount = std::size_t(plan.archives.size());
    std::atomic<std::size_t> begun{0};
    auto engineThreadsFor = [&] {
        const bool othersWait = ++begun < archiveCount;
        return othersWait && workers > 1 ? std::max(1, processors / workers) : processors;
    };

    ProgressPrinter progress(ProgressPrinter::StyleFor(o.quiet, io.err, io.term), std::size_t(plan.archives.size()),
                             plan.totalBytes, io.err, io.now);
    std::vector<ArchiveResult> results(std::size_t(plan.archives.size()));
    OutputFolderWatch outputFolder(plan.output);
    {
        Ticker ticker(progress);
        RunChains(plan.chains, workers, [&](std::size_t i) {
            const QString &archive = plan.archives[qsizetype(i)];
            const QString destination = FileNameFromBytes(
                QByteArrayView(plan.destinations[i].data(), qsizetype(plan.destinations[i].size())));
            ArchiveResult &result = results[i]; // each its own: no lock
            if (StopAsked(io)) {
                result = ArchiveResult{archive, destination, ArchiveProblem{archive, notStartedReason(), {}}};
                return;
            }
            progress.started(i);
            result = extractOne(plan, i, destination, engineThreadsFor(), o, io, progress, outputFolder);
            const auto &problem = result.problem;
            const std::string name = FileNameBytes(archive).toStdString();
            if (problem && StopAsked(io))
                progress.stopped(i, name, problem->reason.toStdString());
            else
                progress.finished(i, name, plan.sizes[i], !problem, problem ? problem->reason.toStdString() : "");
        });
    }
    progress.close();
    return results;
}
