// A call over an archive of another kind: the same options, callbacks,
// messages and results as for a ZIP, with the entries coming one at a time
// from libarchive on the calling thread.
#include "Call.h"

#include "DeclaredSizes.h"
#include "OtherKinds.h"

#include <algorithm>
#include <ctime>

namespace unzip32 {

ArchiveEntry EntryFor(const OtherEntry &other)
{
    ArchiveEntry entry;
    entry.name = other.name;
    entry.directory = other.type == OtherEntry::Type::Folder;
    entry.symlink = other.type == OtherEntry::Type::Symlink;
    entry.mtime = other.mtime;
    entry.mtimeNanos = other.mtimeNanos;
    entry.central.madeBy = 3 << 8;
    // Never set-user-id, set-group-id or sticky: the permission bits alone.
    entry.central.externalAttributes = (other.mode & 0777) << 16;
    entry.central.size = other.size.value_or(0);
    return entry;
}

ListedTime ListedTimeOf(int64_t time)
{
    time_t seconds = time_t(time);
    struct tm local {};
    if (!localtime_r(&seconds, &local))
        return {1980, 1, 1, 0, 0};
    int year = std::clamp(local.tm_year + 1900, 1980, 2107);
    if (year != local.tm_year + 1900)
        return {uint32_t(year), 1, 1, 0, 0};
    return {uint32_t(year), uint32_t(local.tm_mon + 1), uint32_t(local.tm_mday), uint32_t(local.tm_hour),
            uint32_t(local.tm_min)};
}

std::string EncryptedReason(const std::string &kind)
{
    return "encrypted " + (kind.rfind("RAR", 0) == 0 ? std::string("RAR") : kind)
        + ": this encryption cannot be opened yet";
}

int32_t Call::runOtherKind(std::string reason)
{
    m_other = std::make_unique<OtherKindCall>();
    bool recognised = false;
    if (!m_other->reader.open(m_shared.archivePath, recognised, reason)) {
        if (!recognised)
            return failArchive(UZ_NOT_ARCHIVE, reason.empty() ? "not an archive of any kind that can be read" : reason);
        // Encrypted names: nothing can be listed, and the archive is not
        // damaged either; the line says why.
        if (m_other->reader.encryptionUnreadable())
            return failArchive(UZ_SOME_FAILED, EncryptedReason(m_other->reader.kindName()));
        return failArchive(UZ_NOT_ARCHIVE, reason);
    }
    // Names may be listed; contents that cannot be decoded leave nothing half-written.
    if (!m_options.ListOnly) {
        if (m_other->reader.holdsEncryptedEntries())
            return failArchive(UZ_SOME_FAILED, EncryptedReason(m_other->reader.kindName()));
        const std::string undecodable = m_other->reader.undecodableMethod();
        if (!undecodable.empty())
            return failArchive(UZ_SOME_FAILED, "refused: it " + undecodable);
    }
    int32_t code = m_options.ListOnly ? listOther() : extract();
    if (m_other->reader.failed()) {
        // The entries before the damage were handled; the rest cannot be reached.
        if (m_other->reader.encryptionUnreadable())
            failArchive(0, EncryptedReason(m_other->reader.kindName()));
        else
            failArchive(0, m_other->reader.error());
        if (code == UZ_OK)
            code = UZ_SOME_FAILED;
    }
    if (code == UZ_OK && m_filter.hasIncludes() && m_callbacks.EntryCount == 0)
        return failArchive(UZ_NO_MATCH, "no entry matches the names asked for");
    return code;
}

int32_t Call::listOther()
{
    OtherKindReader &reader = m_other->reader;
    OtherEntry other;
    auto saturate = [](uint64_t v) { return uint32_t(std::min<uint64_t>(v, 0xFFFFFFFFu)); };
    while (reader.next(other)) {
        if (!m_filter.selects(NormalisedName(other.name)))
            continue;
        // The compressed bytes of one entry are not known: a solid or
        // compressed stream shares them. Listed as stored, nothing saved.
        const uint64_t size = other.size.value_or(0);
        ++m_callbacks.EntryCount;
        m_callbacks.TotalSize = SaturatingAdd(m_callbacks.TotalSize, size);
        m_callbacks.TotalPackedSize = SaturatingAdd(m_callbacks.TotalPackedSize, size);
        if (!m_callbacks.listEntry)
            continue;
        ListedTime t = ListedTimeOf(other.mtime);
        const std::string name
            = other.type == OtherEntry::Type::Folder && !other.name.empty() && other.name.back() != '/'
            ? other.name + "/"
            : other.name;
        m_callbacks.listEntry(saturate(size), saturate(size), 0, t.month, t.day, t.year, t.hour, t.minute, 0,
                              name.c_str(), reader.methodName().c_str(), 0, other.encrypted ? 0x40 : 0);
    }
    return UZ_OK;
}

void Call::extractOtherEntries()
{
    OtherKindCall &call = *m_other;
    OtherEntry other;
    while (!m_cancelled && call.reader.next(other)) {
        ArchiveEntry entry = EntryFor(other);
        if (!m_filter.selects(entry.normalised()))
            continue;
        if (!askService(entry.name))
            break;
        ++m_callbacks.EntryCount;
        call.readBefore = call.reader.bytesRead();
        handleOther(other, entry);
        m_shared.progress.size = 0;
        m_shared.progress.packed = 0;
        m_countedSize = SaturatingAdd(m_countedSize, entry.central.size);
        m_countedPacked = SaturatingAdd(m_countedPacked,
                                        call.reader.bytesRead() - std::min(call.readBefore, call.reader.bytesRead()));
    }
    makeOtherSymlinks();
}

void Call::handleOther(const OtherEntry &other, ArchiveEntry &entry)
{
    using Type = OtherEntry::Type;
    if (other.encrypted) {
        fail(entry, EncryptedReason(m_other->reader.kindName()));
        return;
    }
    switch (other.type) {
    case Type::Folder:
        if (!m_testOnly && m_options.UseFolderNames) {
            // Kept: its time is set once everything in it is written.
            const ArchiveEntry &kept = m_other->kept.emplace_back(std::move(entry));
            makeFolder(kept, SafeComponents(kept.normalised(), true, m_options.SpaceToUnderscore));
        }
        return;
    case Type::Device: fail(entry, "refused: a device node is not extracted"); return;
    case Type::Fifo: fail(entry, "refused: a FIFO (named pipe) is not extracted"); return;
    case Type::Socket: fail(entry, "refused: a socket is not extracted"); return;
    case Type::Symlink: {
        if (m_testOnly) {
            print("tested: " + entry.name);
            return;
        }
        const ArchiveEntry &kept = m_other->kept.emplace_back(std::move(entry));
        auto components = SafeComponents(kept.normalised(), m_options.UseFolderNames, m_options.SpaceToUnderscore);
        if (components.empty()) {
            fail(kept, "its name has no part that can be used as a file name");
            return;
        }
        // Made last, as for a ZIP: no file of the archive is ever written through one.
        m_other->symlinks.push_back({&kept, std::move(components), other.linkTarget});
        return;
    }
    case Type::HardLink: linkOther(other, entry); return;
    case Type::File: writeOther(other, entry); return;
    }
}

void Call::makeOtherSymlinks()
{
    for (const OtherKindCall::Symlink &link : m_other->symlinks) {
        if (m_cancelled)
            return;
        const ArchiveEntry &entry = *link.entry;
        if (link.target.empty() || link.target.size() >= 4096 || link.target.find('\0') != std::string::npos
            || !SymlinkTargetStaysInside(link.components, link.target)) {
            fail(entry, "refused: the link's target \"" + link.target + "\" leads outside the destination");
            continue;
        }
        std::vector<std::string> components = link.components;
        Existing existing = decideExisting(entry, components);
        if (existing == Existing::Skip)
            continue;
        EntryFile file(m_local->folders(), m_shared.settings, m_threads);
        std::string reason;
        if (!file.createSymlink(components, link.target, existing == Existing::Replace, reason)) {
            fail(entry, "the link cannot be made: " + reason);
            continue;
        }
        written(entry, existing == Existing::Renamed, JoinComponents(components));
    }
}

} // namespace unzip32
