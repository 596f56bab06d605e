#include "BatchPlan.h"

#include "RunReport.h"
#include "RunSummary.h"
#include "common/VisibleQText.h"

#include <QCoreApplication>

int PrintSummary(const BatchPlan &plan, const std::vector<ArchiveResult> &results, const BatchOptions &o,
                 const BatchIo &io)
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
            Say(io.err,
                QCoreApplication::translate("BatchCommand",
                                            "marrowlyn-batch: the report \"%1\" could not be written: %2")
                    .arg(VisibleText(plan.options.reportFile), VisibleText(failed)));
            reportFailed = true;
        }
    }
    const RunSummary summary = SummarizeRun(plan.archives.size(), ordered, notes);
    if (!o.quiet || !ordered.empty()) {
        std::FILE *to = ordered.empty() ? io.out : io.err;
        if (summary.detail.isEmpty()) {
            Say(to, summary.text);
        } else {
            // A terminal has room for the details, which repeat the box's own
            // short list with the engine's lines: print the headline, then them.
            Say(to, summary.headline + QLatin1Char(':'));
            Say(to, summary.detail);
        }
    }
    if (StopAsked(io))
        return Stopped;
    return ordered.empty() && !plan.scanIncomplete && !reportFailed ? AllExtracted : SomeNotExtracted;
}
