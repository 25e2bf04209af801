#!/usr/bin/env python3
"""Branch coverage by folder, and every branch no test takes, against the
list of those left on purpose.

  coverage-branches.py EXPORT.json TOP [LIST]

EXPORT.json is `llvm-cov export -format=text` of the plug-in's code; TOP the
checkout. Prints the branches taken in each of the plug-in's folders, then
each condition with a way out no test takes that LIST (default
tools/coverage-unreached.txt) does not name, and each entry of LIST that no
longer names one. Answers 1 when a condition is left out of the list.

LIST holds one line per source line: its file from the top of the tree, a
tab, the line's code without its leading and trailing white space, a tab,
and why no test reaches the way out. '#' starts a comment line. An entry
covers every branch of every line of its file with that text.
"""

import collections
import json
import os
import sys

FOLDERS = ("host", "text", "datetime", "functions", "prefs", "file", "entry")
TARGET = 95.0


def read_list(path):
    entries = {}
    if not os.path.exists(path):
        return entries
    with open(path, encoding="latin-1") as f:
        for number, raw in enumerate(f, start=1):
            line = raw.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) != 3 or not all(x.strip() for x in fields):
                sys.exit(f"{path}:{number}: expected file, code and reason separated by tabs")
            entries[(fields[0].strip(), fields[1].strip())] = number
    return entries


def main():
    export, top = sys.argv[1], os.path.abspath(sys.argv[2])
    list_path = sys.argv[3] if len(sys.argv) > 3 else os.path.join(top, "tools", "coverage-unreached.txt")
    data = json.load(open(export))["data"][0]
    per_folder = collections.defaultdict(lambda: [0, 0])
    missed = []  # (file, line number, code, sides not taken)
    for f in data["files"]:
        rel = os.path.relpath(f["filename"], top)
        folder = rel.split(os.sep)[0]
        if folder not in FOLDERS:
            continue
        summary = f["summary"]["branches"]
        per_folder[folder][0] += summary["covered"]
        per_folder[folder][1] += summary["count"]
        with open(f["filename"], encoding="latin-1") as source:
            lines = source.read().split("\n")
        by_line = collections.defaultdict(list)
        for b in f["branches"]:
            line, true_count, false_count = b[0], b[4], b[5]
            # An `if constexpr` is decided when the template is compiled: the
            # export keeps a record of it, both counts 0, for every
            # instantiation, but there is no way out to take at run time, and
            # llvm-cov's per-file summary (the folder figures above) leaves
            # it out too.
            if lines[line - 1].strip().startswith("if constexpr"):
                continue
            sides = [name for name, count in (("true", true_count), ("false", false_count)) if count == 0]
            if sides:
                by_line[line].append("/".join(sides))
        for line, sides in sorted(by_line.items()):
            missed.append((rel, line, lines[line - 1].strip(), sides))

    covered = sum(c for c, _ in per_folder.values())
    count = sum(n for _, n in per_folder.values())
    print("branches taken by folder:")
    for folder in FOLDERS:
        c, n = per_folder[folder]
        print(f"  {folder + '/':<11} {c:>5} of {n:>5}  {100.0 * c / n if n else 100.0:6.2f}%")
    print(f"  {'all':<11} {covered:>5} of {count:>5}  {100.0 * covered / count if count else 100.0:6.2f}%")

    entries = read_list(list_path)
    used = set()
    unlisted = []
    for rel, line, code, sides in missed:
        key = (rel, code)
        if key in entries:
            used.add(key)
        else:
            unlisted.append(f"  {rel}:{line}: {code}  (not taken: {', '.join(sides)})")
    listed = sum(1 for rel, _, code, _ in missed if (rel, code) in entries)
    print(f"\n{len(missed)} lines with a way out no test takes, {listed} of them listed in "
          f"{os.path.relpath(list_path, top)}")
    for key, number in sorted(entries.items(), key=lambda kv: kv[1]):
        if key not in used:
            print(f"note: {os.path.relpath(list_path, top)}:{number} names a line whose every branch a test now takes, "
                  f"or that is gone: {key[0]}: {key[1]}")
    below = [f for f in FOLDERS if per_folder[f][1] and 100.0 * per_folder[f][0] / per_folder[f][1] < TARGET]
    for folder in below:
        print(f"below {TARGET:.0f}% of branches: {folder}/")
    if unlisted:
        print("\nnot in the list:")
        print("\n".join(unlisted))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
