#include "BatchCommand.h"

#include "BatchOptions.h"
#include "ChainScheduler.h"
#include "ProgressPrinter.h"

#include "ArchiveScan.h"
#include "PartSets.h"
#include "ArchiveJob.h"
#include "BatchRun.h"
#include "Destination.h"
#include "OutputFolderWatch.h"
#include "RunProgress.h"
#include "RunReport.h"
#include "RunSummary.h"
#include "SubfolderNames.h"
#include "common/PathHelpers.h"
#include "RuntimeError.h"
#include "common/VisibleQText.h"
#include "common/Settings.h"
#include "engine/cUnzip.h"
#include "engine/mUnzip.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <sys/stat.h>
#include <thread>

namespace {

void say(std::FILE *to, const QString &text)
{
    std::fprintf(to, "%s\n", text.toLocal8Bit().constData());
}

int usageError(const BatchIo &io, const QString &text)
{
    say(io.err, QStringLiteral("marrowlyn-batch: ") + text);
    return UsageError;
}

QString versionText()
{
    QString text = QStringLiteral("marrowlyn-batch %1\n").arg(QStringLiteral(MARROWLYN_VERSION));
    try {
        cUnzip probe;
        int32_t major = 0, minor = 0, revision = 0;
        UnzipDateTime date{};
        std::string extra;
        probe.GetVersion(major, minor, revision, date, extra);
        text += QStringLiteral("engine libunzip32 %1.%2.%3").arg(major).arg(minor).arg(revision);
        const QString level = QString::fromStdString(extra).trimmed();
        if (!level.isEmpty())
            text += QLatin1Char(' ') + level;
    } catch (const std::exception &e) {
        text += QCoreApplication::translate("BatchCommand", "engine libunzip32: not available (%1)").arg(QString::fromLocal8Bit(e.what()));
    }
    return text;
}

// For scripts, which branch on the status; the README lists the same.
QString exitStatusText()
{
    return QCoreApplication::translate("BatchCommand",
                                       "\nExit status:\n"
                                       "  %1    every archive was extracted cleanly\n"
                                       "  %2    some were not, or a folder could not be scanned whole\n"
                                       "  %3    a usage error: nothing was extracted\n"
                                       "  %4  stopped by Ctrl-C or SIGTERM; the summary says what was done\n")
        .arg(AllExtracted).arg(SomeNotExtracted).arg(UsageError).arg(Stopped);
}

bool openToRead(QFile &file, const QString &what, QString &error)
{
    if (file.open(QIODevice::ReadOnly))
        return true;
    error = QCoreApplication::translate("BatchCommand", "Cannot read the %1 \"%2\": %3.").arg(what, VisibleText(file.fileName()), file.errorString());
    return false;
}

std::optional<std::string> readPassword(const BatchOptions &o, const BatchIo &io, QString &error)
{
    std::optional<std::string> line;
    if (o.passwordStdin) {
        line = io.readStdinLine ? io.readStdinLine() : std::nullopt;
        if (!line) {
            error = QCoreApplication::translate("BatchCommand", "No password could be read from standard input.");
            return std::nullopt;
        }
    } else if (!o.passwordFile.isEmpty()) {
        QFile file(o.passwordFile);
        if (!openToRead(file, QCoreApplication::translate("BatchCommand", "password file"), error))
            return std::nullopt;
        line = file.readLine(qint64(kMaxPasswordBytes) + 2).toStdString();
    } else {
        return std::string();
    }
    while (!line->empty() && (line->back() == '\n' || line->back() == '\r'))
        line->pop_back();
    if (line->size() > kMaxPasswordBytes) {
        error = QCoreApplication::translate("BatchCommand", "The password is longer than 64 KiB: give one line holding the password.");
        return std::nullopt;
    }
    if (line->empty())
        error = QCoreApplication::translate("BatchCommand", "The password is empty.");
    return line->empty() ? std::nullopt : line;
}

// --passwords-file: one password a line, blank lines left out; bounded like
// the password file, for the same reason.
std::optional<std::vector<std::string>> readPasswordList(const QString &path, QString &error)
{
    std::vector<std::string> list;
    if (path.isEmpty())
        return list;
    QFile file(path);
    if (!openToRead(file, QCoreApplication::translate("BatchCommand", "passwords file"), error))
        return std::nullopt;
    const QByteArray text = file.read(qint64(kMaxPasswordBytes) + 1);
    if (text.size() > qsizetype(kMaxPasswordBytes)) {
        error = QCoreApplication::translate("BatchCommand", "The passwords file is longer than 64 KiB.");
        return std::nullopt;
    }
    for (QByteArray line : text.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.trimmed().isEmpty())
            list.push_back(line.toStdString());
    }
    if (list.empty()) {
        error = QCoreApplication::translate("BatchCommand", "The passwords file holds no password.");
        return std::nullopt;
    }
    return list;
}

// The window's stored mode, for --window-settings.
UnzipMode storedMode()
{
    try {
        return ModeFromOptions(SettingToBoolean(ReadSetting(SettingKey::Option1)),
                               SettingToBoolean(ReadSetting(SettingKey::Option2)));
    } catch (const RuntimeError &) {
        return UnzipMode::OwnSubfolder;
    }
}

// What one run works through, worked out before any archive is touched.
struct Plan {
    QString output;
    UnzipMode mode = UnzipMode::OwnSubfolder;
    RunOptions options;
    std::vector<std::string> passwords; // tried after the run's own; never stored
    QStringList archives;
    std::vector<std::string> destinations;
    std::vector<std::uint64_t> sizes;
    std::uint64_t totalBytes = 0;
    std::vector<std::vector<std::size_t>> chains;
    bool scanIncomplete = false;
};

// As command-line extractors do: into the current folder, one subfolder per
// archive, unless the command line or --window-settings says otherwise.
bool chooseOutputAndMode(const BatchOptions &o, Plan &plan, QString &error)
{
    plan.output = o.output;
    if (plan.output.isEmpty() && o.windowSettings) {
        try {
            plan.output = ReadSetting(SettingKey::OutputDirectory);
        } catch (const RuntimeError &e) {
            error = QCoreApplication::translate("BatchCommand", "No output folder given, and the window's stored one cannot be read (%1).")
                        .arg(QString::fromStdString(e.what()));
            return false;
        }
    } else if (plan.output.isEmpty()) {
        plan.output = QDir::currentPath();
    }
    if (!IsFolderPresent(plan.output)) {
        error = QCoreApplication::translate("BatchCommand", "The output folder \"%1\" does not exist.").arg(VisibleText(plan.output));
        return false;
    }
    plan.mode = o.mode ? (*o.mode == BatchOptions::Mode::Subfolders ? UnzipMode::OwnSubfolder : UnzipMode::OneFolder)
                : o.windowSettings ? storedMode()
                                   : UnzipMode::OwnSubfolder;
    return true;
}

// The archives named and those found in the folders named; a folder that
// cannot be scanned whole is said on standard error, and the run goes on.
// The named parts of an archive in parts (a shell's "a.zip.*") are one archive.
bool collectArchives(const BatchOptions &o, const BatchIo &io, Plan &plan, QString &error)
{
    PartSetFilter sets;
    for (const QString &path : o.paths) {
        const QFileInfo info(path);
        struct stat named {};
        const bool exists = ::stat(FileNameBytes(path).constData(), &named) == 0;
        if (exists && S_ISDIR(named.st_mode)) {
            const QString folder = QDir::cleanPath(info.absoluteFilePath());
            ScanHooks hooks;
            hooks.failed = [&](const QString &why) {
                say(io.err, QCoreApplication::translate("BatchCommand", "marrowlyn-batch: the scan of \"%1\" is incomplete: %2")
                                .arg(VisibleText(folder), VisibleText(why)));
                plan.scanIncomplete = true;
            };
            plan.archives += CollectArchives(folder, o.extension, hooks);
        } else if (exists) {
            const QString archive = sets.admit(info.absoluteFilePath());
            if (!archive.isEmpty())
                plan.archives += archive;
        } else {
            error = QCoreApplication::translate("BatchCommand", "\"%1\" is neither an archive nor a folder.").arg(VisibleText(path));
            return false;
        }
    }
    return true;
}

// Archives that share a destination form a chain run in list order; the
// chains go biggest first, so one large archive does not start last and run alone.
void planChains(Plan &plan)
{
    SubfolderNamer subfolders(plan.options.subfolderName);
    for (const QString &archive : plan.archives) {
        plan.destinations.push_back(FileNameBytes(subfolders.destinationFor(archive, plan.output, plan.mode)).toStdString());
        plan.sizes.push_back(WorkShare::WeightOf(archive)); // every part of a set
        plan.totalBytes += plan.sizes.back();
    }
    auto chains = ChainsByKey(plan.destinations);
    std::vector<std::uint64_t> chainBytes(chains.size());
    for (std::size_t c = 0; c < chains.size(); ++c)
        for (std::size_t i : chains[c])
            chainBytes[c] += plan.sizes[i];
    std::vector<std::size_t> order(chains.size());
    for (std::size_t c = 0; c < order.size(); ++c)
        order[c] = c;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return chainBytes[a] > chainBytes[b]; });
    for (std::size_t c : order)
        plan.chains.push_back(std::move(chains[c]));
}

QString notStartedReason() { return QCoreApplication::translate("BatchCommand", "not started: stopped by the user"); }

bool stopped(const BatchIo &io)
{
    return io.stopRequested && io.stopRequested();
}

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
    {
    }
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

// Extracts every archive of the plan, chains side by side; answers what
// became of each, in list order.
std::vector<ArchiveResult> extractAll(const Plan &plan, const BatchOptions &o, const BatchIo &io)
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
            const QString destination = FileNameFromBytes(QByteArrayView(plan.destinations[i].data(), qsizetype(plan.destinations[i].size())));
            ArchiveResult &result = results[i]; // each its own: no lock
            if (stopped(io)) {
                result = ArchiveResult{archive, destination, ArchiveProblem{archive, notStartedReason(), {}}};
                return;
            }
            progress.started(i);
            const int engineThreads = engineThreadsFor();
            const UnzipFunction unzip = [&](const std::string &path, const std::string &destination, bool overwrite,
                                            const UnzipHooks &hooks) {
                cUnzip unzip;
                unzip.Threads(engineThreads);
                unzip.NameCodePage(o.nameCodePage);
                return UnzipArchive(unzip, path, destination, overwrite, hooks);
            };
            UnzipHooks hooks;
            hooks.workDone = [&](std::uint64_t bytes) { progress.advanced(i, std::min(bytes, plan.sizes[i])); };
            hooks.passwords = plan.passwords;
            hooks.cancelRequested = [&io] { return stopped(io); };
            const QString gone = outputFolder.gone();
            if (plan.mode == UnzipMode::None)
                result = ArchiveResult{archive, destination, std::nullopt};
            else if (!gone.isEmpty())
                result = ArchiveResult{archive, destination, ArchiveProblem{archive, gone, {}}};
            else
                result = RunArchiveJob(archive, destination, unzip, hooks, plan.options);
            const auto &problem = result.problem;
            progress.finished(i, FileNameBytes(archive).toStdString(), plan.sizes[i], !problem,
                              problem ? problem->reason.toStdString() : "");
        });
    }
    progress.close();
    return results;
}

// The window's "Done." summary, archives in list order whatever order they
// finished in; answers the exit status.
int summarize(const Plan &plan, const std::vector<ArchiveResult> &results, const BatchOptions &o, const BatchIo &io)
{
    std::vector<ArchiveProblem> ordered;
    std::vector<ArchiveNote> notes;
    for (const ArchiveResult &result : results) {
        if (result.problem)
            ordered.push_back(*result.problem);
        else if (!result.notes.isEmpty())
            notes.push_back({result.archive, result.notes.join(QStringLiteral("; "))});
    }
    bool reportFailed = false;
    if (!plan.options.reportFile.isEmpty()) {
        if (const QString failed = WriteRunReport(plan.options.reportFile, results); !failed.isEmpty()) {
            say(io.err, QCoreApplication::translate("BatchCommand", "marrowlyn-batch: the report \"%1\" could not be written: %2")
                            .arg(VisibleText(plan.options.reportFile), VisibleText(failed)));
            reportFailed = true;
        }
    }
    const RunSummary summary = SummarizeRun(plan.archives.size(), ordered, notes);
    if (!o.quiet || !ordered.empty()) {
        std::FILE *to = ordered.empty() ? io.out : io.err;
        if (summary.detail.isEmpty()) {
            say(to, summary.text);
        } else {
            // A terminal has room for the details, which repeat the box's own
            // short list with the engine's lines: print the headline, then them.
            say(to, summary.headline + QLatin1Char(':'));
            say(to, summary.detail);
        }
    }
    if (stopped(io))
        return Stopped;
    return ordered.empty() && !plan.scanIncomplete && !reportFailed ? AllExtracted : SomeNotExtracted;
}

} // namespace

int RunBatchCommand(const QStringList &arguments, const BatchIo &io)
{
    const ParsedCommandLine parsed = ParseBatchCommandLine(arguments);
    switch (parsed.action) {
    case ParsedCommandLine::Action::UsageError:
        return usageError(io, parsed.error);
    case ParsedCommandLine::Action::Help:
        std::fputs((parsed.helpText + exitStatusText()).toLocal8Bit().constData(), io.out);
        return AllExtracted;
    case ParsedCommandLine::Action::Version:
        say(io.out, versionText());
        return AllExtracted;
    case ParsedCommandLine::Action::Run:
        break;
    }
    const BatchOptions &o = parsed.options;

    QString error;
    const auto password = readPassword(o, io, error);
    if (!password)
        return usageError(io, error);
    const auto passwords = readPasswordList(o.run.passwordsFile, error);
    if (!passwords)
        return usageError(io, error);
    Plan plan;
    plan.passwords = *passwords;
    if (!chooseOutputAndMode(o, plan, error) || !collectArchives(o, io, plan, error))
        return usageError(io, error);
    plan.options = o.run.resolve(o.windowSettings);
    planChains(plan);
    SetCurrentPassword(*password);
    return summarize(plan, extractAll(plan, o, io), o, io);
}
