#!/usr/bin/env python3
"""The plug-in's floors point one way: a file includes only files of its own
floor or of the floors below it.

    check-layers.py SOURCE_DIR

Floors, bottom up: the platform, the text utilities and the resources' data;
the preference record; the calendar, parsing, formatting and the file
object; the host's services every function uses (call block, host services,
result writers, the parameter); the preferences above the record (file,
dialog, the preference functions); the builders of the external functions;
the entry point and its dispatcher on top.
"""
import os
import re
import sys

FLOORS = [  # (floor, name, a path's test)
    (0, "platform", lambda p: p.startswith("platform/")),
    (0, "text", lambda p: p.startswith("text/")),
    (0, "resources", lambda p: p.startswith("resources/")),
    (1, "the preference record", lambda p: p.startswith("prefs/record/") or p.startswith("prefs/DateTimePrefs.")),
    (2, "datetime", lambda p: p.startswith("datetime/")),
    (2, "file", lambda p: p.startswith("file/")),
    (6, "the entry point and dispatcher", lambda p: p.startswith("host/entry/")),
    (3, "the host's services", lambda p: p.startswith("host/")),
    (4, "prefs", lambda p: p.startswith("prefs/")),
    (5, "functions", lambda p: p.startswith("functions/")),
]
CODE_FOLDERS = ["text", "datetime", "file", "host", "prefs", "functions", "resources", "platform"]
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def floor_of(path):
    for floor, name, test in FLOORS:
        if test(path):
            return floor, name
    return None, None


def resolve(root, including, name):
    """The include's path from the root: beside the including file, from the
    root, or in a platform's include folder; None for what is not ours."""
    for candidate in (os.path.join(os.path.dirname(including), name), name):
        if os.path.isfile(os.path.join(root, candidate)):
            return os.path.normpath(candidate)
    for platform in ("platform/native/include", "platform/win32/include", "resources"):
        candidate = os.path.join(platform, name)
        if os.path.isfile(os.path.join(root, candidate)):
            return candidate
    return None


def main():
    root = sys.argv[1]
    upward, files = [], 0
    for folder in CODE_FOLDERS:
        for directory, _, names in os.walk(os.path.join(root, folder)):
            for name in sorted(names):
                if not name.endswith((".h", ".cpp", ".rc")):
                    continue
                path = os.path.relpath(os.path.join(directory, name), root)
                floor, floor_name = floor_of(path)
                files += 1
                with open(os.path.join(root, path), encoding="latin-1") as source:
                    for included in INCLUDE.findall(source.read()):
                        target = resolve(root, path, included)
                        if target is None:
                            continue
                        target_floor, target_name = floor_of(target)
                        if target_floor is not None and target_floor > floor:
                            upward.append(f"{path} ({floor_name}) includes {target} ({target_name})")
    for line in upward:
        print("FAIL " + line)
    print(f"{files} files, {len(upward)} includes pointing up")
    return 1 if upward or files == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
