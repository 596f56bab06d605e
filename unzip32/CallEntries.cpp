// Each selected entry in the archive's order: refused, made at once (a folder),
// kept for last (a link), or handed to a decoder with where it goes.
#include "Call.h"

namespace unzip32 {

bool Call::handleEntry(const ArchiveEntry &entry)
{
    if (!askService(entry.name))
        return false;
    ++m_callbacks.EntryCount;
    if (!dispatch(entry))
        count(entry.central);
    // The service callback may have asked to stop while a large entry was
    // being decoded on this thread.
    return !m_cancelled;
}

bool Call::dispatch(const ArchiveEntry &entry)
{
    const CentralEntry &c = entry.central;
    if (entry.directory) {
        folderEntry(entry);
        return false;
    }
    if (refused(entry))
        return false;

    EntryJob job;
    job.entry = &entry;
    if (!m_testOnly && !place(job))
        return false;
    if (c.encrypted() && !obtainPassword(entry, job.password))
        return false;
    if (entry.symlink && !m_testOnly) {
        m_symlinks.push_back(std::move(job));
        return false;
    }
    job.reportsProgress = large(c);
    const bool countsItself = job.reportsProgress;
    submit(std::move(job));
    return countsItself;
}

void Call::folderEntry(const ArchiveEntry &entry)
{
    if (!m_testOnly && m_options.UseFolderNames) {
        auto components = SafeComponents(entry.normalised(), true, m_options.SpaceToUnderscore);
        if (conflicts(JoinComponents(components)))
            drain(true);
        makeFolder(entry, components);
    }
}

bool Call::refused(const ArchiveEntry &entry)
{
    const CentralEntry &c = entry.central;
    if (!c.localHeaderValid) {
        fail(entry, "its data lies outside the archive or its header is damaged (truncated archive?)");
        return true;
    }
    if (!MethodSupported(c.method)) {
        fail(entry, "unsupported compression method (" + MethodName(c.method) + ")");
        return true;
    }
    if (c.encrypted() && (c.flags & 0x40)) {
        fail(entry, "unsupported encryption method");
        return true;
    }
    if (!plausible(c)) {
        fail(entry,
             "refused: it declares " + std::to_string(c.size) + " bytes, more than its " + std::to_string(c.packedSize)
                 + " compressed bytes can hold (a zip bomb or a damaged header)");
        return true;
    }
    return false;
}

bool Call::place(EntryJob &job)
{
    const ArchiveEntry &entry = *job.entry;
    job.components = SafeComponents(entry.normalised(), m_options.UseFolderNames, m_options.SpaceToUnderscore);
    if (job.components.empty()) {
        fail(entry, "its name has no part that can be used as a file name");
        return false;
    }
    job.target = JoinComponents(job.components);
    // A second entry for the same file, or a file where an earlier entry
    // needs a folder (or the reverse), waits until the first is in place:
    // the entry that comes first in the archive wins, whatever the threads do.
    if (conflicts(job.target))
        drain(true);
    if (!entry.symlink && m_options.OverwriteExisting && !m_options.ExtractOnlyNewer) {
        // Whatever is there is replaced: the writer finds out by itself
        // (a link that fails with EEXIST), which spares a look per file.
        job.replace = true;
    } else if (!entry.symlink) {
        Existing existing = decideExisting(entry, job.components);
        if (existing == Existing::Skip)
            return false;
        job.replace = existing == Existing::Replace;
        job.renamed = existing == Existing::Renamed;
        if (job.renamed)
            job.target = JoinComponents(job.components);
    }
    return true;
}

} // namespace unzip32
