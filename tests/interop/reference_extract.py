#!/usr/bin/env python3
"""Extracts ARCHIVE into OUT with other programs than ours, so that the corpus of other kinds and
the checks of interop_tests can be judged apart from our engine:

  INTEROP_REFERENCE_EXTRACTOR="python3 tests/interop/reference_extract.py [--7zz]" \\
      build/tests/interop/interop_tests --gtest_filter='Kinds/*'

libarchive (bsdtar, or its library for volume sets) by default; --7zz takes 7-Zip for 7z, plain
tar, ISO, cab and cpio (7-Zip's RAR reader is not in Debian's build). A single compressed file is given back by its own compressor, named after the archive.
Nothing is left in OUT unless the whole archive came out; a failure exits non-zero with the
extractor's words."""
import ctypes
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile

SINGLES = {".gz": "gzip", ".bz2": "bzip2", ".xz": "xz", ".zst": "zstd", ".lz4": "lz4", ".lz": "lzip",
           ".Z": "compress"}


def single(archive, into):
    stem, suffix = os.path.splitext(os.path.basename(archive))
    if suffix not in SINGLES or stem.endswith(".tar"):
        return False
    with open(os.path.join(into, stem), "wb") as out:
        subprocess.run([SINGLES[suffix], "-dc", "--", archive], stdout=out, check=True)
    return True


def volumes(archive):
    """The parts of a RAR volume set named by its first, or None."""
    if archive.endswith(".part1.rar"):
        return sorted(glob.glob(glob.escape(archive[:-len("1.rar")]) + "*.rar"),
                      key=lambda p: int(re.search(r"part(\d+)\.rar$", p).group(1)))
    others = sorted(glob.glob(glob.escape(archive[:-len(".rar")]) + ".r[0-9][0-9]"))
    return [archive] + others if archive.endswith(".rar") and others else None


def libarchive(parts, into):
    lib = ctypes.CDLL("libarchive.so.13")
    lib.archive_read_new.restype = ctypes.c_void_p
    lib.archive_error_string.restype = ctypes.c_char_p
    for f in ("archive_read_support_format_all", "archive_read_next_header", "archive_read_extract",
              "archive_read_open_filenames", "archive_error_string", "archive_read_free"):
        getattr(lib, f).argtypes = [ctypes.c_void_p] + {"archive_read_next_header": [ctypes.c_void_p],
                                                        "archive_read_extract": [ctypes.c_void_p, ctypes.c_int],
                                                        "archive_read_open_filenames": [ctypes.c_void_p,
                                                                                        ctypes.c_size_t]}.get(f, [])
    a = lib.archive_read_new()
    lib.archive_read_support_format_all(a)
    names = (ctypes.c_char_p * (len(parts) + 1))(*[os.path.abspath(p).encode() for p in parts], None)
    entry = ctypes.c_void_p()
    flags = 0x0002 | 0x0004 | 0x0100 | 0x0200   # modes, times, no links followed, no ".."
    os.chdir(into)
    status = lib.archive_read_open_filenames(a, names, 65536)
    while status == 0 and (status := lib.archive_read_next_header(a, ctypes.byref(entry))) == 0:
        status = lib.archive_read_extract(a, entry, flags)
    if status != 1:   # ARCHIVE_EOF
        sys.exit(f"libarchive: {(lib.archive_error_string(a) or b'').decode(errors='replace')}")
    lib.archive_read_free(a)


def extract(archive, into, sevenzip):
    if single(archive, into):
        return
    parts = volumes(archive)
    if archive.endswith(".001") or sevenzip and archive.endswith((".7z", ".tar", ".iso", ".cab", ".cpio")):
        result = subprocess.run(["7zz", "x", "-y", "-bd", "-snld", "-p", f"-o{into}", "--", archive],
                                stdout=subprocess.PIPE, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
        if result.returncode:
            sys.exit(result.stdout.decode(errors="replace"))
    elif parts:
        libarchive(parts, into)
    else:
        subprocess.run(["bsdtar", "-xpf", archive, "-C", into], check=True)


def main():
    args = sys.argv[1:]
    sevenzip = args[0] == "--7zz"
    archive, out = map(os.path.abspath, args[1:] if sevenzip else args)
    os.makedirs(os.path.dirname(out), exist_ok=True)
    into = tempfile.mkdtemp(dir=os.path.dirname(out))
    try:
        extract(archive, into, sevenzip)
    except (subprocess.CalledProcessError, SystemExit) as failure:
        shutil.rmtree(into)
        sys.exit(str(failure.code if isinstance(failure, SystemExit) else failure))
    os.rename(into, out)
    os.chmod(out, 0o755)


if __name__ == "__main__":
    main()
