"""Archives of the other kinds, by the real writers of each (7-Zip, bsdtar, GNU tar, Python's
tarfile, the single-file compressors, xorriso, gcab, cpio) and by our own RAR writer, written to
OUTDIR/kinds.jsonl with the fields of manifest.jsonl and these:

name (the test's name), modes (the writer keeps Unix modes), hard_links (it keeps hard links as
links), file_times (it keeps files' times), expect_refusal (a word the refusal must say; nothing
may be written)."""
import glob
import os
import shutil
import stat
import subprocess

import rarraw
from writers import PASSWORD, run, tool

UNIX = {"modes": True, "hard_links": True, "empty_dirs": True, "dir_times": True}
NO_HARD_LINKS = {**UNIX, "hard_links": False}
SINGLE = {"modes": False, "file_times": False, "empty_dirs": False, "dir_times": False}
# gcab writes its times in UTC where readers of cab (libarchive, 7-Zip) take local time, as Windows
# writes them: what it says of the times is not the kind's.
GCAB = {"modes": False, "empty_dirs": False, "dir_times": False, "file_times": False}
REFUSED = {"expect_refusal": "encrypt"}

# bsdtar's and GNU tar's options for each compressor, and the suffixes users meet.
COMPRESSORS = {
    "gzip": (["-z"], ["-z"], ".tar.gz"), "bzip2": (["-j"], ["-j"], ".tbz2"),
    "xz": (["-J"], ["-J"], ".txz"), "lzma": (["--lzma"], ["--lzma"], ".tar.lzma"),
    "zstd": (["--zstd"], ["--zstd"], ".tar.zst"), "lz4": (["--lz4"], ["-I", "lz4"], ".tar.lz4"),
    "lzip": (["--lzip"], ["--lzip"], ".tar.lz"), "compress": (["-Z"], ["-I", "compress -f"], ".tar.Z"),   # compress fails a file that grows
}
SINGLES = {"gzip": ".gz", "bzip2": ".bz2", "xz": ".xz", "zstd": ".zst", "lz4": ".lz4", "lzip": ".lz",
           "compress": ".Z"}


def missing(*names):
    absent = [n for n in names if not tool(n)]
    return f"{', '.join(absent)} not installed (scripts/deps installs it)" if absent else None


def top(root):
    return sorted(os.listdir(root))


def sevenzip(options):
    def make(archive, root):
        # -snl keeps links as links; 7-Zip matches "*" itself, hidden names too.
        run(["7zz", "a", "-t7z", "-bd", "-y", "-snl", *options, "--", os.path.abspath(archive), "*"], cwd=root)
        parts = sorted(glob.glob(glob.escape(archive) + ".[0-9]*"))
        return parts or None
    return make


def bsdtar(fmt, compress=()):
    def make(archive, root):
        run(["bsdtar", "--format", fmt, *compress, "-cf", archive, "-C", root, "--", *top(root)])
    return make


def gnutar(fmt, compress=(), extra=()):
    def make(archive, root):
        run(["tar", f"--format={fmt}", *compress, *extra, "-cf", archive, "-C", root, "--", *top(root)])
    return make


def python_tar(fmt, mode):
    import tarfile

    def make(archive, root):
        with tarfile.open(archive, mode, format=fmt) as tar:
            for name in top(root):
                tar.add(os.path.join(root, name), name)
    return make


def single(compressor, stored_name=None):
    """notes.txt compressed to ARCHIVE; with stored_name, gzip -N keeps another name inside."""
    def make(archive, root):
        source = os.path.join(root, "notes.txt")
        if stored_name:
            folder = os.path.dirname(archive)
            source = shutil.copy2(source, os.path.join(folder, stored_name))
        with open(source, "rb") as data, open(archive, "wb") as out:
            args = [compressor, "-c", "-N", source] if stored_name else [compressor, "-c"]
            subprocess.run(args, stdin=data, stdout=out, stderr=subprocess.PIPE, check=True)
        if stored_name:
            os.remove(source)
    return make


def walk(root):
    """Folders, files and links below root, relative, a folder before what it holds."""
    names = []
    for folder, dirs, files in os.walk(root):
        dirs.sort()
        names += [os.path.relpath(os.path.join(folder, n), root) for n in sorted(dirs) + sorted(files)]
    return names


def cpio(fmt):
    def make(archive, root):
        listing = "".join(n + "\n" for n in walk(root)).encode()
        with open(archive, "wb") as out:
            subprocess.run(["cpio", "-o", "--quiet", "-H", fmt], input=listing, stdout=out, cwd=root, check=True)
    return make


def iso(archive, root):
    # Its mkisofs emulation takes no "--"; both paths are ours and absolute.
    run(["xorriso", "-as", "mkisofs", "-quiet", "-J", "-R", "-V", "KINDS", "-o", archive, root])


def cab(compress):
    def make(archive, root):
        files = [n for n in walk(root) if stat.S_ISREG(os.lstat(os.path.join(root, n)).st_mode)]
        run(["gcab", "-c", *(["-z"] if compress else []), "--", os.path.abspath(archive), *files], cwd=root)
    return make


def rar(version, volume_size=None):
    write = rarraw.write5 if version == 5 else rarraw.write4
    return lambda archive, root: write(archive, root, volume_size)


def corpus():
    """(archive file name, label, tree, maker, tools it needs, fields) of each archive."""
    items = []
    for method, level in (("Copy", []), ("LZMA", ["-mx3"]), ("LZMA2", ["-mx3"]), ("PPMd", ["-mx3"]),
                          ("BZip2", ["-mx3"]), ("Deflate", ["-mx3"])):
        items.append((f"7zz-{method.lower()}.7z", f"7-Zip / 7z -m0={method}", "unix-long",
                      sevenzip([f"-m0={method}", *level]), ["7zz"], NO_HARD_LINKS))
    items += [
        ("7zz-lzma2-not-solid.7z", "7-Zip / 7z -m0=LZMA2 -ms=off", "unix", sevenzip(["-mx3", "-ms=off"]), ["7zz"],
         NO_HARD_LINKS),
        ("7zz-volumes.7z", "7-Zip / 7z -m0=LZMA2 -v100k (volumes)", "unix", sevenzip(["-mx3", "-v100k"]),
         ["7zz"], NO_HARD_LINKS),
        ("7zz-header-encrypted.7z", "7-Zip / 7z -mhe=on -p (names encrypted)", "unix",
         sevenzip(["-mx3", "-mhe=on", f"-p{PASSWORD}"]), ["7zz"], REFUSED),
        ("7zz-data-encrypted.7z", "7-Zip / 7z -p (data encrypted, names not)", "unix",
         sevenzip(["-mx3", f"-p{PASSWORD}"]), ["7zz"], REFUSED),
    ]
    # ARM64 is newer than the libarchive of Debian 12: refused whole, by its name.
    for f in ("BCJ", "BCJ2", "ARM", "ARM64"):
        fields = {"expect_refusal": "cannot decode (arm64)"} if f == "ARM64" else NO_HARD_LINKS
        items.append((f"7zz-{f.lower()}.7z", f"7-Zip / 7z -mf={f}", "unix", sevenzip(["-mx3", f"-mf={f}"]),
                      ["7zz"], fields))
    for fmt, tree in (("ustar", "unix"), ("pax", "unix-long"), ("gnutar", "unix-long")):
        items.append((f"bsdtar-{fmt}.tar", f"bsdtar / {fmt}", tree, bsdtar(fmt), ["bsdtar"], UNIX))
    for fmt, tree in (("ustar", "unix"), ("pax", "unix-long"), ("gnu", "unix-long")):
        items.append((f"gnutar-{fmt}.tar", f"GNU tar / --format={fmt}", tree, gnutar(fmt), ["tar"], UNIX))
    for name, (b, g, suffix) in COMPRESSORS.items():
        items.append((f"bsdtar-pax-{name}{suffix}", f"bsdtar / pax, {name}", "unix-long", bsdtar("pax", b),
                      ["bsdtar", name], UNIX))
        items.append((f"gnutar-gnu-{name}{'.tgz' if name == 'gzip' else suffix}", f"GNU tar / gnu, {name}",
                      "unix-long", gnutar("gnu", g), ["tar", name], UNIX))
    items += [
        ("gnutar-gnu-sparse.tar", "GNU tar / gnu --sparse", "sparse", gnutar("gnu", extra=["--sparse"]), ["tar"],
         UNIX),
        ("gnutar-pax-sparse.tar.xz", "GNU tar / pax --sparse (1.0), xz", "sparse",
         gnutar("pax", ["-J"], ["--sparse", "--sparse-version=1.0"]), ["tar", "xz"], UNIX),
    ]
    import tarfile
    for fmt, label, mode, tree in ((tarfile.USTAR_FORMAT, "ustar, gzip", "w:gz", "unix"),
                                   (tarfile.GNU_FORMAT, "gnu, bzip2", "w:bz2", "unix-long"),
                                   (tarfile.PAX_FORMAT, "pax, xz", "w:xz", "unix-long")):
        suffix = {"w:gz": ".tar.gz", "w:bz2": ".tar.bz2", "w:xz": ".tar.xz"}[mode]
        items.append((f"py-tarfile-{label.split(',')[0]}{suffix}", f"Python tarfile / {label}", tree,
                      python_tar(fmt, mode), [], UNIX))
    for name, suffix in SINGLES.items():
        items.append((f"single-{name}/notes.txt{suffix}", f"{name} / one file", "single", single(name), [name],
                      SINGLE))
    items += [
        ("single-gzip-named/notes.txt.gz", "gzip -N / one file, another name stored inside", "single",
         single("gzip", "original-name.txt"), ["gzip"], SINGLE),
        ("xorriso-joliet-rockridge.iso", "xorriso / -J -R (Joliet, Rock Ridge)", "unix", iso, ["xorriso"],
         NO_HARD_LINKS),
        ("gcab-stored.cab", "gcab / -c (stored)", "mixed", cab(False), ["gcab"], GCAB),
        ("gcab-mszip.cab", "gcab / -c -z (MSZIP)", "mixed", cab(True), ["gcab"], GCAB),
        ("cpio-newc.cpio", "GNU cpio / -o -H newc", "unix", cpio("newc"), ["cpio"], UNIX),
        ("cpio-odc.cpio", "GNU cpio / -o -H odc", "unix", cpio("odc"), ["cpio"], NO_HARD_LINKS),
        ("rar4-stored.rar", "hand-made / RAR 4, stored", "unix", rar(4), [], NO_HARD_LINKS),
        ("rar4-volumes.rar", "hand-made / RAR 4 volumes NAME.rar, NAME.r00, ..., stored", "unix",
         rar(4, 150_000), [], NO_HARD_LINKS),
        ("rar5-stored.rar", "hand-made / RAR 5, stored", "unix", rar(5), [], NO_HARD_LINKS),
        ("rar5-volumes.rar", "hand-made / RAR 5 volumes NAME.part1.rar, ..., stored", "unix",
         rar(5, 150_000), [], NO_HARD_LINKS),
    ]
    return items


def make(out, item, tree_paths):
    file_name, label, tree, maker, tools, fields = item
    archive = os.path.join(out, "archives", "kinds", file_name)
    os.makedirs(os.path.dirname(archive), exist_ok=True)
    name = file_name.replace("/", "-")
    record = {"name": name, "archive": os.path.relpath(archive, out), "tree": os.path.relpath(tree_paths[tree], out),
              "label": label, "password": None, "skip": missing(*tools), "extra": {}, "batch": False,
              "parts": None, "modes": False, "hard_links": False, "file_times": True, "expect_refusal": None,
              **fields}
    if "encrypt" in (record["expect_refusal"] or ""):
        record["password"] = PASSWORD   # given when asked: the refusal is of the encryption, not for want of it
    if record["skip"] is None:
        parts = maker(archive, tree_paths[tree])
        if parts:
            record["archive"] = os.path.relpath(parts[0], out)
            record["parts"] = [os.path.relpath(p, out) for p in parts]
    return record
