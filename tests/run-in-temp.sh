#!/usr/bin/env bash
# Runs a test program from a copy in a temporary folder of its own, so that
# the preference file the plug-in keeps beside the host program lands there
# and goes with it, never beside the build's programs.
#
#   run-in-temp.sh [--emulator CMD] PROGRAM [ARGS...]
set -uo pipefail
emulator=()
if [ "${1:-}" == "--emulator" ]; then
  emulator=("$2")
  shift 2
fi
program=$1
shift
# In memory where the machine has it: a program that writes a file per run
# (the preference file's fuzz target) is then not bound by the disk.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then work=$(mktemp -d -p /dev/shm); else work=$(mktemp -d); fi
trap 'rm -rf "$work"' EXIT
cp "$program" "$work/"
cd "$work" && "${emulator[@]}" "./$(basename "$program")" "$@"
