"""Archives written by real archivers: 7-Zip, libarchive's bsdtar, Python's zipfile, jar, and yazl from npm.

Each maker returns None when it wrote the archive, or the reason it could not (a
missing tool), which the test prints when it skips that archive."""
import os
import shutil
import subprocess
import zipfile

import trees

PASSWORD = "Secret1"


def tool(name):
    return shutil.which(name)


def run(args, cwd=None, stdout=None):
    result = subprocess.run(args, cwd=cwd, stdout=stdout or subprocess.PIPE, stderr=subprocess.PIPE)
    if result.returncode != 0:
        raise RuntimeError(f"{' '.join(args)} failed: {result.stderr.decode(errors='replace')[-2000:]}")
    return result.stdout


def top_level(root):
    return sorted(os.listdir(root))


def sevenzip(options):
    def make(archive, root):
        if not tool("7zz"):
            return "7zz is not installed (Debian package 7zip)"
        # 7-Zip matches "*" itself, so every top-level item is taken, and folders whole.
        run(["7zz", "a", "-tzip", "-bd", "-y", *options, os.path.abspath(archive), "*"], cwd=root)
        return None
    return make


def bsdtar(options, password=None):
    def make(archive, root):
        if not tool("bsdtar"):
            return "bsdtar is not installed (Debian package libarchive-tools)"
        args = ["bsdtar", "--format", "zip", "--options", options]
        if password:
            args += ["--passphrase", password]
        # Written to a pipe: the writer cannot seek back, so every entry ends in a data descriptor.
        data = run(args + ["-cf", "-", "-C", root, *top_level(root)])
        with open(archive, "wb") as out:
            out.write(data)
        return None
    return make


class Unseekable:
    """A file that only takes bytes: zipfile then streams with data descriptors."""

    def __init__(self, path):
        self.file = open(path, "wb")

    def write(self, data):
        return self.file.write(data)

    def flush(self):
        self.file.flush()

    def close(self):
        self.file.close()


def python_zip(method, stream=False, force_zip64=False, comment=b""):
    def make(archive, root):
        target = Unseekable(archive) if stream else archive
        with zipfile.ZipFile(target, "w", compression=method) as zf:
            zf.comment = comment
            for name in trees.entries(root):
                info = zipfile.ZipInfo.from_file(os.path.join(root, name), name)
                info.compress_type = method
                if name.endswith("/"):
                    zf.writestr(info, b"")
                    continue
                with open(os.path.join(root, name), "rb") as src, \
                        zf.open(info, "w", force_zip64=force_zip64) as dst:
                    shutil.copyfileobj(src, dst, 1 << 20)
        if stream:
            target.close()
        return None
    return make


def jar(options):
    def make(archive, root):
        if not tool("jar"):
            return "jar is not installed (Debian package openjdk-17-jdk-headless)"
        run(["jar", options, os.path.abspath(archive), "-C", root, "."])
        return None
    return make


def npm_ready(npm_dir):
    """Installs the pinned npm writer once per build folder; None when it is there."""
    if not tool("node") or not tool("npm"):
        return "node or npm is not installed"
    here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "npm")
    os.makedirs(npm_dir, exist_ok=True)
    fresh = os.path.exists(os.path.join(npm_dir, "node_modules", "yazl"))
    for name in ("package.json", "package-lock.json", "write-zip.js"):
        src, dst = os.path.join(here, name), os.path.join(npm_dir, name)
        fresh = fresh and os.path.exists(dst) and open(src, "rb").read() == open(dst, "rb").read()
        shutil.copyfile(src, dst)
    if fresh:
        return None
    try:
        result = subprocess.run(["npm", "ci", "--no-audit", "--no-fund", "--ignore-scripts"], cwd=npm_dir,
                                stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=120)
    except subprocess.TimeoutExpired:
        return "npm ci took longer than 120 s (no network?)"
    if result.returncode != 0:
        return "npm ci failed (no network?): " + result.stdout.decode(errors="replace")[-300:]
    return None


def yazl(npm_dir, compress):
    def make(archive, root):
        if npm_dir["reason"]:
            return npm_dir["reason"]
        run(["node", os.path.join(npm_dir["path"], "write-zip.js"), root, os.path.abspath(archive),
             "deflate" if compress else "store"])
        return None
    return make
