// The closing "Done." box: it keeps its one word when every archive was
// extracted cleanly, and otherwise says how many were not and why.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

struct ArchiveProblem {
    QString path;
    QString reason;
    QStringList messages; // the engine's lines about the entries that failed
};

// What a clean archive's run did besides extracting it ("moved to the trash").
struct ArchiveNote {
    QString path;
    QString text;
};

struct RunSummary {
    QString text;     // the box's text
    QString headline; // its first lines, without the short list
    QString detail;   // the folded-away part: the full list with the engine's lines
};

// Lists of up to this many archives are shown in the box itself.
inline constexpr int SummaryListLimit = 10;

// The notes follow the problems; without either the box says "Done." alone.
RunSummary SummarizeRun(qsizetype archiveCount, const std::vector<ArchiveProblem> &problems,
                        const std::vector<ArchiveNote> &notes = {});
