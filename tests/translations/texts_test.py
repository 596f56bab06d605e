#!/usr/bin/env python3
"""translations/texts.py's check over hand-made .ts files: each case is one
message, and the check must name it exactly when the translation is wrong."""
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "translations"))
import texts  # noqa: E402

CR = '<byte value="xd"/>'
ONE = '<message><source>{s}</source><translation>{t}</translation></message>'
PLURAL = '<message numerus="yes"><source>{s}</source><translation>{t}</translation></message>'
FORM = "<numerusform>{}</numerusform>"
# (language, message, the fault's words or None when the translation is right)
CASES = [
    ("fr", ONE.format(s="Done.", t="Terminé."), None),
    ("fr", ONE.format(s="row %1", t="ligne"), "loses %1"),
    ("fr", ONE.format(s="row", t="ligne %1"), "has %1, which the English has not"),
    ("es", ONE.format(s="%1 of %2", t="%1 de %1"), "loses %2"),
    # A marker after a carriage return is checked too.
    ("ja", ONE.format(s=f"created:{CR}{CR}%1", t=f"作成:{CR}{CR}"), "loses %1"),
    ("ja", ONE.format(s=f"a{CR}b", t=f"あ{CR}い"), None),
    ("de", ONE.format(s="Done.", t=""), "not translated"),
    ("de", ONE.format(s="; ", t="; "), None),
    ("de", '<message><source>Done.</source><translation type="unfinished">Fertig.</translation></message>',
     "not translated"),
    ("fr", PLURAL.format(s="%n file", t=FORM.format("%n fichier") + FORM.format("%n fichiers")), None),
    ("fr", PLURAL.format(s="%n file", t=FORM.format("%n fichier")), "1 plural forms, the language has 2"),
    ("fr", PLURAL.format(s="%n file", t=FORM.format("%n fichier") + FORM.format("")), "not translated"),
    ("fr", PLURAL.format(s="%n file", t=FORM.format("un fichier") + FORM.format("%n fichiers")), "loses %n"),
    ("ja", PLURAL.format(s="%n file", t=FORM.format("%n 個") * 2), "2 plural forms, the language has 1"),
]


def main():
    failed = 0
    with tempfile.TemporaryDirectory() as scratch:
        for i, (language, message, expected) in enumerate(CASES):
            ts = Path(scratch) / f"case_{language}.ts"
            ts.write_text(f'<?xml version="1.0" encoding="utf-8"?><TS version="2.1" language="{language}">'
                          f"<context><name>C</name>{message}</context></TS>", encoding="utf-8")
            found = texts.faults(ts)
            right = found == [] if expected is None else len(found) == 1 and expected in found[0]
            if not right:
                failed += 1
                print(f"case {i} ({language}): expected {expected or 'no fault'}, found {found}")
    print(f"{len(CASES)} cases, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
