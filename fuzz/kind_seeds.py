#!/usr/bin/env python3
"""Seeds for fuzz_kinds: small archives of every other kind the engine reads.

    kind_seeds.py FOLDER  ->  FOLDER/kinds

tar (plain, pax, with links and a sparse member) and its compressions, 7z with
its main methods, cpio, cab and bare compressed streams, each made by its own
tool; a kind whose tool is missing is left out.
"""
import os
import shutil
import subprocess
import sys
import tempfile

MAKERS = {
    "k.tar": "tar -cf {out} a.txt sub link hard",
    "k.pax": "tar --format=pax -cf {out} a.txt sub",
    "sparse.tar": "tar -cSf {out} holes",
    "k.tgz": "tar -czf {out} a.txt sub link hard",
    "k.tbz": "tar -cjf {out} a.txt sub",
    "k.txz": "tar -cJf {out} a.txt sub",
    "k.tzst": "tar --zstd -cf {out} a.txt sub",
    "k.tar.lz4": "tar -I lz4 -cf {out} a.txt sub",
    "k.tar.lz": "tar --lzip -cf {out} a.txt sub",
    "k.tar.Z": "tar -Z -cf {out} a.txt sub",
    "lzma2.7z": "7zz a -t7z -m0=LZMA2 {out} a.txt sub",
    "ppmd.7z": "7zz a -t7z -m0=PPMd {out} a.txt sub",
    "bzip2.7z": "7zz a -t7z -m0=BZip2 -ms=off {out} a.txt sub",
    "copy.7z": "7zz a -t7z -m0=Copy -mhc=off {out} a.txt sub",
    "k.cpio": "find a.txt sub link | cpio -o -H newc > {out}",
    "k.cab": "gcab -c -z {out} a.txt sub/b.txt",
    "a.gz": "gzip -c a.txt > {out}",
    "a.bz2": "bzip2 -c a.txt > {out}",
    "a.xz": "xz -c a.txt > {out}",
    "a.zst": "zstd -q -c a.txt > {out}",
}


def main():
    folder = os.path.join(sys.argv[1], "kinds")
    os.makedirs(folder, exist_ok=True)
    work = tempfile.mkdtemp()
    try:
        os.makedirs(os.path.join(work, "sub"))
        with open(os.path.join(work, "a.txt"), "w") as f:
            f.write("seed river stone lantern\n" * 200)
        with open(os.path.join(work, "sub", "b.txt"), "w") as f:
            f.write("window thread engine\n" * 50)
        with open(os.path.join(work, "holes"), "wb") as f:
            f.seek(20000)
            f.write(b"end")
        os.symlink("a.txt", os.path.join(work, "link"))
        os.link(os.path.join(work, "a.txt"), os.path.join(work, "hard"))
        for name, command in MAKERS.items():
            out = os.path.join(folder, name)
            subprocess.run(command.format(out=out), shell=True, cwd=work, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, check=False)
            if os.path.exists(out) and os.path.getsize(out) > 65536:
                os.remove(out)
    finally:
        shutil.rmtree(work)


if __name__ == "__main__":
    main()
