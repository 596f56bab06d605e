#include "BatchCommand.h"

#include "BatchOptions.h"
#include "ChainScheduler.h"
#include "ProgressPrinter.h"

#include "ArchiveScan.h"
#include "BatchRun.h"
#include "Destination.h"
#include "OutputFolderWatch.h"
#include "RunSummary.h"
#include "common/PathHelpers.h"
#include "common/RuntimeError.h"
#include "common/VisibleQText.h"
#include "common/Settings.h"
#include "engine/cUnzip.h"
#include "engine/mUnzip.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
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
        text += QStringLiteral("engine libunzip32: not available (%1)").arg(QString::fromLocal8Bit(e.what()));
    }
    return text;
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

std::optional<std::string> readPassword(const BatchOptions &o, const BatchIo &io, QString &error)
{
    std::optional<std::string> line;
    if (o.passwordStdin) {
        line = io.readStdinLine ? io.readStdinLine() : std::nullopt;
        if (!line) {
            error = QStringLiteral("No password could be read from standard input.");
            return std::nullopt;
        }
    } else if (!o.passwordFile.isEmpty()) {
        QFile file(o.passwordFile);
        if (!file.open(QIODevice::ReadOnly)) {
            error = QStringLiteral("Cannot read the password file \"%1\": %2.").arg(VisibleText(o.passwordFile), file.errorString());
            return std::nullopt;
        }
        line = file.readLine(qint64(kMaxPasswordBytes) + 2).toStdString();
    } else {
        return std::string();
    }
    while (!line->empty() && (line->back() == '\n' || line->back() == '\r'))
        line->pop_back();
    if (line->size() > kMaxPasswordBytes) {
        error = QStringLiteral("The password is longer than 64 KiB: give one line holding the password.");
        return std::nullopt;
    }
    if (line->empty())
        error = QStringLiteral("The password is empty.");
    return line->empty() ? std::nullopt : line;
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

}

int RunBatchCommand(const QStringList &arguments, const BatchIo &io)
{
    const ParsedCommandLine parsed = ParseBatchCommandLine(arguments);
    switch (parsed.action) {
    case ParsedCommandLine::Action::UsageError:
        return usageError(io, parsed.error);
    case ParsedCommandLine::Action::Help:
        std::fputs(parsed.helpText.toLocal8Bit().constData(), io.out);
        return AllExtracted;
    case ParsedCommandLine::Action::Version:
        say(io.out, versionText());
        return AllExtracted;
    case ParsedCommandLine::Action::Run:
        break;
    }
    const BatchOptions &o = parsed.options;

    QString passwordError;
    const auto password = readPassword(o, io, passwordError);
    if (!password)
        return usageError(io, passwordError);

    // As command-line extractors do: into the current folder, one subfolder
    // per archive, unless the command line or --window-settings says otherwise.
    QString output = o.output;
    if (output.isEmpty() && o.windowSettings) {
        try {
            output = ReadSetting(SettingKey::OutputDirectory);
        } catch (const RuntimeError &e) {
            return usageError(io, QStringLiteral("No output folder given, and the window's stored one cannot be read (%1).")
                                      .arg(QString::fromStdString(e.what())));
        }
    } else if (output.isEmpty()) {
        output = QDir::currentPath();
    }
    if (!IsFolderPresent(output))
        return usageError(io, QStringLiteral("The output folder \"%1\" does not exist.").arg(VisibleText(output)));
    const UnzipMode mode = o.mode ? (*o.mode == BatchOptions::Mode::Subfolders ? UnzipMode::OwnSubfolder
                                                                             : UnzipMode::OneFolder)
                           : o.windowSettings ? storedMode()
                                              : UnzipMode::OwnSubfolder;

    QStringList archives;
    for (const QString &path : o.paths) {
        const QFileInfo info(path);
        if (info.isDir())
            archives += CollectArchives(QDir::cleanPath(info.absoluteFilePath()), o.extension);
        else if (info.exists())
            archives += info.absoluteFilePath();
        else
            return usageError(io, QStringLiteral("\"%1\" is neither an archive nor a folder.").arg(VisibleText(path)));
    }

    std::vector<std::string> destinations;
    std::uint64_t totalBytes = 0;
    std::vector<std::uint64_t> sizes;
    for (const QString &archive : archives) {
        destinations.push_back(DestinationFor(archive, output, mode).toStdString());
        sizes.push_back(std::uint64_t(std::max<qint64>(QFileInfo(archive).size(), 0)));
        totalBytes += sizes.back();
    }
    auto chains = ChainsByKey(destinations);
    // Biggest chains first, so one large archive does not start last and run alone.
    std::vector<std::uint64_t> chainBytes(chains.size());
    for (std::size_t c = 0; c < chains.size(); ++c)
        for (std::size_t i : chains[c])
            chainBytes[c] += sizes[i];
    std::vector<std::size_t> order(chains.size());
    for (std::size_t c = 0; c < order.size(); ++c)
        order[c] = c;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return chainBytes[a] > chainBytes[b]; });
    std::vector<std::vector<std::size_t>> sorted;
    for (std::size_t c : order)
        sorted.push_back(std::move(chains[c]));
    chains = std::move(sorted);
    const int processors = io.processors > 0 ? io.processors : int(std::max(1u, std::thread::hardware_concurrency()));
    const int workers = o.jobs > 0 ? o.jobs : processors;
    // The engine spreads one archive's entries over threads too. Giving each
    // call every processor oversubscribes a little, but keeps the processors
    // busy when one archive holds a single large entry that decodes alone.
    const int engineThreads = processors;

    SetCurrentPassword(*password);
    ProgressPrinter progress(ProgressPrinter::StyleFor(o.quiet, io.err, io.term), std::size_t(archives.size()),
                             totalBytes, io.err, io.now);
    std::mutex problemsMutex;
    std::vector<std::pair<std::size_t, ArchiveProblem>> problems;

    OutputFolderWatch outputFolder(output);
    {
        Ticker ticker(progress);
        RunChains(chains, workers, [&](std::size_t i) {
            const QString &archive = archives[qsizetype(i)];
            progress.started(i);
            const UnzipFunction unzip = [&](const std::string &path, const std::string &destination, bool overwrite,
                                            const UnzipHooks &hooks) {
                cUnzip unzip;
                unzip.Threads(engineThreads);
                return UnzipArchive(unzip, path, destination, overwrite, hooks);
            };
            UnzipHooks hooks;
            hooks.workDone = [&](std::uint64_t bytes) { progress.advanced(i, std::min(bytes, sizes[i])); };
            const QString gone = outputFolder.gone();
            const auto problem = mode == UnzipMode::None ? std::nullopt
                                 : !gone.isEmpty() ? std::optional(ArchiveProblem{archive, gone, {}})
                                     : ExtractArchive(archive, QString::fromStdString(destinations[i]), unzip, hooks);
            progress.finished(i, archive.toStdString(), sizes[i], !problem,
                              problem ? problem->reason.toStdString() : "");
            if (problem) {
                std::lock_guard lock(problemsMutex);
                problems.emplace_back(i, *problem);
            }
        });
    }
    progress.close();

    // The summary lists the archives in list order, whatever order they finished in.
    std::sort(problems.begin(), problems.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<ArchiveProblem> ordered;
    for (auto &p : problems)
        ordered.push_back(std::move(p.second));
    const RunSummary summary = SummarizeRun(archives.size(), ordered);
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
    return ordered.empty() ? AllExtracted : SomeNotExtracted;
}
