#!/usr/bin/env python3
"""Checks that the English translation is complete: lupdate, run over the
window sources into a copy of the .ts file, must find every text the program
passes through tr() already translated, and none that the sources no longer
hold. Each translation keeps the placeholders (%1, %2) of its source text.

usage: check_translations.py <lupdate> <source root> <.ts file>
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

# The folders whose windows show texts (the Layout table of the README).
WINDOW_FOLDERS = ["app", "tone", "drum", "modules", "search", "export", "favourites", "ui"]


def problems(ts_file):
    found = []
    for context in ET.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "missing"
            text = translation.text or "" if translation is not None else ""
            if kind in ("unfinished", "vanished", "obsolete", "missing") or not text:
                found.append(f"{name}: {source!r} is {kind or 'empty'}")
            elif sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", text)):
                found.append(f"{name}: {source!r} -> {text!r} changes the placeholders")
    return found


def main():
    lupdate, root, ts = sys.argv[1], Path(sys.argv[2]), Path(sys.argv[3])
    with tempfile.TemporaryDirectory() as folder:
        copy = Path(folder) / ts.name
        shutil.copyfile(ts, copy)
        run = subprocess.run(
            [lupdate, "-I", str(root), "-locations", "none", "-no-obsolete"]
            + [str(root / f) for f in WINDOW_FOLDERS]
            + ["-ts", str(copy)],
            capture_output=True, text=True)
        if run.returncode != 0:
            print(run.stdout, run.stderr, sep="\n")
            return 1
        # -no-obsolete drops vanished texts: compare with the committed file.
        before = problems(ts)
        after = problems(copy)
        counted = len(list(ET.parse(copy).getroot().iter("message")))
        vanished = len(list(ET.parse(ts).getroot().iter("message"))) - counted
        for line in before + after:
            print(line)
        if vanished > 0:
            print(f"{vanished} translated text(s) no longer in the sources")
        if before or after or vanished or copy.read_bytes() != ts.read_bytes():
            if not (before or after or vanished):
                print("lupdate would rewrite the .ts file: run it and commit the result")
            return 1
        print(f"{counted} texts, all translated")
        return 0


if __name__ == "__main__":
    sys.exit(main())
