"""ZIP records laid out byte by byte, for layouts of writers that cannot run here."""
import dataclasses
import struct
import time
import zlib

LOCAL, CENTRAL, DESCRIPTOR, END = 0x04034B50, 0x02014B50, 0x08074B50, 0x06054B50
UNIX, DOS = 3, 0


def dos_time(mtime):
    t = time.localtime(mtime)
    return (t.tm_hour << 11 | t.tm_min << 5 | t.tm_sec // 2,
            (t.tm_year - 1980) << 9 | t.tm_mon << 5 | t.tm_mday)


def deflate(data):
    packer = zlib.compressobj(6, zlib.DEFLATED, -15)
    return packer.compress(data) + packer.flush()


@dataclasses.dataclass
class Entry:
    name: bytes
    data: bytes             # as stored: compressed (and encrypted)
    method: int
    crc: int
    size: int
    mtime: float
    host: int = UNIX
    attributes: int = 0     # external attributes: a mode << 16 for Unix, DOS bits otherwise
    flags: int = 0
    needed: int = 20
    local_extra: bytes = b""
    central_extra: bytes = b""
    descriptor: bool = False      # sizes and CRC after the data, zeros in the local header
    zip64_local: bool = False     # 0xFFFFFFFF sizes in the local header only, real ones in its Zip64 field


def entry_for(name, data, mtime, method=8, **fields):
    packed = deflate(data) if method == 8 else data
    return Entry(name, packed, method, zlib.crc32(data), len(data), mtime, **fields)


def local_header(e):
    dtime, ddate = dos_time(e.mtime)
    crc, packed, size, extra = e.crc, len(e.data), e.size, e.local_extra
    if e.descriptor:
        crc = packed = size = 0
    if e.zip64_local:
        extra = struct.pack("<HHQQ", 1, 16, e.size, len(e.data)) + extra
        packed = size = 0xFFFFFFFF
    flags = e.flags | (8 if e.descriptor else 0)
    return struct.pack("<IHHHHHIIIHH", LOCAL, e.needed, flags, e.method, dtime, ddate, crc, packed, size,
                       len(e.name), len(extra)) + e.name + extra


def central_header(e, offset):
    dtime, ddate = dos_time(e.mtime)
    made_by = e.host << 8 | (30 if e.host == UNIX else 20)
    flags = e.flags | (8 if e.descriptor else 0)
    return struct.pack("<IHHHHHHIIIHHHHHII", CENTRAL, made_by, e.needed, flags, e.method, dtime, ddate,
                       e.crc, len(e.data), e.size, len(e.name), len(e.central_extra), 0, 0, 0,
                       e.attributes, offset) + e.name + e.central_extra


def write(path, entries, padding=None):
    """Writes the archive; `padding(offset, entry)` may give each local header extra bytes."""
    out, directory = bytearray(), bytearray()
    for e in entries:
        offset = len(out)
        if padding:
            e.local_extra = padding(offset, e)
        out += local_header(e) + e.data
        if e.descriptor:
            out += struct.pack("<IIII", DESCRIPTOR, e.crc, len(e.data), e.size)
        directory += central_header(e, offset)
    out += directory + struct.pack("<IHHHHIIH", END, 0, 0, len(entries), len(entries), len(directory),
                                   len(out), 0)
    with open(path, "wb") as f:
        f.write(out)


def read_entries(path):
    """(name, central offset, local offset, method, flags) of each entry, from the central directory."""
    data = open(path, "rb").read()
    end = data.rindex(struct.pack("<I", END))
    count, _, start = struct.unpack_from("<HII", data, end + 10)
    found, at = [], start
    for _ in range(count):
        flags, method = struct.unpack_from("<HH", data, at + 8)
        n, m, k = struct.unpack_from("<HHH", data, at + 28)
        local = struct.unpack_from("<I", data, at + 42)[0]
        found.append((data[at + 46:at + 46 + n], at, local, method, flags))
        at += 46 + n + m + k
    return data, found


def raw_stream(path, name):
    """The stored bytes of one entry: how a real writer compressed it."""
    data, found = read_entries(path)
    for entry_name, _, local, _, _ in found:
        if entry_name == name:
            packed = struct.unpack_from("<I", data, local + 18)[0]
            n, m = struct.unpack_from("<HH", data, local + 26)
            return data[local + 30 + n + m:local + 30 + n + m + packed]
    raise KeyError(name)
