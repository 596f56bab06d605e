// What the steps of one run share; for the files BatchRun's steps are spread over.
#pragma once

#include "AheadJob.h"
#include "BatchRun.h"
#include "OutputFolderWatch.h"
#include "RunProgress.h"
#include "SubfolderNames.h"
#include "common/TrappedProcedure.h"

#include <deque>
#include <map>
#include <memory>
#include <vector>

// What the steps of one run share, and what it gathers for the "Done." box.
struct BatchRun::Pass {
    TrappedProcedure &trap;
    Prompts &prompts;
    JobList &rows;
    const RunOptions &options;
    WorkShare share;
    FrameGate gate;
    UnzipHooks hooks;
    OutputFolderWatch outputFolder;
    SubfolderNamer subfolders;
    std::vector<ArchiveProblem> problems = {};
    std::vector<ArchiveNote> notes = {};
    std::vector<ArchiveResult> results = {};
    qsizetype attempted = 0;
    // The rows looked at ahead of their turn, and their subfolders, named then.
    struct Planned {
        QString path, destination;
    };
    std::map<qsizetype, Planned> planned = {};
    // The rows going ahead, in order, each the one after the last, and the
    // lanes they are extracted on. Last, so that they are withdrawn before
    // what their jobs refer to goes.
    std::unique_ptr<AheadLanes> lanes = {};
    std::deque<std::unique_ptr<AheadJob>> aheads = {};
};
