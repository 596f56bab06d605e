"""RAR archives laid out byte by byte from the published descriptions of the two formats (no free
program writes RAR): RAR 4 (the 1.5 to 2.9 block layout) and RAR 5, stored entries only, as one
file or as a volume set. Unix hosts: modes in the attributes, a symlink as a link of its own
kind (RAR 4: mode S_IFLNK with the target as the data; RAR 5: a file system redirection record).
A hard link is written as a second copy."""
import dataclasses
import os
import stat
import struct
import time
import zlib

MARK4 = b"Rar!\x1a\x07\x00"
MARK5 = b"Rar!\x1a\x07\x01\x00"
UNIX4, UNIX5 = 3, 1
STORED4 = 0x30


@dataclasses.dataclass
class Entry:
    name: str
    mode: int          # st_mode, type bits included
    mtime: int
    data: bytes = b""  # a file's bytes; a link's target for RAR 4
    target: bytes = b""

    @property
    def folder(self):
        return stat.S_ISDIR(self.mode)

    @property
    def link(self):
        return stat.S_ISLNK(self.mode)


def entries_of(root):
    """Folders, files and links below root, a folder before what it holds."""
    found = []
    for folder, dirs, names in os.walk(root):
        dirs.sort()
        for name in sorted(dirs) + sorted(names):
            path = os.path.join(folder, name)
            info = os.lstat(path)
            rel = os.path.relpath(path, root)
            if stat.S_ISLNK(info.st_mode):
                data = os.readlink(path).encode()
            elif stat.S_ISREG(info.st_mode):
                data = open(path, "rb").read()
            else:
                data = b""
            found.append(Entry(rel, info.st_mode, int(info.st_mtime), data, data if stat.S_ISLNK(info.st_mode) else b""))
    return found


def split(entries, volume_size, header_room):
    """Each volume's pieces: (entry, its bytes in this volume, continued from before, continues after)."""
    volume_size = volume_size or 1 << 62
    volumes, current, room = [], [], volume_size
    for e in entries:
        data, first = e.data, True
        while True:
            take = max(0, min(len(data), room - header_room))
            rest = data[take:]
            if rest and not take and not current:
                take, rest = len(data), b""    # a volume too small for even one byte: keep going
            current.append((e, data[:take], not first, bool(rest)))
            room -= header_room + take
            if not rest:
                break
            volumes.append(current)
            current, room, data, first = [], volume_size, rest, False
    volumes.append(current)
    return volumes


def volume_names(archive, count, rar5):
    if count == 1:
        return [archive]
    stem = archive[:-len(".rar")]
    if rar5:
        return [f"{stem}.part{n + 1}.rar" for n in range(count)]
    return [archive] + [f"{stem}.r{n:02d}" for n in range(count - 1)]


def write(archive, entries, header, start, end, rar5, volume_size=None):
    volumes = split(entries, volume_size, 400)
    names = volume_names(archive, len(volumes), rar5)
    for number, (path, pieces) in enumerate(zip(names, volumes)):
        last = number == len(volumes) - 1
        with open(path, "wb") as out:
            out.write(start(number, len(volumes) > 1))
            for e, piece, before, after in pieces:
                # A part's CRC is of its own bytes; the last part's is of the whole file's.
                crc = zlib.crc32(piece if after else e.data)
                out.write(header(e, len(piece), crc, before, after) + piece)
            out.write(end(number, len(volumes) > 1, last))
    return names if len(names) > 1 else None


# RAR 4 --------------------------------------------------------------------------------------

def block4(kind, flags, body):
    head = struct.pack("<BHH", kind, flags, 7 + len(body)) + body
    return struct.pack("<H", zlib.crc32(head) & 0xFFFF) + head


def dos_time(mtime):
    t = time.localtime(mtime)
    return ((t.tm_year - 1980) << 25 | t.tm_mon << 21 | t.tm_mday << 16
            | t.tm_hour << 11 | t.tm_min << 5 | t.tm_sec // 2)


def header4(e, packed, crc, before, after):
    name = e.name.replace("/", "\\").encode()   # RAR 4 separates folders with a backslash
    flags = 0x8000 | (0x01 if before else 0) | (0x02 if after else 0)
    flags |= 0xE0 if e.folder else 0                 # the "dictionary" bits all set mark a folder
    flags |= 0x200 if not name.isascii() else 0      # Unicode: UTF-8 when the name holds no zero byte
    body = struct.pack("<IIBIIBBHI", packed, len(e.data), UNIX4, crc, dos_time(e.mtime), 20, STORED4,
                       len(name), e.mode) + name
    return block4(0x74, flags, body)


def start4(number, volumes):
    flags = (0x0001 | (0x0100 if number == 0 else 0)) if volumes else 0
    return (MARK4 if number == 0 or volumes else b"") + block4(0x73, flags, struct.pack("<HI", 0, 0))


def end4(number, volumes, last):
    if not volumes:
        return block4(0x7B, 0, b"")
    return block4(0x7B, (0 if last else 0x0001) | 0x0008, struct.pack("<H", number))


def write4(archive, root, volume_size=None):
    return write(archive, entries_of(root), header4, start4, end4, False, volume_size)


# RAR 5 --------------------------------------------------------------------------------------

def vint(n):
    out = bytearray()
    while True:
        out.append((n & 0x7F) | (0x80 if n > 0x7F else 0))
        n >>= 7
        if not n:
            return bytes(out)


def block5(kind, flags, fields, extra=b"", data_size=None):
    flags |= (0x0001 if extra else 0) | (0x0002 if data_size is not None else 0)
    body = vint(kind) + vint(flags) + (vint(len(extra)) if extra else b"")
    body += (vint(data_size) if data_size is not None else b"") + fields + extra
    head = vint(len(body)) + body
    return struct.pack("<I", zlib.crc32(head)) + head


def record5(kind, body):
    body = vint(kind) + body
    return vint(len(body)) + body


def header5(e, packed, crc, before, after):
    name = e.name.encode()
    extra = b""
    if e.link:
        target_is_folder = 0   # links of the corpus name files or folders; either reads back as a link
        extra = record5(5, vint(1) + vint(target_is_folder) + vint(len(e.target)) + e.target)
    size = 0 if e.folder or e.link else len(e.data)
    file_flags = 0x0002 | (0x0001 if e.folder else 0x0004)
    fields = vint(file_flags) + vint(size) + vint(e.mode) + struct.pack("<I", e.mtime)
    if not e.folder:
        fields += struct.pack("<I", crc if not e.link else zlib.crc32(b""))
    fields += vint(0) + vint(UNIX5) + vint(len(name)) + name
    flags = (0x0008 if before else 0) | (0x0010 if after else 0)
    return block5(2, flags, fields, extra, packed)


def start5(number, volumes):
    flags = (0x0001 | (0x0002 if number else 0)) if volumes else 0
    return MARK5 + block5(1, 0, vint(flags) + (vint(number) if number else b""))


def end5(number, volumes, last):
    return block5(5, 0, vint(0 if last else 0x0001))


def write5(archive, root, volume_size=None):
    # A link's target lives in its redirection record; the entry holds no bytes.
    entries = [dataclasses.replace(e, data=b"") if e.link else e for e in entries_of(root)]
    return write(archive, entries, header5, start5, end5, True, volume_size)
