// --list: each archive's entries, one tab-separated line each, for reading
// and for scripts. Names come from the archive's writer: escaped, so a tab or
// a newline in one cannot forge a column or a line.
#include "BatchPlan.h"

#include "VisibleText.h"
#include "common/PathHelpers.h"
#include "common/VisibleQText.h"
#include "engine/cUnzip.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdio>

namespace {

std::string Column(const std::string &text) { return VisibleText(text); }

std::string PackedSize(const cUnzip &unzip, int32_t i)
{
    try {
        return std::to_string(unzip.FilePackedSize(i));
    } catch (const std::exception &) {
        return "?"; // too large for the engine's table to say
    }
}

std::string TimeText(UnzipDateTime when)
{
    const auto day = std::chrono::floor<std::chrono::days>(when);
    const std::chrono::year_month_day date{day};
    const std::chrono::hh_mm_ss time{std::chrono::floor<std::chrono::seconds>(when - day)};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02d", int(date.year()), unsigned(date.month()),
                  unsigned(date.day()), int(time.hours().count()), int(time.minutes().count()),
                  int(time.seconds().count()));
    return text;
}

void PrintEntries(const cUnzip &unzip, const std::string &archive, std::FILE *to)
{
    for (int32_t i = 1; i <= unzip.FileCount(); ++i) {
        const std::string folder = unzip.FileDirectory(i);
        const std::string name = folder.empty() ? unzip.Filename(i) : folder + "/" + unzip.Filename(i);
        const std::string line = Column(archive) + '\t' + Column(name) + '\t' + std::to_string(unzip.FileSize(i)) + '\t'
            + PackedSize(unzip, i) + '\t' + Column(unzip.FileCompressionMethod(i)) + '\t' + TimeText(unzip.FileDate(i))
            + '\t' + (unzip.FileEncrypted(i) ? "encrypted" : "-");
        std::fprintf(to, "%s\n", line.c_str());
    }
}

} // namespace

int ListArchives(const BatchPlan &plan, const BatchOptions &o, const BatchIo &io)
{
    bool failed = plan.scanIncomplete;
    for (const QString &archive : plan.archives) {
        if (StopAsked(io))
            return Stopped;
        cUnzip unzip;
        unzip.NameCodePage(o.nameCodePage);
        const std::string path = FileNameBytes(archive).toStdString();
        unzip.ZipFile(path);
        unzip.Directory();
        if (unzip.LastEngineResult() != 0) { // anything but the engine's "ok"
            Say(io.err,
                QCoreApplication::translate("BatchCommand",
                                            "marrowlyn-batch: \"%1\" cannot be listed: the archive is damaged, "
                                            "unreadable or not an archive (the engine answered %2).")
                    .arg(VisibleText(archive))
                    .arg(unzip.LastEngineResult()));
            failed = true;
            continue;
        }
        PrintEntries(unzip, path, io.out);
    }
    return failed ? SomeNotExtracted : AllExtracted;
}
