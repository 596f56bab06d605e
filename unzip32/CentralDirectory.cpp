#include "CentralDirectory.h"

#include "ArchiveFile.h"
#include "LittleEndian.h"

#include <algorithm>
#include <cstring>

namespace unzip32 {

namespace {

// Windows writers (7-Zip by default) keep the exact times here: after four
// reserved bytes, tagged attributes; tag 1 holds modification, access and
// creation times.
void readNtfsTimes(CentralEntry &entry, const uint8_t *body, size_t n)
{
    for (size_t at = 4; at + 4 <= n;) {
        uint16_t tag = get16(body + at);
        size_t size = get16(body + at + 2);
        if (at + 4 + size > n)
            return;
        if (tag == 1 && size >= 24) {
            entry.ntfsMtime = get64(body + at + 4);
            return;
        }
        at += 4 + size;
    }
}

// `extraOffset`: where the field lies in the archive.
void readExtra(CentralEntry &entry, const uint8_t *extra, uint64_t extraOffset, size_t length, bool size32Full,
               bool packed32Full, bool offset32Full)
{
    for (size_t at = 0; at + 4 <= length;) {
        uint16_t id = get16(extra + at);
        size_t n = get16(extra + at + 2);
        const uint8_t *body = extra + at + 4;
        if (at + 4 + n > length)
            break;
        if (id == 0x0001) {
            // Zip64: only the fields whose 32-bit forms are full, in this order.
            size_t used = 0;
            if (size32Full && used + 8 <= n) {
                entry.size = get64(body + used);
                used += 8;
            }
            if (packed32Full && used + 8 <= n) {
                entry.packedSize = get64(body + used);
                used += 8;
            }
            if (offset32Full && used + 8 <= n) {
                entry.localOffset = get64(body + used);
                used += 8;
            }
        } else if (id == 0x9901 && n >= 7) {
            entry.aesVersion = get16(body);
            entry.aesStrength = body[4];
            entry.method = get16(body + 5);
            entry.aesMethodOffset = extraOffset + at + 4 + 5;
        } else if (id == 0x5455 && n >= 5 && (body[0] & 1)) {
            entry.unixMtime = int64_t(int32_t(get32(body + 1)));
        } else if (id == 0x000A) {
            readNtfsTimes(entry, body, n);
        }
        at += 4 + n;
    }
}

} // namespace

bool ReadEndRecord(const ArchiveFile &file, EndRecord &record, std::string &reason)
{
    return ReadEndRecord(
        file.size(), [&file](uint64_t at, uint8_t *into, size_t length) { return ReadExactly(file, at, into, length); },
        record, reason);
}

bool ReadCentralDirectory(int fd, CentralDirectory &directory, std::string &reason, bool localHeaders)
{
    directory.entries.clear();
    auto file = ArchiveFile::borrow(fd);
    directory.archiveSize = file->size();
    return ReadCentralDirectory(
        *file, reason, localHeaders, [&](uint64_t count) { directory.entries.reserve(count); },
        [&](CentralEntry &entry) { directory.entries.push_back(std::move(entry)); });
}

namespace {

// The central header's fields of a fixed place (the sizes and offset before
// any Zip64 field replaces them).
void readFixedFields(const uint8_t *h, CentralEntry &entry)
{
    entry.madeBy = get16(h + 4);
    entry.flags = get16(h + 8);
    entry.storedMethod = entry.method = get16(h + 10);
    entry.dosTime = get16(h + 12);
    entry.dosDate = get16(h + 14);
    entry.crc = get32(h + 16);
    entry.packedSize = get32(h + 20);
    entry.size = get32(h + 24);
    entry.externalAttributes = get32(h + 38);
    entry.localOffset = get32(h + 42);
}

// Where the entry's data begins, from its local header, and whether the data
// lies inside the file.
void readLocalHeader(const ArchiveFile &file, CentralEntry &entry)
{
    const uint64_t fileSize = file.size();
    uint8_t local[30];
    if (entry.localOffset + 30 <= fileSize && ReadExactly(file, entry.localOffset, local, 30)
        && get32(local) == 0x04034b50) {
        entry.localFlags = get16(local + 6);
        entry.dataOffset = entry.localOffset + 30 + get16(local + 26) + get16(local + 28);
        entry.localHeaderValid = entry.dataOffset <= fileSize && entry.packedSize <= fileSize - entry.dataOffset;
    }
}

} // namespace

bool ReadCentralDirectory(const ArchiveFile &file, std::string &reason, bool localHeaders,
                          const std::function<void(uint64_t count)> &counted, const EntryVisitor &visit)
{
    EndRecord end;
    if (!ReadEndRecord(file, end, reason))
        return false;
    uint64_t endOffset = end.offset, count = end.count, cdSize = end.directorySize, cdOffset = end.directoryOffset;
    // Everything the directory claims must lie inside the file before the end
    // record; a count the directory's bytes cannot hold is a lie as well.
    if (cdOffset > endOffset || cdSize > endOffset - cdOffset || count > cdSize / 46 + 1) {
        reason = "the central directory is damaged";
        return false;
    }
    std::vector<uint8_t> cd(cdSize);
    if (cdSize > 0 && !ReadExactly(file, cdOffset, cd.data(), cdSize)) {
        reason = "the central directory cannot be read";
        return false;
    }
    counted(count);
    size_t at = 0;
    for (uint64_t i = 0; i < count; ++i) {
        if (at + 46 > cd.size() || get32(&cd[at]) != 0x02014b50) {
            reason = "the central directory is damaged";
            return false;
        }
        const uint8_t *h = &cd[at];
        CentralEntry entry;
        readFixedFields(h, entry);
        size_t nameLength = get16(h + 28), extraLength = get16(h + 30), commentLength = get16(h + 32);
        if (at + 46 + nameLength + extraLength + commentLength > cd.size()) {
            reason = "the central directory is damaged";
            return false;
        }
        entry.centralOffset = cdOffset + at;
        entry.rawName.assign(reinterpret_cast<const char *>(h + 46), nameLength);
        readExtra(entry, h + 46 + nameLength, entry.centralOffset + 46 + nameLength, extraLength,
                  entry.size == 0xFFFFFFFFu, entry.packedSize == 0xFFFFFFFFu, entry.localOffset == 0xFFFFFFFFu);
        at += 46 + nameLength + extraLength + commentLength;

        if (localHeaders)
            readLocalHeader(file, entry);
        visit(entry);
    }
    return true;
}

bool EntriesOverlap(size_t count, const std::function<const CentralEntry &(size_t)> &entryAt, size_t &which)
{
    std::vector<DataSpan> spans;
    spans.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const CentralEntry &e = entryAt(i);
        if (!e.localHeaderValid)
            continue; // reported as damaged on its own
        spans.push_back({e.localOffset, e.dataOffset + e.packedSize, i});
    }
    return SpansOverlap(std::move(spans), which);
}

bool SpansOverlap(std::vector<DataSpan> spans, size_t &which)
{
    std::sort(spans.begin(), spans.end(), [](const DataSpan &a, const DataSpan &b) { return a.begin < b.begin; });
    for (size_t i = 1; i < spans.size(); ++i) {
        if (spans[i].begin < spans[i - 1].end) {
            which = spans[i].index;
            return true;
        }
    }
    return false;
}

} // namespace unzip32
