// One marrowlyn-batch run after its command line: the plan worked out before
// any archive is touched, the extraction that carries it out, and the
// summary that closes it. RunBatchCommand tells them in that order.
#pragma once

#include "BatchCommand.h"
#include "BatchOptions.h"

#include "ArchiveJob.h"
#include "Destination.h"
#include "RunOptions.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// What one run works through, worked out before any archive is touched.
struct BatchPlan {
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

inline void Say(std::FILE *to, const QString &text) { std::fprintf(to, "%s\n", text.toLocal8Bit().constData()); }

inline bool StopAsked(const BatchIo &io) { return io.stopRequested && io.stopRequested(); }

// The output folder and the mode; false, with `error` set, when the folder
// is missing or the window's stored one cannot be read.
bool ChooseOutputAndMode(const BatchOptions &o, BatchPlan &plan, QString &error);
// The archives of the paths named (after the run's options are resolved:
// a folder scan collects the kinds they open); false, with `error` set, for a path that
// is neither an archive nor a folder.
bool CollectNamedArchives(const BatchOptions &o, const BatchIo &io, BatchPlan &plan, QString &error);
// The destinations, sizes and chains of the archives collected.
void PlanChains(BatchPlan &plan);

// Extracts every archive of the plan, chains side by side; answers what
// became of each, in list order.
std::vector<ArchiveResult> ExtractAll(const BatchPlan &plan, const BatchOptions &o, const BatchIo &io);

// --list: prints each archive's entries; answers the exit status.
int ListArchives(const BatchPlan &plan, const BatchOptions &o, const BatchIo &io);

// The window's "Done." summary, archives in list order whatever order they
// finished in; answers the exit status.
int PrintSummary(const BatchPlan &plan, const std::vector<ArchiveResult> &results, const BatchOptions &o,
                 const BatchIo &io);
