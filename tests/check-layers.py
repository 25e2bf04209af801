#!/usr/bin/env python3
"""The plug-in's floors point one way: a file includes only files of its own
floor or of the floors below it.

    check-layers.py SOURCE_DIR

Every folder of the plug-in stands on one floor, and each file on its own
folder's floor: the folder is looked up whole, never by a prefix, so the
order of the map does not matter and a new folder must be given its floor.
Floors, bottom up: the platform, the text utilities, the resources' data and
the preference record's type; the calendar, parsing, formatting and the
file object; the host's services every function uses (call block, host
services, result writers, the parameter); the preferences (the live record,
file, dialog, the preference functions); the external functions' builders
and handlers; the entry point and its dispatcher on top.
"""
import os
import re
import sys

FLOORS = {  # folder: (floor, name)
    "platform": (0, "platform"),
    "text": (0, "text"),
    "resources": (0, "resources"),
    "prefs/record": (0, "the preference record"),
    "datetime": (1, "datetime"),
    "file": (1, "file"),
    "host": (2, "the host's services"),
    "prefs": (3, "prefs"),
    "functions": (4, "functions"),
    "entry": (5, "the entry point and dispatcher"),
}
# The folders walked: every folder the map names, with its subfolders, so
# that a new subfolder without a floor of its own is found.
CODE_FOLDERS = sorted({folder.split("/")[0] for folder in FLOORS})
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def floor_of(path):
    """The floor of the file's own folder (platform/ counts as one folder
    with its subfolders); None for a file of no floor."""
    folder = os.path.dirname(path)
    if folder.split("/")[0] == "platform":
        folder = "platform"
    return FLOORS.get(folder, (None, None))


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
                if floor is None:
                    upward.append(f"{path} stands in a folder of no floor")
                    continue
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
