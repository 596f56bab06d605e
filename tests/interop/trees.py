"""The source trees the corpus archives: the truth every extraction is compared with."""
import os
import random
import time

# Local times with even seconds (DOS times keep two-second steps). Some lie just after
# the clocks changed in spring and in autumn, where a local/UTC mix-up shows first.
TIMES = [
    (2019, 1, 15, 8, 30, 10), (2021, 7, 4, 23, 59, 58), (2022, 3, 27, 3, 0, 0),
    (2023, 10, 29, 3, 0, 2), (2024, 2, 29, 12, 34, 56), (1999, 12, 31, 23, 59, 58),
    (2010, 8, 8, 0, 0, 0), (2033, 5, 18, 17, 45, 20),
]

WORDS = ("archive entry folder quiet river stone paper lamp window garden seven "
         "orange delta marrow lyn copper north signal thread basket morning").split()


def text(rng, size):
    words = rng.choices(WORDS, k=size // 5 + 16)
    lines = [" ".join(words[i:i + 12]) for i in range(0, len(words), 12)]
    return "\n".join(lines).encode()[:size]


def large(rng, size):
    # Text rotated at random points, with a random stretch in the middle: the
    # repeats lie far beyond any deflate window, so it compresses like prose.
    base = text(rng, 1 << 20)
    parts, total = [], 0
    while total < size:
        cut = rng.randrange(len(base))
        part = base[cut:] + base[:cut]
        if len(parts) == 8:
            part = rng.randbytes(256 << 10)
        parts.append(part)
        total += len(part)
    return b"".join(parts)[:size]


def mixed(rng):
    files = {
        "readme.txt": text(rng, 5000),
        "empty.txt": b"",
        "one-byte": b"x",
        "random.bin": rng.randbytes(1 << 20),
        "text.log": text(rng, 1_500_000),
        "docs/notes.txt": text(rng, 300_000),
        "docs/deep/deeper/deepest/leaf.bin": rng.randbytes(1000),
        "Ünïcødé/日本語.txt": "日本語のテキスト、圧縮されるはずです。\n".encode() * 400,
        "Ünïcødé/empty.dat": b"",
        "Ελληνικά.txt": "Καλημέρα κόσμε, αυτό είναι ένα κείμενο.\n".encode() * 300,
    }
    return files, ["docs/empty-folder", "empty-folder"]


HUGE = 17 << 20 | 12345  # above 16 MiB, where the engine streams and writes behind


def big(rng, huge):
    return {"huge.dat": huge, "small.txt": text(rng, 1000), "sub/note.txt": text(rng, 40_000)}, []


def cp437(rng, huge):
    # Only characters the DOS code page holds, as an old Windows writes them.
    files = {
        "Äpfel/Grüße.txt": text(rng, 20_000),
        "Übersicht.txt": text(rng, 3000),
        "Groß/huge.dat": huge,
        "ü.bin": rng.randbytes(100_000),
        "Äpfel/leer.txt": b"",
    }
    return files, ["Ablage/leer"]


def write_tree(root, files, empty_dirs, seed):
    """Writes the tree and gives every file and folder its own fixed local time."""
    rng = random.Random(seed)
    for name, data in files.items():
        path = os.path.join(root, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as out:
            out.write(data)
    for name in empty_dirs:
        os.makedirs(os.path.join(root, name), exist_ok=True)
    # Stamped once everything exists: creating a name changes its folder's time.
    paths = []
    for folder, dirs, names in os.walk(root):
        dirs.sort()
        paths += [os.path.join(folder, n) for n in dirs + sorted(names)]
    for path in paths:
        stamp = time.mktime(rng.choice(TIMES) + (0, 0, -1))
        os.utime(path, (stamp, stamp))


def make_trees(base):
    rng = random.Random(20240611)
    huge = large(rng, HUGE)
    layouts = {"mixed": mixed(rng), "big": big(rng, huge), "cp437": cp437(rng, huge)}
    trees = {}
    for seed, (name, (files, empty_dirs)) in enumerate(layouts.items()):
        root = os.path.join(base, name)
        write_tree(root, files, empty_dirs, seed)
        trees[name] = root
    return trees


def entries(root):
    """Folders (with a trailing slash) and files below root, relative, sorted as a walk gives them."""
    found = []
    for folder, dirs, names in os.walk(root):
        dirs.sort()
        rel = os.path.relpath(folder, root)
        prefix = "" if rel == "." else rel + "/"
        if prefix:
            found.append(prefix)
        found += [prefix + n for n in sorted(names)]
    return found


# Trees of the other kinds, which keep what a Unix file system has: modes, links, long names.
# Modes are ones a umask of 022 leaves alone and that let the owner read and write, so that
# what the engine restores can be held against them as they are.
DEEP = "/".join(f"{word}-{'d' * 30}" for word in ("first", "second", "third", "fourth", "fifth"))


def unix(rng, long_names):
    """(files with their modes, folders with their modes, symlinks, hard links). The long
    variant adds a name of 150 bytes and a link target of 120, beyond ustar's fields."""
    files = {
        "readme.txt": (text(rng, 5000), 0o644),
        "empty.txt": (b"", 0o644),
        "bin/run.sh": (b"#!/bin/sh\necho marrowlyn\n", 0o755),
        "bin/tool": (rng.randbytes(3000), 0o750),
        "private/secret.txt": (text(rng, 2000), 0o600),
        "group.txt": (text(rng, 700), 0o640),
        "data/random.bin": (rng.randbytes(200_000), 0o644),
        "text.log": (text(rng, 300_000), 0o644),
        DEEP + "/leaf.txt": (text(rng, 900), 0o644),   # a path of 175 bytes, ustar's prefix split
        "Ünïcødé/日本語.txt": ("日本語のテキスト\n".encode() * 200, 0o644),
    }
    folders = {"private": 0o700, "bin": 0o755, "empty-folder": 0o755, "data/empty-0750": 0o750}
    links = {"link-to-readme": "readme.txt", "data/up-link": "../readme.txt", "bin-link": "bin"}
    hard = {"data/random-hardlink.bin": "data/random.bin"}
    if long_names:
        files["long/" + "long-name-" * 14 + ".txt"] = (text(rng, 1200), 0o644)   # 154 bytes
        links["long/far-link"] = "../" + DEEP + "/leaf.txt"
    return files, folders, links, hard


def sparse_tree(rng):
    """A file of 6 MiB that is mostly holes, written with holes, and a small neighbour."""
    return {"small.txt": (text(rng, 2000), 0o644)}, {}, {}, {}, {"sparse.img": (6 << 20, [
        (0, rng.randbytes(4096)), (2 << 20, text(rng, 10_000)), ((6 << 20) - 512, rng.randbytes(512))])}


def write_unix_tree(root, layout, seed):
    files, folders, links, hard = layout[:4]
    holes = layout[4] if len(layout) > 4 else {}
    rng = random.Random(seed)
    for name, (data, _) in files.items():
        path = os.path.join(root, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as out:
            out.write(data)
    for name, (size, pieces) in holes.items():
        with open(os.path.join(root, name), "wb") as out:
            out.truncate(size)
            for at, data in pieces:
                out.seek(at)
                out.write(data)
    for name in folders:
        os.makedirs(os.path.join(root, name), exist_ok=True)
    for name, target in links.items():
        os.makedirs(os.path.dirname(os.path.join(root, name)), exist_ok=True)
        os.symlink(target, os.path.join(root, name))
    for name, target in hard.items():
        os.link(os.path.join(root, target), os.path.join(root, name))
    for name, (_, mode) in files.items():
        os.chmod(os.path.join(root, name), mode)
    paths = []
    for folder, dirs, names in os.walk(root):
        dirs.sort()
        paths += [os.path.join(folder, n) for n in dirs + sorted(names)]
    for path in paths:
        if os.path.isdir(path) and not os.path.islink(path):
            os.chmod(path, folders.get(os.path.relpath(path, root), 0o755))
    for path in paths:
        stamp = time.mktime(rng.choice(TIMES) + (0, 0, -1))
        os.utime(path, (stamp, stamp), follow_symlinks=False)


def make_kind_trees(base):
    """The trees of the other kinds: unix (fits ustar), unix-long, sparse, and single (the one
    file a single-file compressor gives back, under the name the archives give it)."""
    rng = random.Random(20260702)
    layouts = {"unix": unix(rng, False), "unix-long": unix(rng, True), "sparse": sparse_tree(rng)}
    made = {}
    for seed, (name, layout) in enumerate(layouts.items()):
        made[name] = os.path.join(base, name)
        write_unix_tree(made[name], layout, 100 + seed)
    made["single"] = os.path.join(base, "single")
    write_unix_tree(made["single"], ({"notes.txt": (text(rng, 400_000), 0o644)}, {}, {}, {}), 200)
    return made
