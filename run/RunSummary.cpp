#include "RunSummary.h"

#include "common/VisibleQText.h"

#include <QCoreApplication>

namespace {
// Paths and reasons name what a sender chose: one line each, no terminal commands.
QString problemLine(const ArchiveProblem &problem)
{
    return VisibleText(problem.path) + QStringLiteral(": ") + VisibleText(problem.reason);
}
} // namespace

namespace {

void addNotes(RunSummary &summary, const std::vector<ArchiveNote> &notes)
{
    if (notes.empty())
        return;
    QStringList lines;
    for (const ArchiveNote &note : notes)
        lines << VisibleText(note.path) + QStringLiteral(": ") + VisibleText(note.text);
    const qsizetype shown = std::min<qsizetype>(lines.size(), SummaryListLimit);
    summary.text += QStringLiteral("\n\n") + lines.mid(0, shown).join(QLatin1Char('\n'));
    if (shown < lines.size())
        summary.text += QCoreApplication::translate("RunSummary", "\nand %1 more; the details list them all.")
                            .arg(lines.size() - shown);
    if (shown < lines.size() || !summary.detail.isEmpty())
        summary.detail
            += (summary.detail.isEmpty() ? QString() : QStringLiteral("\n\n")) + lines.join(QLatin1Char('\n'));
}

RunSummary summarizeProblems(qsizetype archiveCount, const std::vector<ArchiveProblem> &problems)
{
    RunSummary summary;
    summary.text = QCoreApplication::translate("RunSummary", "Done.");
    summary.headline = summary.text;
    if (problems.empty())
        return summary;

    const auto count = qsizetype(problems.size());
    summary.headline += QStringLiteral("\n\n")
        + (archiveCount == 1
               ? QCoreApplication::translate("RunSummary", "%1 of %2 archive was not extracted cleanly")
                     .arg(count)
                     .arg(archiveCount)
               : (count == 1 ? QCoreApplication::translate("RunSummary", "%n of %1 archives was not extracted cleanly",
                                                           nullptr, int(count))
                             : QCoreApplication::translate("RunSummary", "%n of %1 archives were not extracted cleanly",
                                                           nullptr, int(count)))
                     .arg(archiveCount));
    summary.text = summary.headline;
    bool anyMessages = false;
    for (const ArchiveProblem &problem : problems)
        anyMessages = anyMessages || !problem.messages.isEmpty();

    if (count <= SummaryListLimit) {
        summary.text += QLatin1Char(':');
        for (const ArchiveProblem &problem : problems)
            summary.text += QLatin1Char('\n') + problemLine(problem);
    } else {
        summary.text += QCoreApplication::translate("RunSummary", "; the details list them all.");
    }

    if (count > SummaryListLimit || anyMessages) {
        QStringList lines;
        for (const ArchiveProblem &problem : problems) {
            lines << problemLine(problem);
            for (const QString &message : problem.messages)
                lines << QStringLiteral("    ") + VisibleText(message);
        }
        summary.detail = lines.join(QLatin1Char('\n'));
    }
    return summary;
}

} // namespace

RunSummary SummarizeRun(qsizetype archiveCount, const std::vector<ArchiveProblem> &problems,
                        const std::vector<ArchiveNote> &notes)
{
    RunSummary summary = summarizeProblems(archiveCount, problems);
    addNotes(summary, notes);
    return summary;
}
