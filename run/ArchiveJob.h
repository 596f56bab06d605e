// One archive of a run with the run's choices ("More Options..."), as every
// front end does it: extracted, counted for the summary and the report, and
// then, only when it was extracted cleanly, dealt with as the user chose.
#pragma once

#include "BatchRun.h"
#include "RunOptions.h"
#include "RunSummary.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

struct ArchiveResult {
    QString archive;
    QString destination;
    std::optional<ArchiveProblem> problem; // not extracted cleanly, or what followed failed
    int files = 0;                         // files the engine wrote
    int skipped = 0;                       // entries it passed over (a file of that name was kept)
    std::uint64_t bytes = 0;               // the size of the files written
    double seconds = 0;
    QStringList notes = {}; // what the summary says of a clean archive ("moved to the trash")
    int renamed = 0;        // files written beside one of their name (counted in files too)
};

// Safe to call on a worker thread; `hooks.progress` still sees every line.
ArchiveResult RunArchiveJob(const QString &archive, const QString &destination, const UnzipFunction &unzip,
                            UnzipHooks hooks, const RunOptions &options);
