// The rows of a window's run that go ahead of their turn (AheadJob.h).
#include "BatchRun.h"

#include "AheadJob.h"
#include "BatchRunPass.h"
#include "common/PathHelpers.h"
#include "joblist/JobList.h"

#include <QThread>

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

void BatchRun::startAheads(Pass &pass, qsizetype i, AheadJob *inWork)
{
    // Answers the user gives for one archive serve the next: those wait their turn.
    if (!readAhead || pass.hooks.askPassword)
        return;
    // One lane a processor, as the command's archives side by side. Twice as
    // many rows as lanes are named and queued, so that a lane goes straight
    // on to the next archive; only those on a lane hold memory (their
    // archive, up to 4 MiB, and their decoders' buffers).
    const int lanes = std::max(1, QThread::idealThreadCount());
    if (!pass.lanes)
        pass.lanes = std::make_unique<AheadLanes>(lanes);
    const qsizetype most = 2 * lanes;
    for (qsizetype next = pass.aheads.empty() ? i + 1 : pass.aheads.back()->row() + 1;
         qsizetype(pass.aheads.size()) < most && !m_stop && !m_cancel; ++next) {
        AheadJob *before = pass.aheads.empty() ? inWork : pass.aheads.back().get();
        if (!startAhead(pass, next))
            return;
        if (before)
            before->precede(*pass.aheads.back());
    }
}

bool BatchRun::startAhead(Pass &pass, qsizetype i)
{
    QString path;
    bool last = false;
    try {
        const qsizetype count = pass.rows.Count();
        last = i == count;
        if (i > count || ModeFromOptions(m_surface.Option1Value(), m_surface.Option2Value()) != UnzipMode::OwnSubfolder
            || !pass.outputFolder.gone().isEmpty())
            return false;
        path = pass.rows.Text(i);
    } catch (...) {
        return false; // the row is reported when the run reaches it
    }
    const QString destination
        = pass.subfolders.destinationFor(path, m_surface.OutputFolderText(), UnzipMode::OwnSubfolder, NativeSeparator);
    pass.planned[i] = Pass::Planned{path, destination};
    struct stat info {};
    if (lstat(FileNameBytes(destination).constData(), &info) == 0 || errno != ENOENT)
        return false;
    // One engine thread a row while later rows keep the other lanes busy;
    // the last row has every processor, as the command gives its last archive.
    UnzipHooks rowHooks = pass.hooks;
    rowHooks.threads = last ? 0 : 1;
    pass.aheads.push_back(std::make_unique<AheadJob>(
        i, path, destination,
        [this, &options = pass.options, path, destination](const UnzipHooks &hooks) {
            return RunArchiveJob(path, destination, unzip, hooks, options);
        },
        std::move(rowHooks), [this] { return m_stop.load() || m_stopNow.load() || m_cancel.load(); }, *pass.lanes));
    return true;
}

void BatchRun::dropAheads(Pass &pass)
{
    // All are told first: one that ran on while another is waited for could
    // finish in the meantime, and its files would stay.
    for (std::unique_ptr<AheadJob> &ahead : pass.aheads)
        ahead->stop();
    pass.aheads.clear();
}

qsizetype BatchRun::withdrawAheads(Pass &pass, qsizetype i)
{
    // In order: those that had finished are archives extracted, up to the
    // first that was withdrawn in time; the rest count as not started.
    std::deque<std::unique_ptr<AheadJob>> aheads = std::move(pass.aheads);
    for (std::unique_ptr<AheadJob> &ahead : aheads)
        ahead->stop();
    bool counting = true;
    for (std::unique_ptr<AheadJob> &ahead : aheads) {
        std::optional<ArchiveResult> finished = ahead->withdraw();
        counting = counting && finished && ahead->row() == i;
        if (!counting)
            continue;
        ++pass.attempted;
        record(pass, finished->archive, std::move(*finished));
        ++i;
    }
    return i;
}
