#include "NestedArchives.h"

#include "RunProgress.h"
#include "HeldFolder.h"
#include "common/PathHelpers.h"
#include "VisibleText.h"
#include "engine/cUnzip.h"

#include <QCoreApplication>

#include <cctype>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::uint64_t MostExpansion = 1032;

bool EndsWithZip(const std::string &name)
{
    if (name.size() < 4)
        return false;
    std::string end = name.substr(name.size() - 4);
    for (char &c : end)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return end == ".zip";
}

// What an archive's entries declare, as listed (the engine writes no more
// than an entry declares); 0 when it cannot be listed, and then its
// extraction says why.
std::uint64_t DeclaredBytes(const std::string &archive)
{
    cUnzip unzip;
    unzip.ZipFile(archive);
    unzip.Directory();
    std::uint64_t total = 0;
    if (unzip.LastEngineResult() == 0)
        for (int32_t i = 1; i <= unzip.FileCount(); ++i)
            total += std::uint32_t(unzip.FileSize(i)); // the listing's sizes stop at 4 GiB
    return total;
}

// An archive inside, opened and checked: the folder it lies in and the file,
// both held by descriptor. The engine takes paths, so it is handed one
// through the held folder, and the name is checked to be the same file again
// before anything is done with it.
struct HeldArchive {
    HeldFolder folder;
    std::string name; // one plain component
    int fd = -1;
    struct stat opened {};

    HeldArchive() = default;
    HeldArchive(const HeldArchive &) = delete;
    HeldArchive &operator=(const HeldArchive &) = delete;
    ~HeldArchive()
    {
        if (fd >= 0)
            ::close(fd);
    }

    bool hold(const HeldFolder &top, const std::string &relative)
    {
        const std::size_t slash = relative.rfind('/');
        name = slash == std::string::npos ? relative : relative.substr(slash + 1);
        folder = slash == std::string::npos ? HeldFolder::adopt(::fcntl(top.fd(), F_DUPFD_CLOEXEC, 0))
                                            : top.folderBeneath(std::string_view(relative).substr(0, slash));
        if (!folder.held() || !IsPlainName(name))
            return false;
        fd = folder.openRegularFile(name);
        return fd >= 0 && ::fstat(fd, &opened) == 0;
    }
    QString pathOf(const std::string &entry) const
    {
        return FileNameFromBytes(QByteArray::fromStdString(DescriptorPath(folder.fd()) + '/' + entry));
    }
    bool unchanged() const
    {
        struct stat now {};
        return ::fstatat(folder.fd(), name.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0 && now.st_dev == opened.st_dev
            && now.st_ino == opened.st_ino;
    }
};

} // namespace

std::uint64_t NestedBudget(const QString &archive, std::uint64_t written)
{
    const std::uint64_t size = WorkShare::WeightOf(archive);
    const std::uint64_t most = size > UINT64_MAX / MostExpansion ? UINT64_MAX : size * MostExpansion;
    return most > written ? most - written : 0;
}

NestedOutcome ExtractNested(const std::vector<std::string> &written, const QString &destination,
                            const UnzipFunction &unzip, UnzipHooks hooks, const NestedChoices &choices)
{
    NestedOutcome outcome;
    hooks.progress = {}; // their files are not the outer archive's
    hooks.workDone = {};
    hooks.openedByListPassword = {};
    const HeldFolder top = HeldFolder::open(FileNameBytes(destination).toStdString());
    std::uint64_t left = choices.budget;
    for (const std::string &relative : written) {
        HeldArchive archive;
        if (!EndsWithZip(relative) || !archive.hold(top, relative))
            continue;
        const QString shown = QString::fromStdString(VisibleText(relative)) + QStringLiteral(": ");
        const QString path = archive.pathOf(archive.name);
        const std::uint64_t declared = DeclaredBytes(FileNameBytes(path).toStdString());
        if (declared > left) {
            // The first refused ends the round: the rest would only repeat it.
            outcome.failures << shown
                    + QCoreApplication::translate(
                          "NestedArchives",
                          "refused, with the archives inside after it: together they would unpack to more "
                          "than %1 times the size of the archive that holds them")
                          .arg(MostExpansion);
            break;
        }
        if (!archive.unchanged()) {
            outcome.failures << shown
                    + QCoreApplication::translate("NestedArchives", "it was replaced before it could be extracted");
            continue;
        }
        const QString folder = archive.pathOf(PlainNameOf(archive.name.substr(0, archive.name.size() - 4)));
        if (const std::optional<ArchiveProblem> problem = ExtractArchive(path, folder, unzip, hooks)) {
            outcome.failures << shown + problem->reason;
            continue;
        }
        left -= declared;
        ++outcome.extracted;
        // Only the file that was checked and extracted is removed, never whatever has its name now.
        if (choices.remove && archive.unchanged() && ::unlinkat(archive.folder.fd(), archive.name.c_str(), 0) == 0)
            ++outcome.removed;
    }
    return outcome;
}
QString NestedNote(const NestedOutcome &outcome)
{
    if (outcome.extracted == 0)
        return {};
    if (outcome.removed == outcome.extracted)
        return outcome.extracted == 1
            ? QCoreApplication::translate("NestedArchives", "1 archive inside extracted and removed")
            : QCoreApplication::translate("NestedArchives", "%1 archives inside extracted and removed")
                  .arg(outcome.extracted);
    if (outcome.removed > 0)
        return QCoreApplication::translate("NestedArchives", "%1 archives inside extracted, %2 removed")
            .arg(outcome.extracted)
            .arg(outcome.removed);
    return outcome.extracted == 1
        ? QCoreApplication::translate("NestedArchives", "1 archive inside extracted")
        : QCoreApplication::translate("NestedArchives", "%1 archives inside extracted").arg(outcome.extracted);
}
