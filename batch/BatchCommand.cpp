// The command's story: the command line, the passwords, the plan, the
// extraction, the summary. Each step lives in the file named for it.
#include "BatchCommand.h"

#include "BatchOptions.h"
#include "BatchPasswords.h"
#include "BatchPlan.h"

#include "engine/cUnzip.h"
#include "engine/mUnzip.h"

#include <QCoreApplication>

namespace {

int usageError(const BatchIo &io, const QString &text)
{
    Say(io.err, QStringLiteral("marrowlyn-batch: ") + text);
    return UsageError;
}

QString versionText()
{
    QString text = QStringLiteral("marrowlyn-batch %1\n").arg(QStringLiteral(MARROWLYN_VERSION));
    try {
        cUnzip probe;
        int32_t major = 0, minor = 0, revision = 0;
        UnzipDateTime date{};
        std::string extra;
        probe.GetVersion(major, minor, revision, date, extra);
        text += QStringLiteral("engine libunzip32 %1.%2.%3").arg(major).arg(minor).arg(revision);
        const QString level = QString::fromStdString(extra).trimmed();
        if (!level.isEmpty())
            text += QLatin1Char(' ') + level;
    } catch (const std::exception &e) {
        text += QCoreApplication::translate("BatchCommand", "engine libunzip32: not available (%1)")
                    .arg(QString::fromLocal8Bit(e.what()));
    }
    return text;
}

// For scripts, which branch on the status; the README lists the same.
QString exitStatusText()
{
    return QCoreApplication::translate("BatchCommand",
                                       "\nExit status:\n"
                                       "  %1    every archive was extracted cleanly\n"
                                       "  %2    some were not, or a folder could not be scanned whole\n"
                                       "  %3    a usage error: nothing was extracted\n"
                                       "  %4  stopped by Ctrl-C or SIGTERM; the summary says what was done\n")
        .arg(AllExtracted)
        .arg(SomeNotExtracted)
        .arg(UsageError)
        .arg(Stopped);
}

} // namespace

int RunBatchCommand(const QStringList &arguments, const BatchIo &io)
{
    const ParsedCommandLine parsed = ParseBatchCommandLine(arguments);
    switch (parsed.action) {
    case ParsedCommandLine::Action::UsageError: return usageError(io, parsed.error);
    case ParsedCommandLine::Action::Help:
        std::fputs((parsed.helpText + exitStatusText()).toLocal8Bit().constData(), io.out);
        return AllExtracted;
    case ParsedCommandLine::Action::Version: Say(io.out, versionText()); return AllExtracted;
    case ParsedCommandLine::Action::Run: break;
    }
    const BatchOptions &o = parsed.options;

    QString error;
    const auto password = ReadRunPassword(o, io, error);
    if (!password)
        return usageError(io, error);
    const auto passwords = ReadPasswordList(o.run.passwordsFile, error);
    if (!passwords)
        return usageError(io, error);
    BatchPlan plan;
    plan.passwords = *passwords;
    plan.options = o.run.resolve(o.windowSettings);
    // A test or a listing writes nothing: no output folder is needed.
    const bool writes = o.work == BatchOptions::Work::Extract;
    if ((writes && !ChooseOutputAndMode(o, plan, error)) || !CollectNamedArchives(o, io, plan, error))
        return usageError(io, error);
    if (o.work == BatchOptions::Work::List)
        return ListArchives(plan, o, io);
    if (!writes) {
        plan.options.after = RunOptions::After::Keep;
        plan.options.nested = false;
    }
    PlanChains(plan);
    SetCurrentPassword(*password);
    return PrintSummary(plan, ExtractAll(plan, o, io), o, io);
}
