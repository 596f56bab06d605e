#include "SpannedDirectory.h"

#include "ArchiveFile.h"
#include "LittleEndian.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace unzip32 {

namespace {

constexpr uint32_t kFull32 = 0xFFFFFFFFu;
constexpr size_t kNoPart = SIZE_MAX;

// The values a header's Zip64 field holds: only those whose 32-bit forms are
// full, in this order.
struct Wide {
    uint64_t size, packed, offset;
    uint32_t disk;
};

// Splits a header's extra fields into its Zip64 values and every other field.
Wide readWide(const uint8_t *h, const uint8_t *extra, size_t length, std::string &others)
{
    Wide wide{get32(h + 24), get32(h + 20), get32(h + 42), get16(h + 34)};
    for (size_t at = 0; at + 4 <= length;) {
        size_t n = get16(extra + at + 2);
        if (at + 4 + n > length)
            break;
        if (get16(extra + at) == 0x0001) {
            const uint8_t *body = extra + at + 4;
            size_t used = 0;
            auto take = [&](auto &value, bool full, size_t width) {
                if (full && used + width <= n) {
                    value = width == 8 ? get64(body + used) : get32(body + used);
                    used += width;
                }
            };
            take(wide.size, get32(h + 24) == kFull32, 8);
            take(wide.packed, get32(h + 20) == kFull32, 8);
            take(wide.offset, get32(h + 42) == kFull32, 8);
            take(wide.disk, get16(h + 34) == 0xFFFF, 4);
        } else {
            others.append(reinterpret_cast<const char *>(extra + at), 4 + n);
        }
        at += 4 + n;
    }
    return wide;
}

// Where an entry lies in the whole, at the least: its local header's fixed
// part and name, and its data.
struct Placed {
    uint64_t begin, end;
    uint32_t disk;
};

// Writes the header at `h` again with its part and offset made one offset
// into the whole; its Zip64 field is rebuilt to match.
bool relocateHeader(const uint8_t *h, const std::vector<ArchivePart> &parts, std::string &out, size_t &faultyPart,
                    std::vector<Placed> &placed)
{
    size_t nameLength = get16(h + 28), extraLength = get16(h + 30), commentLength = get16(h + 32);
    std::string others;
    Wide wide = readWide(h, h + 46 + nameLength, extraLength, others);
    if (wide.disk >= parts.size())
        return false;
    if (wide.offset >= parts[wide.disk].size) {
        faultyPart = wide.disk;
        return false;
    }
    uint64_t whole = parts[wide.disk].start + wide.offset;
    uint64_t least = 30 + nameLength + std::min<uint64_t>(wide.packed, UINT64_MAX / 2);
    placed.push_back({whole, whole + least, wide.disk});
    std::string zip64;
    if (get32(h + 24) == kFull32)
        put64(zip64, wide.size);
    if (get32(h + 20) == kFull32)
        put64(zip64, wide.packed);
    bool wideOffset = whole >= kFull32;
    if (wideOffset)
        put64(zip64, whole);
    std::string extra;
    if (!zip64.empty()) {
        put16(extra, 0x0001);
        put16(extra, uint16_t(zip64.size()));
        extra += zip64;
    }
    extra += others;
    if (extra.size() > 0xFFFF)
        return false;
    out.append(reinterpret_cast<const char *>(h), 30);
    put16(out, uint16_t(extra.size()));
    put16(out, uint16_t(commentLength));
    put16(out, 0); // every entry now begins in the one and only part
    out.append(reinterpret_cast<const char *>(h + 36), 6);
    put32(out, wideOffset ? kFull32 : uint32_t(whole));
    out.append(reinterpret_cast<const char *>(h + 46), nameLength);
    out += extra;
    out.append(reinterpret_cast<const char *>(h + 46 + nameLength + extraLength), commentLength);
    return true;
}

// An entry that runs on from its part into the next must end before what
// the directory places after it. When it cannot, a part it runs through holds
// fewer bytes than the set was written with: the shortest of them, since a
// writer fills every part but the last to the same size. (Overlaps within
// one part are left to the overlap check, which refuses the archive.)
bool partsHoldTheirEntries(std::vector<Placed> placed, Placed directory, const std::vector<ArchivePart> &parts,
                           size_t &faultyPart)
{
    std::sort(placed.begin(), placed.end(), [](const Placed &a, const Placed &b) { return a.begin < b.begin; });
    placed.push_back(directory);
    for (size_t i = 0; i + 1 < placed.size(); ++i) {
        if (placed[i].end > placed[i + 1].begin && placed[i].disk < placed[i + 1].disk) {
            faultyPart = placed[i].disk;
            for (size_t disk = faultyPart + 1; disk < placed[i + 1].disk; ++disk) {
                if (parts[disk].size < parts[faultyPart].size)
                    faultyPart = disk;
            }
            return false;
        }
    }
    return true;
}

void appendEndRecords(std::string &tail, uint64_t count, uint64_t directoryOffset)
{
    uint64_t directorySize = tail.size();
    bool wide = count >= 0xFFFF || directorySize >= kFull32 || directoryOffset >= kFull32;
    if (wide) {
        uint64_t recordOffset = directoryOffset + tail.size();
        put32(tail, 0x06064b50);
        put64(tail, 44);
        put16(tail, 45);
        put16(tail, 45);
        put32(tail, 0);
        put32(tail, 0);
        put64(tail, count);
        put64(tail, count);
        put64(tail, directorySize);
        put64(tail, directoryOffset);
        put32(tail, 0x07064b50);
        put32(tail, 0);
        put64(tail, recordOffset);
        put32(tail, 1);
    }
    put32(tail, 0x06054b50);
    put32(tail, 0);
    put16(tail, wide ? 0xFFFF : uint16_t(count));
    put16(tail, wide ? 0xFFFF : uint16_t(count));
    put32(tail, wide ? kFull32 : uint32_t(directorySize));
    put32(tail, wide ? kFull32 : uint32_t(directoryOffset));
    put16(tail, 0);
}

} // namespace

bool RelocateSpannedDirectory(ArchiveFile &file, const EndRecord &end, size_t &faultyPart, std::string &reason)
{
    const std::vector<ArchivePart> &parts = file.parts();
    faultyPart = kNoPart;
    reason = "the central directory is damaged";
    if (end.directoryDisk >= parts.size())
        return false;
    const ArchivePart &first = parts[end.directoryDisk];
    if (end.directoryOffset > first.size) {
        faultyPart = end.directoryDisk;
        return false;
    }
    // The directory, which may run on through later parts, ends before the end record.
    uint64_t begin = first.start + end.directoryOffset;
    uint64_t endRecord = parts.back().start + end.offset;
    if (begin > endRecord || end.directorySize > endRecord - begin || end.count > end.directorySize / 46 + 1)
        return false;
    std::vector<uint8_t> directory(end.directorySize);
    if (!directory.empty() && !ReadExactly(file, begin, directory.data(), directory.size())) {
        reason = "the central directory cannot be read";
        return false;
    }
    std::string tail;
    tail.reserve(directory.size() + directory.size() / 8 + 98);
    std::vector<Placed> placed;
    placed.reserve(size_t(end.count));
    size_t at = 0;
    for (uint64_t i = 0; i < end.count; ++i) {
        if (at + 46 > directory.size() || get32(&directory[at]) != 0x02014b50)
            return false;
        const uint8_t *h = &directory[at];
        size_t length = 46 + size_t(get16(h + 28)) + get16(h + 30) + get16(h + 32);
        if (at + length > directory.size() || !relocateHeader(h, parts, tail, faultyPart, placed))
            return false;
        at += length;
    }
    if (!partsHoldTheirEntries(std::move(placed), {begin, begin, end.directoryDisk}, parts, faultyPart))
        return false;
    appendEndRecords(tail, end.count, begin);
    file.replaceEnd(begin, std::move(tail));
    reason.clear();
    return true;
}

} // namespace unzip32
