#include "ArchiveJob.h"

#include "AfterExtract.h"

#include <QDir>
#include <QFileInfo>

#include <chrono>

namespace {

// The engine names each file it writes ("extracted: NAME") and each entry it
// passes over ("skipped: NAME: why"); the sizes are read back only for a report.
struct EngineLines {
    int files = 0, skipped = 0;
    QStringList written;
    bool keepNames = false;

    void take(const std::string &line)
    {
        if (line.rfind("extracted: ", 0) == 0) {
            ++files;
            if (keepNames)
                written << QString::fromStdString(line.substr(11));
        } else if (line.rfind("skipped: ", 0) == 0) {
            ++skipped;
        }
    }
};

std::uint64_t sizeOf(const QStringList &names, const QString &destination)
{
    const QDir folder(destination);
    std::uint64_t bytes = 0;
    for (const QString &name : names)
        bytes += std::uint64_t(std::max<qint64>(QFileInfo(folder.filePath(name)).size(), 0));
    return bytes;
}

// "opened by the 3rd password of the list": which one, never the password.
QString OpenedByNote(std::size_t position)
{
    const std::size_t lastTwo = position % 100, last = position % 10;
    const char *suffix = (lastTwo >= 11 && lastTwo <= 13) || last == 0 || last > 3 ? "th"
                         : last == 1                                             ? "st"
                         : last == 2                                             ? "nd"
                                                                                 : "rd";
    return QStringLiteral("opened by the %1%2 password of the list").arg(position).arg(QLatin1String(suffix));
}

} // namespace

ArchiveResult RunArchiveJob(const QString &archive, const QString &destination, const UnzipFunction &unzip,
                            UnzipHooks hooks, const RunOptions &options)
{
    ArchiveResult result{archive, destination, {}, 0, 0, 0, 0, {}};
    EngineLines lines;
    lines.keepNames = options.report || !options.reportFile.isEmpty();
    auto forward = std::move(hooks.progress);
    hooks.progress = [&lines, forward](const std::string &line) {
        lines.take(line);
        if (forward)
            forward(line);
    };
    std::size_t openedBy = 0;
    hooks.openedByListPassword = [&openedBy](std::size_t position) { openedBy = position; };
    const auto start = std::chrono::steady_clock::now();
    result.problem = ExtractArchive(archive, destination, unzip, hooks);
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    result.files = lines.files;
    result.skipped = lines.skipped;
    if (lines.keepNames)
        result.bytes = sizeOf(lines.written, destination);
    if (result.problem)
        return result;
    if (openedBy > 0)
        result.notes << OpenedByNote(openedBy);
    if (const QString failed = DisposeOfArchive(archive, options.after, options.afterFolder); !failed.isEmpty())
        result.problem = ArchiveProblem{archive, failed, {}};
    else if (options.after == RunOptions::After::Trash)
        result.notes << QStringLiteral("moved to the trash");
    else if (options.after == RunOptions::After::Move)
        result.notes << QStringLiteral("moved to \"%1\"").arg(options.afterFolder);
    return result;
}
