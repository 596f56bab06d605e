// Writing the files and hard links of an archive of another kind with the
// engine's own writer: the same names, existing-file rules and unnamed files
// as for a ZIP, and the limits that keep a lying archive from filling the disk.
#include "Call.h"

#include "DeclaredSizes.h"
#include "OtherKinds.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace unzip32 {

namespace {

uint64_t FreeBytes(int folder)
{
    struct statvfs space {};
    if (fstatvfs(folder, &space) != 0)
        return UINT64_MAX;
    return uint64_t(space.f_bavail) * space.f_frsize;
}

} // namespace

bool Call::targetOf(const ArchiveEntry &entry, EntryJob &job)
{
    job.entry = &entry;
    job.components = SafeComponents(entry.normalised(), m_options.UseFolderNames, m_options.SpaceToUnderscore);
    if (job.components.empty()) {
        fail(entry, "its name has no part that can be used as a file name");
        return false;
    }
    job.target = JoinComponents(job.components);
    if (m_options.OverwriteExisting && !m_options.ExtractOnlyNewer) {
        job.replace = true;
        return true;
    }
    Existing existing = decideExisting(entry, job.components);
    if (existing == Existing::Skip)
        return false;
    job.replace = existing == Existing::Replace;
    job.renamed = existing == Existing::Renamed;
    job.target = JoinComponents(job.components);
    return true;
}

void Call::writeOther(const OtherEntry &other, const ArchiveEntry &entry)
{
    OtherKindReader &reader = m_other->reader;
    // A sparse file's holes cost its archive nothing: its size is only
    // weighed against the free space.
    if (other.size && !other.sparse && *other.size > reader.mostContents()) {
        fail(entry,
             "refused: it declares " + std::to_string(*other.size) + " bytes, more than the archive's "
                 + std::to_string(reader.mostContents()) + " can hold (a decompression bomb or a damaged header)");
        return;
    }
    EntryJob job;
    std::optional<EntryFile> file;
    std::string reason;
    if (!m_testOnly) {
        const uint64_t available = FreeBytes(m_shared.rootFd);
        if (other.size && *other.size > available) {
            fail(entry,
                 "refused: it declares " + std::to_string(*other.size) + " bytes but only " + std::to_string(available)
                     + " are free at \"" + m_destination + "\"");
            return;
        }
        if (!targetOf(entry, job))
            return;
        uint32_t mode = (other.mode & 0777) ? (other.mode & 0777) : 0644;
        file.emplace(m_local->folders(), m_shared.settings, m_threads);
        if (!file->create(job.components, mode | 0600, reason)) {
            fail(entry, reason);
            return;
        }
    }
    if (!copyOther(other, entry, file ? &*file : nullptr, reason)) {
        if (file)
            file->abandon();
        if (!m_cancelled)
            fail(entry, reason);
        return;
    }
    if (!file) {
        m_other->written[entry.normalised()] = {};
        print("tested: " + entry.name);
        return;
    }
    if (!file->commit(entry.modified(), job.replace, reason)) {
        file->abandon();
        fail(entry, file->lastError() == EISDIR ? reason : "cannot be put in place: " + reason);
        return;
    }
    // What a later hard link may repeat: this file, as it is now.
    int folder = m_local->folders().open(job.components, job.components.size() - 1, false, reason);
    struct stat info {};
    if (folder >= 0 && fstatat(folder, job.components.back().c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0) {
        m_other->written[entry.normalised()] = {job.components, info.st_dev, info.st_ino};
        if (!other.linkTarget.empty())
            joinGroup(other, entry, job.components);
    }
    written(entry, job.renamed, job.target);
}

// cpio's newc gives a hard-link group's data with its last name: the names
// before it were written empty, or as links to the empty one. Each becomes a
// link to the file just written, but only a file this call wrote and still
// finds as it left it.
void Call::joinGroup(const OtherEntry &other, const ArchiveEntry &entry, const std::vector<std::string> &components)
{
    auto found = m_other->written.find(NormalisedName(other.linkTarget));
    if (found == m_other->written.end() || found->first == entry.normalised())
        return;
    const OtherKindCall::Written group = found->second;
    const OtherKindCall::Written data = m_other->written[entry.normalised()];
    std::string reason;
    int held = heldFolderOf(components, data.device, data.inode, reason);
    if (held < 0)
        return;
    for (auto &[name, earlier] : m_other->written) {
        if (earlier.device != group.device || earlier.inode != group.inode || earlier.components.empty())
            continue;
        int folder = heldFolderOf(earlier.components, group.device, group.inode, reason);
        if (folder < 0) {
            fail(entry, "\"" + name + "\" is no longer the file this archive wrote: it keeps no data of its group");
            continue;
        }
        ::close(folder);
        EntryFile link(m_local->folders(), m_shared.settings, m_threads);
        if (!link.createHardLink(earlier.components, held, components.back(), true, reason)) {
            fail(entry, "\"" + name + "\" cannot be linked to the data of its group: " + reason);
            continue;
        }
        earlier.device = data.device;
        earlier.inode = data.inode;
    }
    ::close(held);
}

// The folder holding the file at `components`, held apart from the folder
// cache, when that file is still the regular file (device, inode); else -1.
int Call::heldFolderOf(const std::vector<std::string> &components, dev_t device, ino_t inode, std::string &reason)
{
    int folder = m_local->folders().open(components, components.size() - 1, false, reason);
    int held = folder >= 0 ? fcntl(folder, F_DUPFD_CLOEXEC, 0) : -1;
    struct stat info {};
    if (held < 0 || fstatat(held, components.back().c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(info.st_mode)
        || info.st_dev != device || info.st_ino != inode) {
        if (held >= 0)
            ::close(held);
        return -1;
    }
    return held;
}

bool Call::copyOther(const OtherEntry &other, const ArchiveEntry &entry, EntryFile *file, std::string &reason)
{
    OtherKindCall &call = *m_other;
    // A stream that declares no size may not grow past the space there was.
    const uint64_t budget = other.size ? *other.size : file ? FreeBytes(m_shared.rootFd) : UINT64_MAX;
    const bool large = !other.size || *other.size > kWholeEntryLimit;
    uint64_t position = 0, told = 0;
    const uint8_t *bytes = nullptr;
    size_t length = 0;
    uint64_t offset = 0;
    while (call.reader.data(bytes, length, offset)) {
        if (offset < position) {
            reason = "damaged: its pieces overlap";
            return false;
        }
        if (offset > budget || length > budget - offset) {
            reason = other.size ? DescribeStatus(DecodeStatus::TooLong)
                                : "refused: it decodes to more than the " + std::to_string(budget)
                    + " bytes that were free (a decompression bomb?)";
            return false;
        }
        call.contents = SaturatingAdd(call.contents, length);
        if (call.contents > call.reader.mostContents()) {
            reason = "refused: the archive decodes to more than its " + call.reader.methodName()
                + " compression can give (a decompression bomb)";
            return false;
        }
        if (file && ((offset > position && !file->leaveHole(offset - position)) || !file->write(bytes, length))) {
            reason = "cannot be written: " + file->writeError();
            return false;
        }
        position = offset + length;
        if (large && position - told >= kChunk) {
            told = position;
            m_shared.progress.size = position;
            m_shared.progress.packed = call.reader.bytesRead() - std::min(call.readBefore, call.reader.bytesRead());
            if (!askService(entry.name))
                return false;
        }
    }
    if (call.reader.failed()) {
        reason = call.reader.error();
        // Reading can go no further: the call ends with this entry.
        return false;
    }
    if (other.size && position < *other.size) {
        if (!other.sparse) {
            reason = DescribeStatus(DecodeStatus::TooShort);
            return false;
        }
        if (file && !file->leaveHole(*other.size - position)) {
            reason = "cannot be written: " + file->writeError();
            return false;
        }
    }
    return true;
}

void Call::linkOther(const OtherEntry &other, const ArchiveEntry &entry)
{
    // Only to a file this archive wrote, found by what was written, never
    // by the path the archive names.
    auto found = m_other->written.find(NormalisedName(other.linkTarget));
    if (found == m_other->written.end()) {
        fail(entry, "refused: a hard link to \"" + other.linkTarget + "\", which is no file this archive has written");
        return;
    }
    if (m_testOnly) {
        print("tested: " + entry.name);
        return;
    }
    const OtherKindCall::Written source = found->second;
    EntryJob job;
    if (!targetOf(entry, job))
        return;
    if (job.target == JoinComponents(source.components)) {
        fail(entry, "refused: a hard link to itself");
        return;
    }
    std::string reason;
    int held = heldFolderOf(source.components, source.device, source.inode, reason);
    if (held < 0) {
        fail(entry, "refused: \"" + other.linkTarget + "\" is no longer the file this archive wrote");
        return;
    }
    EntryFile link(m_local->folders(), m_shared.settings, m_threads);
    bool made = link.createHardLink(job.components, held, source.components.back(), job.replace, reason);
    ::close(held);
    if (!made) {
        fail(entry, "the link cannot be made: " + reason);
        return;
    }
    m_other->written[entry.normalised()] = {job.components, source.device, source.inode};
    written(entry, job.renamed, job.target);
}

} // namespace unzip32
