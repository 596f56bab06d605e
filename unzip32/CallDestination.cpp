// The destination opened once for the whole call (or the hidden folder a
// made one is filled in, and at the end let be seen or withdrawn), and its
// free space weighed against what the selected entries declare beforehand.
#include "Call.h"

#include "DeclaredSizes.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/statvfs.h>
#include <unistd.h>

namespace unzip32 {

bool Call::prepareDestination(int32_t &code)
{
    m_destination = (m_options.ExtractDir && *m_options.ExtractDir) ? m_options.ExtractDir : ".";
    const unsigned folderMode = 0777 & ~m_shared.settings.umask.value_or(022);
    m_shared.rootFd = m_stage.begin(m_destination, m_shared.settings.token, folderMode, m_shared.settings.temporaries);
    m_shared.settings.staged = m_shared.rootFd >= 0;
    if (m_shared.settings.staged)
        return enoughSpace(code);
    std::error_code made;
    std::filesystem::create_directories(m_destination, made);
    m_shared.rootFd = ::open(m_destination.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_shared.rootFd < 0) {
        int error = errno;
        code = failArchive(UZ_CANNOT_CREATE,
                           "the folder \"" + m_destination + "\" cannot be "
                               + (made ? "made: " + ErrnoText(made.value()) : "opened: " + ErrnoText(error)));
        return false;
    }
    // Resolved once: the record names temporaries by paths without links.
    char *resolved = realpath(m_destination.c_str(), nullptr);
    m_shared.settings.temporaries.begin(m_shared.settings.token, resolved ? resolved : "");
    std::free(resolved);
    return enoughSpace(code);
}

bool Call::enoughSpace(int32_t &code)
{
    // Entries whose sizes are lies, or whose data is not in the archive, fail
    // on their own (handleEntry) and are no part of what the archive needs;
    // the packed sizes of the rest are bounded by the archive's, their
    // contents by their method, and the sum is held rather than wrapped.
    uint64_t needed = 0;
    for (const ArchiveEntry &entry : m_archive.entries()) {
        const CentralEntry &c = entry.central;
        if (!entry.directory && c.localHeaderValid && plausible(c) && m_filter.selects(entry.normalised()))
            needed = SaturatingAdd(needed, entry.central.size);
    }
    struct statvfs space {};
    if (fstatvfs(m_shared.rootFd, &space) == 0) {
        uint64_t available = uint64_t(space.f_bavail) * space.f_frsize;
        if (needed > available) {
            code = failArchive(UZ_NO_SPACE,
                               "refused: its contents need " + std::to_string(needed) + " bytes but only "
                                   + std::to_string(available) + " are free at \"" + m_destination + "\"");
            return false;
        }
    }
    return true;
}

void Call::askBeforePublishing()
{
    if (!m_stage.active() || m_cancelled || !m_callbacks.service)
        return;
    publishTotals();
    m_withdrawn = m_callbacks.service("", 1) == 2;
}

void Call::publishStage()
{
    if (m_withdrawn) {
        m_stage.withdraw();
        return;
    }
    m_stage.publish([this](const std::string &path) {
        ++m_callbacks.FailedCount;
        if (path.empty())
            print("error: " + m_shared.archivePath + ": \"" + m_destination
                  + "\" was replaced by something else during the extraction; what was extracted is beside it, in "
                  + StageName(m_shared.settings.token));
        else
            print("error: " + path + ": a file of that name appeared in the folder during the extraction and was kept");
    });
}

} // namespace unzip32
