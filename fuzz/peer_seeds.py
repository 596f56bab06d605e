#!/usr/bin/env python3
"""Seeds for the decoders of methods only another archiver writes here.

    peer_seeds.py FOLDER  ->  FOLDER/decode-deflate64, FOLDER/decode-ppmd,
                              FOLDER/archive (added to), FOLDER/spanned

7zz compresses a few small inputs with each method; every entry's stored
stream becomes one seed, behind the 4 bytes DecoderTarget.cpp reads first
(the flags' low byte, then the declared size in 3 little-endian bytes), and
the archive itself one for the whole-engine fuzzers, and the archive laid out
as a spanned set (the tests' own layout) one for SpannedTarget.cpp: the part
size's byte, then the parts end to end. Without 7zz the folders stay as they
are and those fuzzers start from nothing.
"""
import os
import random
import shutil
import struct
import subprocess
import sys
import tempfile
import zipfile

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "interop"))
import handmade  # noqa: E402

METHODS = {"decode-deflate64": ("Deflate64", 9), "decode-ppmd": ("PPMd", 98)}
MAX_SEED = 65536  # the fuzzers' -max_len


def inputs():
    rng = random.Random(9)
    words = b"seed river stone lantern window thread engine copper meadow".split()
    text = b"\n".join(b" ".join(rng.choice(words) for _ in range(9)) for _ in range(1500))
    block = rng.randbytes(5000)
    return {
        "empty": b"",
        "byte": b"x",
        "text": text[:40000],
        "run": b"\0" * 60000,
        "far": block + text[:36000] + block,  # a match from past 32 KiB back
        "noise": rng.randbytes(3000),
        "mixed": (text[:7000] + block[:900] + b"ab" * 700) * 3,
    }


def stored_stream(archive, info):
    with open(archive, "rb") as f:
        f.seek(info.header_offset)
        header = f.read(30)
        name_length, extra_length = struct.unpack("<HH", header[26:30])
        f.seek(info.header_offset + 30 + name_length + extra_length)
        return f.read(info.compress_size)


def spanned_seed(archive, seed, work):
    for size_byte in (15, 63):   # parts of 1,024 and 4,096 bytes
        parts = handmade.spanned(os.path.join(work, "set.zip"), archive, 64 * (1 + size_byte))
        with open(f"{seed}-{size_byte}", "wb") as out:
            out.write(bytes([size_byte]))
            for part in parts:
                with open(part, "rb") as f:
                    out.write(f.read())
                os.remove(part)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: peer_seeds.py FOLDER")
    folder = sys.argv[1]
    for sub in list(METHODS) + ["archive", "spanned"]:
        os.makedirs(os.path.join(folder, sub), exist_ok=True)
    if shutil.which("7zz") is None:
        return
    with tempfile.TemporaryDirectory() as work:
        names = []
        for name, data in inputs().items():
            with open(os.path.join(work, name), "wb") as f:
                f.write(data)
            names.append(name)
        for sub, (method, number) in METHODS.items():
            archive = os.path.join(work, method + ".zip")
            subprocess.run(["7zz", "a", "-tzip", "-mm=" + method, "-bd", "-bso0", "-bsp0", archive] + names,
                           cwd=work, check=True)
            if os.path.getsize(archive) <= MAX_SEED:
                shutil.copy(archive, os.path.join(folder, "archive", "peer-" + method + ".zip"))
                spanned_seed(archive, os.path.join(folder, "spanned", method), work)
            with zipfile.ZipFile(archive) as z:
                for info in z.infolist():
                    stream = stored_stream(archive, info)
                    # What 7zz chose to store as it is seeds nothing here.
                    if info.compress_type != number or info.file_size >= 1 << 24 or 4 + len(stream) > MAX_SEED:
                        continue
                    prefix = bytes([info.flag_bits & 0xFF]) + info.file_size.to_bytes(3, "little")
                    with open(os.path.join(folder, sub, info.filename), "wb") as f:
                        f.write(prefix + stream)


if __name__ == "__main__":
    main()
