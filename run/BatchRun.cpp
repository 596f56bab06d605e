#include "BatchRun.h"

#include "AheadJob.h"
#include "BatchRunPass.h"
#include "ApplicationTitle.h"
#include "ArchiveJob.h"
#include "AskedPasswords.h"
#include "RunReport.h"
#include "SubfolderNames.h"
#include "Destination.h"
#include "EngineLink.h"
#include "MissingOutputFolder.h"
#include "OutputFolderWatch.h"
#include "RunProgress.h"
#include "common/PathHelpers.h"
#include "common/Prompts.h"
#include "common/Settings.h"
#include "common/TrappedProcedure.h"
#include "engine/FailureSummary.h"
#include "engine/cUnzip.h"
#include "joblist/JobList.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <QThread>

#include <algorithm>
#include <vector>

namespace {
struct RunningFlag {
    explicit RunningFlag(bool &flag) : m_flag(flag) { m_flag = true; }
    ~RunningFlag() { m_flag = false; }
    bool &m_flag;
};
} // namespace

namespace {

// The rows a stopped run did not get to, for the summary; answers how many.
qsizetype notStarted(JobList &rows, qsizetype from, qsizetype bound, const QString &why,
                     std::vector<ArchiveProblem> &problems)
{
    for (qsizetype i = from; i <= bound; ++i) {
        QString path;
        try {
            path = rows.Text(i);
        } catch (...) {
            path = QCoreApplication::translate("BatchRun", "row %1").arg(i);
        }
        problems.push_back({path, why, {}});
    }
    return std::max<qsizetype>(bound - from + 1, 0);
}

// The bar shows the share of the run's bytes done, so a run of one large
// archive moves through it instead of standing at 100 from the start.
std::uint64_t weighRows(JobList &rows, qsizetype from, qsizetype to)
{
    std::uint64_t totalWeight = 0;
    for (qsizetype i = from; i <= to; ++i) {
        try {
            totalWeight += WorkShare::WeightOf(rows.Text(i));
        } catch (...) {
            totalWeight += 1; // the row is reported when the loop reaches it
        }
    }
    return totalWeight;
}

// The reason shown for an archive whose extraction was not clean.
QString ReasonFor(const UnzipOutcome &outcome)
{
    if (!outcome.reason.empty())
        return QString::fromStdString(outcome.reason);
    using S = UnzipOutcome::Status;
    switch (outcome.status) {
    case S::Extracted: return QStringLiteral("extracted");
    case S::Missing: return QCoreApplication::translate("BatchRun", "the file does not exist");
    case S::Empty: return QCoreApplication::translate("BatchRun", "the file is empty");
    case S::NotZipName: return QCoreApplication::translate("BatchRun", "the name does not end in .zip");
    case S::NotArchive: return QCoreApplication::translate("BatchRun", "the file is not a ZIP archive");
    case S::StillUnreadable: return QCoreApplication::translate("BatchRun", "the file could not be read in time");
    case S::NoDestination: return QCoreApplication::translate("BatchRun", "no destination folder");
    case S::EngineFailed: return QCoreApplication::translate("BatchRun", "some entries could not be extracted");
    case S::EngineMissing: return QCoreApplication::translate("BatchRun", "the unzip engine library is missing");
    case S::Cancelled: return QStringLiteral("cancelled");
    case S::Failed: break;
    }
    return QCoreApplication::translate("BatchRun", "the extraction failed");
}

} // namespace

QString NeedsPasswordHint()
{
    return QCoreApplication::translate("BatchRun", " (a stored one must be confirmed with Set Password (Optional))");
}

std::optional<ArchiveProblem> ExtractArchive(const QString &archivePath, const QString &destination,
                                             const UnzipFunction &unzip, const UnzipHooks &hooks)
{
    const UnzipOutcome outcome
        = unzip(FileNameBytes(archivePath).toStdString(), FileNameBytes(destination).toStdString(), true, hooks);
    if (outcome.ok())
        return std::nullopt;
    ArchiveProblem problem{archivePath, ReasonFor(outcome), {}};
    for (const std::string &message : outcome.messages)
        problem.messages << QString::fromStdString(message);
    return problem;
}

BatchRun::BatchRun(BatchSurface &surface)
    : unzip([](const std::string &archive, const std::string &folder, bool overwrite, const UnzipHooks &hooks) {
          // One per thread: a row that goes ahead is extracted beside the one in work.
          thread_local cUnzip engine;
          engine.Threads(0); // as many as there are processors, unless the hooks say otherwise
          return UnzipArchive(engine, archive, folder, overwrite, hooks);
      }),
      runArchive([](const std::function<void()> &work) { work(); }), setCurrentPassword(&SetEnginePassword),
      enterProgramFolder(&EnterProgramFolder), m_surface(surface), m_windowSide(std::make_unique<QObject>()),
      m_windowThread(QThread::currentThreadId())
{}

void BatchRun::RequestStop(bool stopNow)
{
    if (!m_running)
        return;
    m_stop = true;
    m_stopNow = m_stopNow || stopNow;
}

void BatchRun::showProgressFrom(quint64 archive, int percent)
{
    if (QThread::currentThreadId() == m_windowThread) {
        m_surface.SetProgressValue(percent);
        return;
    }
    QMetaObject::invokeMethod(
        m_windowSide.get(),
        [this, archive, percent] {
            if (archive == m_archiveInWork)
                m_surface.SetProgressValue(percent);
        },
        Qt::QueuedConnection);
}

void BatchRun::Start()
{
    // The window's events are served while an archive is extracted, so a
    // second click on "Start Unzipping" arrives here during the first run.
    if (m_running)
        return;
    RunningFlag running(m_running);
    m_cancel = false;
    m_stop = m_stopNow = false;
    run();
}

void BatchRun::run()
{
    Prompts &prompts = m_surface.UserPrompts();
    TrappedProcedure trap(prompts, RunLocation);
    JobList &rows = m_surface.Rows();

    if (!haveWorkAndFolder(trap, prompts, rows))
        return;
    trap.step(108, [&] { m_surface.SetMousePointer(Pointer::Hourglass); });
    trap.step(110, [&] { fixPassword(); });
    trap.step(112, [&] { enterProgramFolder(); });
    const RunOptions options = runOptions ? runOptions() : RunOptions{};
    const QDateTime started = clock ? clock() : QDateTime::currentDateTime();

    // The count is read again before each row: rows added during the run
    // ("Open with", a drop, the file manager's action) join it, and the bar's
    // whole grows by their weight.
    qsizetype bound = 0;
    trap.step(114, [&] { bound = rows.Count(); });
    const qsizetype atStart = bound;

    Pass pass{trap,
              prompts,
              rows,
              options,
              WorkShare(weighRows(rows, 1, bound)),
              FrameGate(now),
              runHooks(),
              OutputFolderWatch(m_surface.OutputFolderText()),
              SubfolderNamer(options.subfolderName)};
    if (options.askPasswords)
        AskThroughPrompts(pass.hooks, prompts, *m_windowSide, [this] { return m_cancel.load() || m_stopNow.load(); });
    for (qsizetype i = 1; i <= bound && !m_cancel; ++i) {
        if (m_stop) {
            i = withdrawAheads(pass, i);
            const qsizetype waitingFrom = std::max(i, atStart + 1);
            pass.attempted += notStarted(rows, i, std::min(bound, atStart),
                                         QCoreApplication::translate("BatchRun", "not started: the run was stopped"),
                                         pass.problems);
            pass.attempted += notStarted(
                rows, waitingFrom, bound,
                QCoreApplication::translate("BatchRun", "added after the run began; waiting for the next run"),
                pass.problems);
            break;
        }
        extractRow(pass, i);
        const qsizetype known = bound;
        // Only growth counts: a row taken away is reported when it is reached, as before.
        trap.step(114, [&] { bound = std::max(bound, rows.Count()); });
        if (bound > known)
            pass.share.grow(weighRows(rows, known + 1, bound));
    }
    dropAheads(pass);
    finish(pass, started);
}

bool BatchRun::haveWorkAndFolder(TrappedProcedure &trap, Prompts &prompts, JobList &rows)
{
    if (trap.test(100, [&] { return !(rows.Count() > 0); })) {
        trap.step(102, [&] {
            prompts.message(QCoreApplication::translate("BatchRun", "No files added."), ApplicationTitle());
        });
        return false;
    }
    if (trap.test(104, [&] { return !IsFolderPresent(m_surface.OutputFolderText()); })) {
        bool created = false;
        trap.step(106, [&] {
            created = OfferMissingFolder(m_surface.OutputFolderText(), prompts, offerToCreateOutputFolder);
        });
        if (!created)
            return false;
    }
    return true;
}

void BatchRun::fixPassword()
{
    // A password stored by an earlier session counts only once it has
    // been confirmed again in this one.
    const QString password = m_surface.PasswordSet()
        ? GetSetting(SettingsApplication, SettingsSection, SettingKey::Password, QString())
        : QString();
    setCurrentPassword(password.toStdString());
}

UnzipHooks BatchRun::runHooks()
{
    UnzipHooks hooks;
    hooks.cancelRequested = [this] { return m_cancel.load() || m_stopNow.load(); };
    for (const QString &password : passwordList ? passwordList() : QStringList())
        hooks.passwords.push_back(password.toStdString());
    return hooks;
}

// Reads row `i` and shows it on the bar; false when the row could not be read.
bool BatchRun::showRow(Pass &pass, qsizetype i, QString &path)
{
    bool haveRow = false;
    pass.trap.step(116, [&] {
        path = pass.rows.Text(i);
        haveRow = true;
    });
    pass.share.next(haveRow ? WorkShare::WeightOf(path) : 1);
    ++m_archiveInWork;
    pass.trap.step(118, [&] {
        const int percent = pass.share.percent();
        m_surface.SetProgressValue(percent);
        pass.gate.shown(percent);
    });
    pass.trap.step(120, [&] {
        m_surface.SetProgressText(
            QCoreApplication::translate("BatchRun", "Processing: %1").arg(FileNameFromPath(path, NativeSeparator)));
    });
    pass.trap.step(122, [&] { m_surface.PumpEvents(); });
    pass.trap.step(124, [&] { m_surface.SetMousePointer(Pointer::Hourglass); });
    return haveRow;
}

void BatchRun::extractRow(Pass &pass, qsizetype i)
{
    QString path;
    const bool haveRow = showRow(pass, i, path);
    // What went ahead for this row is used only if the row still holds it
    // (rows can be moved and taken away during a run); otherwise the rows
    // after it may have changed too, and every one that went ahead is withdrawn.
    std::unique_ptr<AheadJob> ahead;
    if (!pass.aheads.empty() && pass.aheads.front()->row() == i && pass.aheads.front()->archive() == path) {
        ahead = std::move(pass.aheads.front());
        pass.aheads.pop_front();
    } else if (!pass.aheads.empty()) {
        dropAheads(pass);
        pass.planned.clear();
    }
    // A row that could not be read has been reported; extracting whatever
    // the previous row held in its place would be wrong.
    if (!haveRow || m_cancel)
        return;
    ++pass.attempted;

    UnzipMode mode = UnzipMode::None;
    pass.trap.step(126, [&] { mode = ModeFromOptions(m_surface.Option1Value(), m_surface.Option2Value()); });
    if (mode == UnzipMode::None) {
        pass.problems.push_back(
            {path, QCoreApplication::translate("BatchRun", "passed over: no unzip mode is selected"), {}});
        return;
    }
    const QString destination = destinationOf(pass, i, path, mode);
    if (ahead && (mode != UnzipMode::OwnSubfolder || ahead->destination() != destination)) {
        ahead->stop();
        dropAheads(pass);
        ahead.reset();
    }

    if (const QString gone = pass.outputFolder.gone(); !gone.isEmpty()) {
        pass.problems.push_back({path, gone, {}});
        return;
    }
    if (!ahead) {
        record(pass, path, extractArchive(pass, i, path, destination));
        return;
    }
    const std::function<void(std::uint64_t)> progress = progressOf(pass);
    startAheads(pass, i, ahead.get());
    ArchiveResult result{path, destination, std::nullopt};
    pass.trap.step(130, [&] { result = ahead->take(progress, waitForTurn); });
    record(pass, path, std::move(result));
}

QString BatchRun::destinationOf(Pass &pass, qsizetype i, const QString &path, UnzipMode mode)
{
    // A subfolder is named once per row: naming it again would find it taken.
    const auto planned = pass.planned.find(i);
    if (planned != pass.planned.end()) {
        const Pass::Planned plan = planned->second;
        pass.planned.erase(planned);
        if (plan.path == path && mode == UnzipMode::OwnSubfolder)
            return plan.destination;
    }
    QString destination;
    pass.trap.step(128, [&] {
        destination = pass.subfolders.destinationFor(path, m_surface.OutputFolderText(), mode, NativeSeparator);
    });
    return destination;
}

std::function<void(std::uint64_t)> BatchRun::progressOf(Pass &pass)
{
    const quint64 archive = m_archiveInWork;
    return [this, &share = pass.share, &gate = pass.gate, archive](std::uint64_t bytes) {
        share.within(bytes);
        const int percent = share.percent();
        if (gate.pass(percent))
            showProgressFrom(archive, percent);
    };
}

ArchiveResult BatchRun::extractArchive(Pass &pass, qsizetype i, const QString &path, const QString &destination)
{
    pass.hooks.workDone = progressOf(pass);
    ArchiveResult result{
        path, destination,
        ArchiveProblem{path, QCoreApplication::translate("BatchRun", "the extraction could not be started"), {}}};
    startAheads(pass, i, nullptr);
    pass.trap.step(
        130, [&] { runArchive([&] { result = RunArchiveJob(path, destination, unzip, pass.hooks, pass.options); }); });
    return result;
}

void BatchRun::record(Pass &pass, const QString &path, ArchiveResult result)
{
    std::optional<ArchiveProblem> &problem = result.problem;
    if (problem && !m_surface.PasswordSet()) {
        const QString summary = QString::fromStdString(NeedsPasswordSummary());
        problem->reason.replace(summary, summary + NeedsPasswordHint());
    }
    if (problem)
        pass.problems.push_back(*problem);
    else if (!result.notes.isEmpty())
        pass.notes.push_back({path, result.notes.join(QStringLiteral("; "))});
    pass.results.push_back(std::move(result));
}

void BatchRun::finish(Pass &pass, const QDateTime &started)
{
    // Progress still on its way from the last archive is not shown over the reset.
    ++m_archiveInWork;
    pass.trap.step(132, [&] { m_surface.SetMousePointer(Pointer::Default); });
    pass.trap.step(134, [&] {
        m_surface.SetProgressValue(0);
        m_surface.SetProgressText(IdleProgressText());
    });
    // The window is closing: nobody is left to read the box.
    if (m_cancel)
        return;
    if (pass.options.report && !pass.results.empty()) {
        const QString report = WindowReportPath(m_surface.OutputFolderText(), started);
        if (const QString failed = WriteRunReport(report, pass.results); !failed.isEmpty())
            pass.notes.push_back(
                {report, QCoreApplication::translate("BatchRun", "the report could not be written: %1").arg(failed)});
    }
    const RunSummary summary = SummarizeRun(pass.attempted, pass.problems, pass.notes);
    Prompts::Answer answer = Prompts::Answer::Ok;
    pass.trap.step(136, [&] {
        answer = pass.prompts.message(summary.text, ApplicationTitle(), Prompts::Buttons::OkOpenFolder,
                                      pass.problems.empty() ? Prompts::Icon::None : Prompts::Icon::Exclamation,
                                      summary.detail);
    });
    if (answer == Prompts::Answer::OpenFolder)
        pass.trap.step(138, [&] {
            const QString folder = m_surface.OutputFolderText();
            if (!pass.prompts.openWithShell(folder))
                pass.prompts.message(
                    QCoreApplication::translate("BatchRun",
                                                "The output folder could not be opened: no program "
                                                "on this computer could show it.\n\nThe folder is:\n%1")
                        .arg(folder),
                    ApplicationTitle(), Prompts::Buttons::Ok, Prompts::Icon::Exclamation);
        });
}
