#!/usr/bin/env python3
"""Keeps the translations in step with the sources.

  texts.py update   reads every translatable text of the sources into the
                    .ts files (new texts come in unfinished, gone ones leave)
  texts.py check    fails, naming each text, when a text of the sources has
                    no finished translation or a translation loses a %1 marker

Each .ts file covers one part of the program: <part>_<language>.ts.
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

HERE = Path(__file__).resolve().parent
ROOT = HERE.parent
PARTS = {
    "window": ["ui", "app"],
    "command": ["batch"],
    "core": ["base", "engine", "common", "joblist", "run"],
}
LUPDATE_HINTS = ["/usr/lib/qt6/bin/lupdate", "/usr/lib/qt6/libexec/lupdate"]


def lupdate():
    for hint in LUPDATE_HINTS:
        if Path(hint).exists():
            return hint
    found = shutil.which("lupdate")
    if not found:
        sys.exit("lupdate is missing: install qt6-l10n-tools (scripts/deps does)")
    return found


def refresh(ts, part):
    dirs = [str(ROOT / d) for d in PARTS[part]]
    subprocess.run([lupdate(), "-silent", "-no-obsolete", "-locations", "none",
                    "-tr-function-alias", "translate+=Translated", "-extensions", "cpp,h",
                    *dirs, "-ts", str(ts)], check=True)


def markers(text):
    return sorted(set(re.findall(r"%[1-9n]", text or "")))


def faults(ts):
    found = []
    for context in ET.parse(ts).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            forms = [f.text for f in translation.iter("numerusform")] or [translation.text]
            where = f"{ts.name}: {name}: {source!r}"
            if translation.get("type") == "unfinished" or not all(forms):
                found.append(f"{where}: not translated")
            elif any(markers(form) != markers(source) for form in forms):
                found.append(f"{where}: the translation's markers differ")
    return found


def main():
    mode = sys.argv[1] if len(sys.argv) > 1 else "check"
    files = sorted(HERE.glob("*_*.ts"))
    if mode == "update":
        for ts in files:
            refresh(ts, ts.stem.split("_")[0])
        return 0
    problems = []
    with tempfile.TemporaryDirectory() as scratch:
        for ts in files:
            copy = Path(scratch) / ts.name
            shutil.copy(ts, copy)
            refresh(copy, ts.stem.split("_")[0])
            problems += faults(copy)
    for problem in problems:
        print(problem)
    print(f"{len(files)} translation files, {len(problems)} problems")
    return 1 if problems or not files else 0


if __name__ == "__main__":
    sys.exit(main())
