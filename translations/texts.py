#!/usr/bin/env python3
"""Keeps the translations in step with the sources.

  texts.py update   reads every translatable text of the sources into the
                    .ts files (new texts come in unfinished, gone ones leave)
  texts.py check    fails, naming each text, when a text of the sources has
                    no finished translation (or a blank one), a translation
                    loses a %1 marker or adds one the English lacks, or a
                    plural text has not as many forms as its language has

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


# How many plural forms Qt's rules give each language shipped (Japanese has
# one form for every number); a language not listed is not checked for it.
PLURAL_FORMS = {"de": 2, "en": 2, "es": 2, "fr": 2, "ja": 1}


def markers(text):
    return set(re.findall(r"%[1-9n]", text or ""))


def marker_fault(source, form):
    lost, added = markers(source) - markers(form), markers(form) - markers(source)
    if added:
        return f"the translation has {', '.join(sorted(added))}, which the English has not"
    if lost:
        return f"the translation loses {', '.join(sorted(lost))}"
    return None


def faults(ts):
    found = []
    root = ET.parse(ts).getroot()
    plural_forms = PLURAL_FORMS.get(root.get("language", "").split("_")[0])
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = "".join(message.find("source").itertext())
            translation = message.find("translation")
            numerus = message.get("numerus") == "yes"
            forms = ["".join(f.itertext()) for f in translation.iter("numerusform")] if numerus \
                else ["".join(translation.itertext())]
            where = f"{ts.name}: {name}: {source!r}"
            # A blank translation shows nothing, unless the English is blank too.
            if translation.get("type") in ("unfinished", "vanished", "obsolete") \
                    or any(not form.strip() and source.strip() for form in forms) or not forms:
                found.append(f"{where}: not translated")
            elif numerus and plural_forms and len(forms) != plural_forms:
                found.append(f"{where}: {len(forms)} plural forms, the language has {plural_forms}")
            else:
                found += [f"{where}: {fault}" for fault in {marker_fault(source, form) for form in forms} if fault]
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
