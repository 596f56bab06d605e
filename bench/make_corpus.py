#!/usr/bin/env python3
"""Writes the benchmark corpora, the same bytes for the same seed.

small: a few hundred archives of many small files in nested folders.
tiny: a hundred archives of six hundred tiny files each (50 bytes to 3 KB).
large: a few archives of large entries, compressible and nearly incompressible.
mixed: archives of varied sizes, some entries stored as they are.
targz: tar.gz archives of varied files, as Python's tarfile writes them (gzip level 6).
7z: 7z archives of varied files, as 7-Zip writes them by default (LZMA2, solid).
"""
import argparse
import io
import os
import random
import subprocess
import tarfile
import tempfile
import zipfile

WORDS = ("marrow lyn archive folder entry bytes river stone lantern quiet harbour meadow copper "
         "signal winter orchard ledger window thread engine rapid careful bright northern letter "
         "number garden silver paper market candle bridge forest summer valley report budget").split()


def text_block(rng, size):
    out, n = [], 0
    while n < size:
        line = " ".join(rng.choice(WORDS) for _ in range(rng.randint(6, 14))) + "\n"
        out.append(line)
        n += len(line)
    return "".join(out).encode()[:size]


def compressible(rng, base, size):
    # Slices of one text block at random offsets: compresses like real text, costs little to make.
    parts, n = [], 0
    while n < size:
        start = rng.randrange(0, len(base) - 65536)
        piece = base[start:start + rng.randint(4096, 65536)]
        parts.append(piece)
        n += len(piece)
    return b"".join(parts)[:size]


def write_zip(path, entries):
    with zipfile.ZipFile(path, "w") as z:
        for name, data, stored in entries:
            info = zipfile.ZipInfo(name, date_time=(2024, 5, 17, 12, 30, 0))
            info.compress_type = zipfile.ZIP_STORED if stored else zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            z.writestr(info, data, compresslevel=6)


def small(rng, out, base):
    for a in range(240):
        entries = []
        for f in range(rng.randint(60, 140)):
            depth = rng.randint(0, 3)
            folder = "/".join(f"dir{rng.randint(0, 5)}" for _ in range(depth))
            name = f"{folder}/file{f}.txt" if folder else f"file{f}.txt"
            entries.append((name, compressible(rng, base, rng.randint(200, 16384)), False))
        write_zip(os.path.join(out, f"small{a:03d}.zip"), entries)


def tiny(rng, out, base):
    for a in range(100):
        entries = []
        for f in range(600):
            folder = "/".join(f"d{rng.randint(0, 7)}" for _ in range(rng.randint(0, 3)))
            name = f"{folder}/f{f}.txt" if folder else f"f{f}.txt"
            entries.append((name, compressible(rng, base, rng.randint(50, 3000)), False))
        write_zip(os.path.join(out, f"tiny{a:03d}.zip"), entries)


def large(rng, out, base):
    write_zip(os.path.join(out, "text1.zip"), [("big/text.log", compressible(rng, base, 256 << 20), False),
                                                ("big/notes.txt", compressible(rng, base, 32 << 20), False)])
    write_zip(os.path.join(out, "text2.zip"), [(f"part{i}.csv", compressible(rng, base, 64 << 20), False)
                                                for i in range(3)])
    write_zip(os.path.join(out, "random1.zip"), [("noise.bin", rng.randbytes(128 << 20), False)])
    write_zip(os.path.join(out, "random2.zip"), [(f"media/clip{i}.bin", rng.randbytes(48 << 20), False)
                                                  for i in range(2)])


def mixed(rng, out, base):
    for a in range(40):
        entries = []
        for f in range(rng.randint(20, 120)):
            size = int(10 ** rng.uniform(2, 6))
            if rng.random() < 0.25:
                entries.append((f"photos/img{f}.jpg", rng.randbytes(size), True))
            else:
                entries.append((f"docs/{rng.choice(WORDS)}/doc{f}.txt", compressible(rng, base, size), False))
        write_zip(os.path.join(out, f"mixed{a:02d}.zip"), entries)


def varied(rng, base, count):
    """Files of sizes spread from 100 bytes to 1 MB, a fifth of them incompressible."""
    files = []
    for f in range(count):
        size = int(10 ** rng.uniform(2, 6))
        if rng.random() < 0.2:
            files.append((f"media/clip{f}.bin", rng.randbytes(size)))
        else:
            files.append((f"docs/{rng.choice(WORDS)}/doc{f}.txt", compressible(rng, base, size)))
    return files


def targz(rng, out, base):
    for a in range(40):
        with tarfile.open(os.path.join(out, f"tree{a:02d}.tar.gz"), "w:gz", compresslevel=6) as tar:
            for name, data in varied(rng, base, rng.randint(40, 140)):
                info = tarfile.TarInfo(name)
                info.size, info.mtime, info.mode = len(data), 1715949000, 0o644
                tar.addfile(info, io.BytesIO(data))


def sevenz(rng, out, base):
    for a in range(24):
        with tempfile.TemporaryDirectory() as folder:
            for name, data in varied(rng, base, rng.randint(40, 140)):
                os.makedirs(os.path.dirname(os.path.join(folder, name)), exist_ok=True)
                with open(os.path.join(folder, name), "wb") as f:
                    f.write(data)
            subprocess.run(["7zz", "a", "-t7z", "-bd", "-y", "--", os.path.abspath(os.path.join(out, f"tree{a:02d}.7z")),
                            "docs", "media"], cwd=folder, check=True, stdout=subprocess.DEVNULL)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("folder")
    parser.add_argument("--seed", type=int, default=20261207)
    parser.add_argument("--only", choices=["small", "tiny", "large", "mixed", "targz", "7z"])
    args = parser.parse_args()
    for name, make in (("small", small), ("tiny", tiny), ("large", large), ("mixed", mixed), ("targz", targz),
                       ("7z", sevenz)):
        if args.only and args.only != name:
            continue
        out = os.path.join(args.folder, name)
        os.makedirs(out, exist_ok=True)
        rng = random.Random(f"{args.seed}-{name}")
        make(rng, out, text_block(rng, 4 << 20))


if __name__ == "__main__":
    main()
