#!/usr/bin/env python3
"""Makes the interop corpus: source trees, archives of them by real archivers and by hand-made
layouts, and OUTDIR/manifest.jsonl, one line per archive, which the interop tests walk.

Usage: make_corpus.py OUTDIR [NPM_DIR]

Manifest fields: archive and tree (relative to OUTDIR), label ("writer / options"), password
(or null), skip (why the archive could not be made, or null), empty_dirs and dir_times
(whether the writer keeps empty folders and folder times), extra (names the writer adds, each
with its bytes in hex, or null when they are not ours to know), batch (also run through
marrowlyn-batch), parts (a set's files in order, first to last, or null for one file; the
archive named is the one a user opens: a split set's first part, a spanned set's last).
OUTDIR/kinds.jsonl lists the archives of other kinds than ZIP the same way (kinds.py)."""
import concurrent.futures
import glob
import json
import os
import shutil
import sys
import zipfile

sys.dont_write_bytecode = True  # no __pycache__ in the source folder
import handmade  # noqa: E402
import kinds  # noqa: E402
import trees  # noqa: E402
import writers  # noqa: E402
from writers import PASSWORD  # noqa: E402

WITH_FOLDERS = {"empty_dirs": True, "dir_times": True}   # the writer stores every folder with its time
FILES_ONLY = {"empty_dirs": False, "dir_times": False}
SPLIT = {"first_part": ".001"}   # 7-Zip's -v writes NAME.zip.001, NAME.zip.002, ...
JAR_EXTRA = {"META-INF/MANIFEST.MF": None}


def corpus(npm):
    """(name, label, tree, maker, password, fields) of every archive made by a real archiver."""
    # Deflate and Deflate64 at 7-Zip's default level, whose slow optimal parsing users'
    # archives carry; the rest at -mx3, which is ten times faster on the large entry.
    z = writers.sevenzip
    items = [(f"7zz-{m.lower()}", f"7-Zip / -mm={m}{level}", "mixed", z([f"-mm={m}"] + level.split()), None, {})
             for m, level in (("Copy", ""), ("Deflate", ""), ("Deflate64", ""), ("BZip2", " -mx3"),
                              ("LZMA", " -mx3"), ("PPMd", " -mx3"))]
    for m in ("Copy", "Deflate"):
        for em in ("ZipCrypto", "AES128", "AES256"):
            items.append((f"7zz-{m.lower()}-{em.lower()}", f"7-Zip / -mm={m} -mx3 -mem={em}", "mixed",
                          z([f"-mm={m}", "-mx3", f"-p{PASSWORD}", f"-mem={em}"]), PASSWORD, {}))
    items += [
        ("7zz-utf8-names", "7-Zip / -mx3 -mcu=on", "mixed", z(["-mx3", "-mcu=on"]), None, {}),
        ("7zz-ntfs-times", "7-Zip / -mx3 -mtc=on", "mixed", z(["-mx3", "-mtc=on"]), None, {}),
        ("7zz-deflate-big", "7-Zip / -mm=Deflate -mx3, entry above 16 MiB", "big", z(["-mm=Deflate", "-mx3"]),
         None, {}),
        ("7zz-deflate64-big", "7-Zip / -mm=Deflate64 -mx3, entry above 16 MiB", "big",
         z(["-mm=Deflate64", "-mx3"]), None, {}),
        ("7zz-split", "7-Zip / -mm=Deflate -mx3 -v400k (split set)", "mixed",
         z(["-mm=Deflate", "-mx3", "-v400k"]), None, {"batch": True, **SPLIT}),
        ("7zz-split-aes256", "7-Zip / -mm=Deflate -mx3 -mem=AES256 -v400k (split set)", "mixed",
         z(["-mm=Deflate", "-mx3", f"-p{PASSWORD}", "-mem=AES256", "-v400k"]), PASSWORD, SPLIT),
        ("7zz-split-zipcrypto-big", "7-Zip / -mm=Copy -mem=ZipCrypto -v4m (split set), entry above 16 MiB",
         "big", z(["-mm=Copy", f"-p{PASSWORD}", "-mem=ZipCrypto", "-v4m"]), PASSWORD, SPLIT),
    ]
    b = writers.bsdtar
    items += [
        ("bsdtar-store", "bsdtar / store, to a pipe", "mixed", b("zip:compression=store"), None, {}),
        ("bsdtar-deflate", "bsdtar / deflate, to a pipe", "mixed", b("zip:compression=deflate"), None,
         {"batch": True}),
        ("bsdtar-deflate-big", "bsdtar / deflate, to a pipe, entry above 16 MiB", "big",
         b("zip:compression=deflate"), None, {}),
    ]
    items += [(f"bsdtar-{e}", f"bsdtar / deflate, zip:encryption={e}, to a pipe", "mixed",
               b(f"zip:encryption={e}", PASSWORD), PASSWORD, {}) for e in ("zipcrypt", "aes128", "aes256")]
    p = writers.python_zip
    items += [
        ("py-stored", "Python zipfile / stored", "mixed", p(zipfile.ZIP_STORED), None, {}),
        ("py-deflate-stream", "Python zipfile / deflate, unseekable stream", "mixed",
         p(zipfile.ZIP_DEFLATED, stream=True), None, {}),
        ("py-stored-stream", "Python zipfile / stored, unseekable stream", "mixed",
         p(zipfile.ZIP_STORED, stream=True), None, {}),
        ("py-bzip2", "Python zipfile / bzip2", "mixed", p(zipfile.ZIP_BZIP2), None, {}),
        ("py-lzma", "Python zipfile / lzma", "mixed", p(zipfile.ZIP_LZMA), None, {}),
        ("py-zip64-comment", "Python zipfile / deflate, force_zip64, archive comment", "mixed",
         p(zipfile.ZIP_DEFLATED, force_zip64=True, comment=b"Made for the interop corpus."), None, {}),
        ("py-deflate-stream-big", "Python zipfile / deflate, unseekable stream, entry above 16 MiB", "big",
         p(zipfile.ZIP_DEFLATED, stream=True), None, {}),
        ("jar-stored", "jar / -c0M (stored, no manifest)", "mixed", writers.jar("cf0M"), None, {}),
        ("jar-deflate-big", "jar / -c (deflate, manifest), entry above 16 MiB", "big", writers.jar("cf"),
         None, {"extra": JAR_EXTRA}),
        ("yazl-deflate", "yazl (npm) / deflate", "mixed", writers.yazl(npm, True), None, {}),
        ("yazl-store-big", "yazl (npm) / store, entry above 16 MiB", "big", writers.yazl(npm, False), None, {}),
    ]
    return items


def handmade_corpus(out):
    """The same for the hand-made layouts, two of which reuse what 7-Zip wrote."""
    a = lambda name: os.path.join(out, "archives", name + ".zip")
    need = lambda name: None if os.path.exists(a(name)) else f"needs {name}.zip, which 7zz did not make"
    return [
        ("macos-archive-utility", "hand-made / macOS Archive Utility (no UTF-8 flag, descriptors, __MACOSX)",
         "mixed", handmade.macos, None, {"batch": True}, None),
        ("windows-compressed-folder", "hand-made / Windows compressed folder (CP437 names, Deflate64)", "cp437",
         lambda archive, root: handmade.windows(archive, root, a("7zz-deflate64-big")), None, {},
         need("7zz-deflate64-big")),
        ("winzip-ae1", "hand-made / WinZip AE-1 (CRC kept), from 7-Zip's AES-256 deflate", "mixed",
         lambda archive, root: handmade.winzip_aes(archive, a("7zz-deflate-aes256"), root, 1), PASSWORD,
         {"batch": True}, need("7zz-deflate-aes256")),
        ("winzip-ae2", "hand-made / WinZip AE-2 (CRC 0), from 7-Zip's AES-256 deflate", "mixed",
         lambda archive, root: handmade.winzip_aes(archive, a("7zz-deflate-aes256"), root, 2), PASSWORD, {},
         need("7zz-deflate-aes256")),
        ("apk-zero-padding", "hand-made / Android alignment, zero padding", "mixed",
         lambda archive, root: handmade.apk(archive, root, False), None, FILES_ONLY, None),
        ("apk-d935-padding", "hand-made / Android alignment, 0xD935 field", "mixed",
         lambda archive, root: handmade.apk(archive, root, True), None, FILES_ONLY, None),
        ("zip64-local-only", "hand-made / Zip64 markers in the local headers only", "mixed",
         handmade.zip64_local_only, None, {}, None),
        ("spanned", "hand-made / spanned set (NAME.z01 ... NAME.zip) of 7-Zip's deflate entries", "mixed",
         lambda archive, root: handmade.spanned(archive, a("7zz-deflate"), 300 * 1024), None, {"batch": True},
         need("7zz-deflate")),
        ("spanned-aes256-zip64", "hand-made / spanned set with Zip64 end records, 7-Zip's AES-256 entries",
         "mixed", lambda archive, root: handmade.spanned(archive, a("7zz-deflate-aes256"), 256 * 1024, True),
         PASSWORD, {}, need("7zz-deflate-aes256")),
        ("spanned-zipcrypto-stored", "hand-made / spanned set of 7-Zip's stored ZipCrypto entries", "mixed",
         lambda archive, root: handmade.spanned(archive, a("7zz-copy-zipcrypto"), 700 * 1024), PASSWORD, {},
         need("7zz-copy-zipcrypto")),
    ]


def make(out, item, tree_paths):
    name, label, tree, maker, password, fields = item[:6]
    fields = dict(fields)
    first_part = fields.pop("first_part", "")
    archive = os.path.join(out, "archives", name + ".zip")
    record = {"archive": os.path.relpath(archive + first_part, out),
              "tree": os.path.relpath(tree_paths[tree], out), "label": label, "password": password,
              "skip": item[6] if len(item) > 6 else None, "extra": {}, "batch": False, "parts": None,
              **WITH_FOLDERS, **fields}
    if record["skip"] is None:
        result = maker(archive, tree_paths[tree])
        if isinstance(result, dict):
            record["extra"] = result   # a hand-made layout says what it added
        elif isinstance(result, list):
            record["parts"] = [os.path.relpath(p, out) for p in result]
        elif result:
            record["skip"] = result
        elif first_part:
            record["parts"] = [os.path.relpath(p, out) for p in sorted(glob.glob(glob.escape(archive) + ".[0-9]*"))]
    return record


def main():
    out = os.path.abspath(sys.argv[1])
    npm_dir = os.path.abspath(sys.argv[2]) if len(sys.argv) > 2 else os.path.join(out, "npm")
    for folder in ("trees", "archives"):
        shutil.rmtree(os.path.join(out, folder), ignore_errors=True)
    os.makedirs(os.path.join(out, "archives"))
    tree_paths = trees.make_trees(os.path.join(out, "trees"))
    npm = {"path": npm_dir, "reason": writers.npm_ready(npm_dir)}
    with concurrent.futures.ThreadPoolExecutor(os.cpu_count() or 2) as pool:
        records = list(pool.map(lambda item: make(out, item, tree_paths), corpus(npm)))
        records += list(pool.map(lambda item: make(out, item, tree_paths), handmade_corpus(out)))
        tree_paths.update(trees.make_kind_trees(os.path.join(out, "trees", "kinds")))
        others = list(pool.map(lambda item: kinds.make(out, item, tree_paths), kinds.corpus()))
    for file, written in (("manifest.jsonl", records), ("kinds.jsonl", others)):
        with open(os.path.join(out, file), "w", encoding="utf-8") as manifest:
            for record in written:
                manifest.write(json.dumps(record, ensure_ascii=False) + "\n")
    records += others
    for record in records:
        if record["skip"]:
            print(f"skipped {record['archive']}: {record['skip']}")
    print(f"{len(records)} archives in {out}")


if __name__ == "__main__":
    main()
