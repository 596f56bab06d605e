"""Layouts of writers we cannot run here, each as that writer is known to lay its archives out."""
import os
import stat
import struct
import zlib

import trees
import zipraw


def source(root, name):
    path = os.path.join(root, name)
    info = os.stat(path)
    data = b"" if name.endswith("/") else open(path, "rb").read()
    return data, info


def unix_entry(root, name, **fields):
    data, info = source(root, name)
    method = 0 if name.endswith("/") else fields.pop("method", 8)
    fields.setdefault("attributes", info.st_mode << 16)
    return zipraw.entry_for(name.encode(), data, info.st_mtime, method, **fields)


def apple_double():
    # Header, one Finder info entry and its 32 bytes: what a file with a Finder tag carries.
    finder = b"TEXTR*ch" + b"\0" * 24
    header = struct.pack(">II16sH", 0x00051607, 0x00020000, b"Mac OS X        ", 1)
    return header + struct.pack(">III", 9, len(header) + 12, len(finder)) + finder


MACOS_FORKS = ["readme.txt", "docs/notes.txt"]


def macos(archive, root):
    """Archive Utility: UTF-8 names without their flag, data descriptors, Unix modes, and a
    __MACOSX/._name AppleDouble entry beside each file that has Finder data."""
    entries, extra, folders = [], {}, set()
    for name in trees.entries(root):
        entries.append(unix_entry(root, name, descriptor=not name.endswith("/")))
        if name not in MACOS_FORKS:
            continue
        folder, base = os.path.split(name)
        for part in ["__MACOSX/"] + (["__MACOSX/" + folder + "/"] if folder else []):
            if part not in folders:
                folders.add(part)
                entries.append(zipraw.entry_for(part.encode(), b"", entries[-1].mtime, 0,
                                                attributes=(stat.S_IFDIR | 0o755) << 16))
        fork_name = "__MACOSX/" + (folder + "/" if folder else "") + "._" + base
        fork = apple_double()
        entries.append(zipraw.entry_for(fork_name.encode(), fork, entries[-1].mtime, 8,
                                        attributes=(stat.S_IFREG | 0o644) << 16, descriptor=True))
        extra[fork_name] = fork.hex()
    zipraw.write(archive, entries)
    return extra


def windows(archive, root, deflate64_source):
    """Windows' compressed folders: DOS code page names, DOS attributes, and Deflate64 for the
    large entry (the stream 7-Zip wrote for the same bytes)."""
    huge = zipraw.raw_stream(deflate64_source, b"huge.dat")
    entries = []
    for name in trees.entries(root):
        data, info = source(root, name)
        folder = name.endswith("/")
        fields = {"host": zipraw.DOS, "attributes": 0x10 if folder else 0x20}
        if name.endswith("huge.dat"):
            e = zipraw.Entry(name.encode("cp437"), huge, 9, zlib.crc32(data), len(data), info.st_mtime,
                             needed=21, **fields)
        else:
            e = zipraw.entry_for(name.encode("cp437"), data, info.st_mtime, 8 if data else 0, **fields)
        entries.append(e)
    zipraw.write(archive, entries)


def winzip_aes(archive, aes_source, root, version):
    """WinZip AES as AE-1 (the CRC kept) or AE-2 (CRC zero), made from 7-Zip's AES archive: the
    authentication code covers neither the vendor version nor the CRC."""
    data, found = zipraw.read_entries(aes_source)
    data = bytearray(data)
    for name, central, local, method, flags in found:
        content, info = source(root, name.decode())
        # 7-Zip's DOS times follow today's offset from UTC rather than the one of their date;
        # the source's own local time keeps these two archives about AES alone.
        struct.pack_into("<HH", data, central + 12, *zipraw.dos_time(info.st_mtime))
        struct.pack_into("<HH", data, local + 10, *zipraw.dos_time(info.st_mtime))
        if method != 99:
            continue
        assert not flags & 8, "7-Zip's AES entries were expected without data descriptors"
        crc = 0 if version == 2 else zlib.crc32(content)
        struct.pack_into("<I", data, central + 16, crc)
        struct.pack_into("<I", data, local + 14, crc)
        for at, extra_at in ((central, central + 46), (local, local + 30)):
            n, m = struct.unpack_from("<HH", data, at + 28 if at == central else at + 26)
            field = data.find(b"\x01\x99", extra_at + n, extra_at + n + m)
            struct.pack_into("<H", data, field + 4, version)
    with open(archive, "wb") as out:
        out.write(data)


def apk(archive, root, d935):
    """Android-style alignment: stored entries start their data at a 4-byte boundary, padded in
    the local extra field with zeros or with an 0xD935 alignment field. No folder entries."""
    stored = {"random.bin", "one-byte", "empty.txt", "Ünïcødé/日本語.txt"}
    entries = [unix_entry(root, n, method=0 if n in stored else 8, host=zipraw.DOS, attributes=0, flags=0x800)
               for n in trees.entries(root) if not n.endswith("/")]

    def padding(offset, e):
        if e.method != 0:
            return b""
        start = offset + 30 + len(e.name)
        if not d935:
            return b"\0" * (-start % 4)
        pad = -(start + 6) % 4
        return struct.pack("<HHH", 0xD935, 2 + pad, 4) + b"\0" * pad
    zipraw.write(archive, entries, padding)


def zip64_local_only(archive, root):
    """Zip64 markers in the local headers only; the central directory has the real 32-bit sizes."""
    entries = [unix_entry(root, n, zip64_local=not n.endswith("/"), needed=45) for n in trees.entries(root)]
    for e in entries:
        if not e.zip64_local:
            e.needed = 20
    zipraw.write(archive, entries)


def spanned(archive, source_archive, part_size, zip64=False):
    """A spanned set NAME.z01, NAME.z02, ..., NAME.zip made of another archive's entries, laid
    out as writers of sets on removable disks do: the spanning marker first, every offset counted
    from the start of its part, headers and data running on from one part into the next, the end
    records whole in the last part (with Zip64 ones when asked). Returns the parts' paths."""
    data, found = zipraw.read_entries(source_archive)
    end = data.rindex(struct.pack("<I", zipraw.END))
    cd_start = struct.unpack_from("<I", data, end + 16)[0]
    starts = sorted(local for _, _, local, _, _ in found) + [cd_start]
    stream = bytearray(struct.pack("<I", zipraw.DESCRIPTOR))
    moved = {}
    for begin, after in zip(starts, starts[1:]):
        moved[begin] = len(stream)
        stream += data[begin:after]
    place = lambda at: divmod(at, part_size)      # (part, offset in it)
    directory = bytearray()
    for _, central, local, _, _ in found:
        n, m, k = struct.unpack_from("<HHH", data, central + 28)
        header = bytearray(data[central:central + 46 + n + m + k])
        disk, offset = place(moved[local])
        struct.pack_into("<H", header, 34, disk)
        struct.pack_into("<I", header, 42, offset)
        directory += header
    cd_disk, cd_offset = place(len(stream))
    stream += directory
    last = len(stream) // part_size
    count = len(found)
    if zip64:
        record_at = len(stream) - last * part_size
        stream += struct.pack("<IQHHIIQQQQ", 0x06064B50, 44, 45, 45, last, cd_disk, count, count,
                              len(directory), cd_offset)
        stream += struct.pack("<IIQI", 0x07064B50, last, record_at, last + 1)
        stream += struct.pack("<IHHHHIIH", zipraw.END, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFFFFFF,
                              0xFFFFFFFF, 0)
    else:
        stream += struct.pack("<IHHHHIIH", zipraw.END, last, cd_disk, count, count, len(directory),
                              cd_offset, 0)
    stem = archive[:-len(".zip")]
    paths = [f"{stem}.z{number:02d}" for number in range(1, last + 1)] + [archive]
    for number, path in enumerate(paths):
        with open(path, "wb") as out:
            out.write(stream[number * part_size:None if number == last else (number + 1) * part_size])
    return paths
