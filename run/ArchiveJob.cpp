#include "ArchiveJob.h"

#include "AfterExtract.h"
#include "NestedArchives.h"

#include "HeldFolder.h"
#include "joblist/ArchiveKinds.h"
#include "common/PathHelpers.h"
#include "VisibleText.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// The engine names each file it writes ("extracted: NAME", or "...: written
// as PATH" when the path written is not the entry's name, as beside a file of
// its name) and each entry it passes over ("skipped: NAME: why"). The paths are
// kept as the engine wrote them, relative to the destination, and only ever
// opened beneath it: the entry's name may say "../" where the file did not go.
struct EngineLines {
    int files = 0, skipped = 0, renamed = 0;
    std::vector<std::string> written;
    bool keepNames = false;

    void take(const std::string &line)
    {
        const bool renaming = line.rfind("renamed: ", 0) == 0;
        if (line.rfind("extracted: ", 0) == 0 || renaming) {
            // A folder entry is said too; it is no file of the summary's.
            if (!renaming && (line.back() == '/' || line.back() == '\\'))
                return;
            ++files;
            renamed += renaming ? 1 : 0;
            if (keepNames)
                written.push_back(writtenPath(line, renaming ? 9 : 11));
        } else if (line.rfind("skipped: ", 0) == 0) {
            ++skipped;
        }
    }

    static std::string writtenPath(const std::string &line, std::size_t nameStart)
    {
        static const std::string writtenAs = ": written as ";
        const std::size_t at = line.rfind(writtenAs);
        if (at == std::string::npos || at < nameStart)
            return TextFromVisible(std::string_view(line).substr(nameStart));
        return TextFromVisible(std::string_view(line).substr(at + writtenAs.size()));
    }
};

ExistingFile RuleFor(RunOptions::OnConflict onConflict)
{
    switch (onConflict) {
    case RunOptions::OnConflict::Skip: return ExistingFile::Keep;
    case RunOptions::OnConflict::Rename: return ExistingFile::KeepBoth;
    case RunOptions::OnConflict::Newer: return ExistingFile::ReplaceOlder;
    case RunOptions::OnConflict::Replace: break;
    }
    return ExistingFile::Replace;
}

// What the summary says of the files already in place, when any were.
QStringList ConflictNotes(int skipped, int renamed)
{
    QStringList notes;
    // English has two forms, told apart here; Qt's plural forms give each
    // language its own (%n).
    if (skipped > 0)
        notes << (skipped == 1
                      ? QCoreApplication::translate("ArchiveJob", "%n file kept as it was", nullptr, skipped)
                      : QCoreApplication::translate("ArchiveJob", "%n files kept as they were", nullptr, skipped));
    if (renamed > 0)
        notes << (renamed == 1 ? QCoreApplication::translate("ArchiveJob", "%n file renamed", nullptr, renamed)
                               : QCoreApplication::translate("ArchiveJob", "%n files renamed", nullptr, renamed));
    return notes;
}

std::uint64_t sizeOf(const std::vector<std::string> &paths, const QString &destination)
{
    const HeldFolder folder = HeldFolder::open(FileNameBytes(destination).toStdString());
    std::uint64_t bytes = 0;
    for (const std::string &path : paths) {
        const int fd = folder.openRegularFile(path);
        struct stat info {};
        if (fd >= 0 && ::fstat(fd, &info) == 0)
            bytes += std::uint64_t(std::max<off_t>(info.st_size, 0));
        if (fd >= 0)
            ::close(fd);
    }
    return bytes;
}

// "opened by the 3rd password of the list": which one, never the password.
QString OpenedByNote(std::size_t position)
{
    const std::size_t lastTwo = position % 100, last = position % 10;
    const QString ordinal
        = ((lastTwo >= 11 && lastTwo <= 13) || last == 0 || last > 3 ? QCoreApplication::translate("ArchiveJob", "%1th")
               : last == 1                                           ? QCoreApplication::translate("ArchiveJob", "%1st")
               : last == 2                                           ? QCoreApplication::translate("ArchiveJob", "%1nd")
                           : QCoreApplication::translate("ArchiveJob", "%1rd"))
              .arg(position);
    return QCoreApplication::translate("ArchiveJob", "opened by the %1 password of the list").arg(ordinal);
}

// A 7z opened through "Open with" while the window reads ZIP alone is
// listed like any file; the run says how to open it instead of "not .zip".
QString OtherKindRefused(const RunOptions &options)
{
    return QCoreApplication::translate("ArchiveJob", "not a ZIP archive: %1")
        .arg(options.otherKindAdvice.isEmpty() ? QCoreApplication::translate(
                 "ArchiveJob", "choose \"Every kind Marrowlyn reads\" in More Options to open it")
                                               : options.otherKindAdvice);
}

} // namespace

ArchiveResult RunArchiveJob(const QString &archive, const QString &destination, const UnzipFunction &unzip,
                            UnzipHooks hooks, const RunOptions &options)
{
    ArchiveResult result{archive, destination, {}};
    EngineLines lines;
    lines.keepNames = options.report || !options.reportFile.isEmpty() || options.nested;
    hooks.existingFile = RuleFor(options.onConflict);
    hooks.everyKind = options.kinds == RunOptions::Kinds::All;
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
    result.renamed = lines.renamed;
    if (lines.keepNames)
        result.bytes = sizeOf(lines.written, destination);
    if (result.problem && options.kinds == RunOptions::Kinds::Zip && IsOtherKindName(FileNameFromPath(archive)))
        result.problem->reason = OtherKindRefused(options);
    if (result.problem)
        return result;
    if (options.nested) {
        const NestedOutcome nested = ExtractNested(lines.written, destination, unzip, hooks,
                                                   {options.removeNested, NestedBudget(archive, result.bytes)});
        if (!nested.failures.isEmpty()) {
            // Not clean as a whole: it stays where it is, whatever was asked.
            result.problem = ArchiveProblem{
                archive,
                QCoreApplication::translate("ArchiveJob", "extracted, but not every archive inside: %1")
                    .arg(nested.failures.join("; ")),
                {}};
            return result;
        }
        if (const QString note = NestedNote(nested); !note.isEmpty())
            result.notes << note;
    }
    result.notes << ConflictNotes(result.skipped, result.renamed);
    if (openedBy > 0)
        result.notes << OpenedByNote(openedBy);
    if (const QString failed = DisposeOfArchive(archive, options.after, options.afterFolder); !failed.isEmpty())
        result.problem = ArchiveProblem{archive, failed, {}};
    else if (options.after == RunOptions::After::Trash)
        result.notes << QCoreApplication::translate("ArchiveJob", "moved to the trash");
    else if (options.after == RunOptions::After::Move)
        result.notes << QCoreApplication::translate("ArchiveJob", "moved to \"%1\"").arg(options.afterFolder);
    return result;
}
