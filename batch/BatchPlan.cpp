#include "BatchPlan.h"

#include "ArchiveKinds.h"
#include "ArchiveScan.h"
#include "PartSets.h"
#include "ChainScheduler.h"
#include "Destination.h"
#include "RunProgress.h"
#include "SubfolderNames.h"
#include "common/PathHelpers.h"
#include "RuntimeError.h"
#include "common/Settings.h"
#include "common/VisibleQText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

namespace {

// The window's stored mode, for --window-settings.
UnzipMode storedMode()
{
    try {
        return ModeFromOptions(SettingToBoolean(ReadSetting(SettingKey::Option1)),
                               SettingToBoolean(ReadSetting(SettingKey::Option2)));
    } catch (const RuntimeError &) {
        return UnzipMode::OwnSubfolder;
    }
}

} // namespace

// As command-line extractors do: into the current folder, one subfolder per
// archive, unless the command line or --window-settings says otherwise.
bool ChooseOutputAndMode(const BatchOptions &o, BatchPlan &plan, QString &error)
{
    plan.output = o.output;
    if (plan.output.isEmpty() && o.windowSettings) {
        try {
            plan.output = ReadSetting(SettingKey::OutputDirectory);
        } catch (const RuntimeError &e) {
            error = QCoreApplication::translate(
                        "BatchCommand", "No output folder given, and the window's stored one cannot be read (%1).")
                        .arg(QString::fromStdString(e.what()));
            return false;
        }
    } else if (plan.output.isEmpty()) {
        plan.output = QDir::currentPath();
    }
    // As other archivers' -o: a folder named on the command line is made, parents and all.
    if (!o.output.isEmpty() && !IsFolderPresent(plan.output) && !QDir().mkpath(plan.output)) {
        error = QCoreApplication::translate("BatchCommand", "The output folder \"%1\" cannot be created.")
                    .arg(VisibleText(plan.output));
        return false;
    }
    if (!IsFolderPresent(plan.output)) {
        error = QCoreApplication::translate("BatchCommand", "The output folder \"%1\" does not exist.")
                    .arg(VisibleText(plan.output));
        return false;
    }
    plan.mode = o.mode ? (*o.mode == BatchOptions::Mode::Subfolders ? UnzipMode::OwnSubfolder : UnzipMode::OneFolder)
        : o.windowSettings ? storedMode()
                           : UnzipMode::OwnSubfolder;
    return true;
}

// The archives named and those found in the folders named; a folder that
// cannot be scanned whole is said on standard error, and the run goes on.
// The named parts of an archive in parts (a shell's "a.zip.*") are one archive.
bool CollectNamedArchives(const BatchOptions &o, const BatchIo &io, BatchPlan &plan, QString &error)
{
    PartSetFilter sets;
    for (const QString &path : o.paths) {
        const QFileInfo info(path);
        struct stat named {};
        const bool exists = ::stat(FileNameBytes(path).constData(), &named) == 0;
        const int why = errno;
        if (exists && S_ISDIR(named.st_mode)) {
            const QString folder = QDir::cleanPath(info.absoluteFilePath());
            ScanHooks hooks;
            hooks.failed = [&](const QString &reason) {
                Say(io.err,
                    QCoreApplication::translate("BatchCommand", "marrowlyn-batch: the scan of \"%1\" is incomplete: %2")
                        .arg(VisibleText(folder), VisibleText(reason)));
                plan.scanIncomplete = true;
            };
            const QStringList patterns = !o.extension.isEmpty() ? ScanPatterns(QStringLiteral("*.") + o.extension)
                : plan.options.kinds == RunOptions::Kinds::All  ? EveryKindPatterns()
                                                                : ScanPatterns(QStringLiteral("*.zip"));
            WalkArchives(folder, patterns, hooks, [&plan](const QString &archive) { plan.archives += archive; });
        } else if (exists) {
            const QString archive = sets.admit(info.absoluteFilePath());
            if (!archive.isEmpty())
                plan.archives += archive;
        } else if (why == ENOENT || why == ENOTDIR) {
            error
                = QCoreApplication::translate("BatchCommand", "\"%1\": no such file or folder.").arg(VisibleText(path));
            return false;
        } else {
            error = QCoreApplication::translate("BatchCommand", "\"%1\" is neither an archive nor a folder.")
                        .arg(VisibleText(path));
            return false;
        }
    }
    return true;
}

// Archives that share a destination form a chain run in list order; the
// chains go biggest first, so one large archive does not start last and run alone.
void PlanChains(BatchPlan &plan)
{
    SubfolderNamer subfolders(plan.options.subfolderName);
    for (const QString &archive : plan.archives) {
        plan.destinations.push_back(
            FileNameBytes(subfolders.destinationFor(archive, plan.output, plan.mode)).toStdString());
        plan.sizes.push_back(WorkShare::WeightOf(archive)); // every part of a set
        plan.totalBytes += plan.sizes.back();
    }
    auto chains = ChainsByKey(plan.destinations);
    std::vector<std::uint64_t> chainBytes(chains.size());
    for (std::size_t c = 0; c < chains.size(); ++c)
        for (std::size_t i : chains[c])
            chainBytes[c] += plan.sizes[i];
    std::vector<std::size_t> order(chains.size());
    for (std::size_t c = 0; c < order.size(); ++c)
        order[c] = c;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return chainBytes[a] > chainBytes[b]; });
    for (std::size_t c : order)
        plan.chains.push_back(std::move(chains[c]));
}
