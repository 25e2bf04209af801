#!/usr/bin/env python3
"""Every function of the calendar, the text helpers, the file object and the
external functions stays short enough to read at once: at most MAX_LINES lines and
a cyclomatic complexity of at most MAX_COMPLEXITY, counted by pmccabe both
ways (a switch as one decision, and each case as one). A function past
either limit is named with its length and both complexities.

  check-function-size.py SOURCE_DIR
"""
import glob
import os
import subprocess
import sys

# A function longer than a screen, or with more paths than a table of cases
# can name, is read in pieces and tested by chance: past these it is split
# into named steps.
MAX_LINES = 50
MAX_COMPLEXITY = 15

FOLDERS = ["datetime", "text", "file", "functions"]


def sources(root):
    found = []
    for folder in FOLDERS:
        for ext in ("cpp", "h"):
            found += sorted(glob.glob(os.path.join(root, folder, "*." + ext)))
    return found


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else "."
    files = sources(root)
    missing = [path for path in files if not os.path.isfile(path)]
    if missing:
        print("missing sources: " + ", ".join(missing))
        return 1
    try:
        report = subprocess.run(["pmccabe"] + files, check=True, capture_output=True, text=True).stdout
    except FileNotFoundError:
        print("pmccabe is not installed: run tools/install-deps.sh")
        return 1
    faults = 0
    functions = 0
    for line in report.splitlines():
        columns = line.split("\t")
        if len(columns) < 6:
            continue
        modified, traditional, lines = int(columns[0]), int(columns[1]), int(columns[4])
        where = os.path.relpath(columns[5].strip(), root)
        functions += 1
        if lines > MAX_LINES or modified > MAX_COMPLEXITY or traditional > MAX_COMPLEXITY:
            faults += 1
            print("%s: %d lines, complexity %d (%d counting each case); at most %d lines and %d" %
                  (where, lines, modified, traditional, MAX_LINES, MAX_COMPLEXITY))
    if functions == 0:
        print("pmccabe measured no function")
        return 1
    print("%d functions measured, %d too long or too complex" % (functions, faults))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
