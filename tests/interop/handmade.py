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
