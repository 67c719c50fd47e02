#!/usr/bin/env bash
# Runs the suite. Until the main program's window exists this prints an
# example person's chart with the vek tool; extra arguments go to vek instead.
# "scripts/run.sh brindo" builds the puzzle game and plays it under Wine (on
# the X display in $DISPLAY); its data folder is C:\Tamsi in build/win32/wineprefix.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh >/dev/null
if [ "${1:-}" = brindo ]; then
  cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
  cmake --build build/win32 -j "$(nproc)" --target brindo >/dev/null
  exec scripts/wine-run.sh build/win32/wineprefix build/win32/puzzle/win/Brindo.exe
fi
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/native -j "$(nproc)" --target vek >/dev/null

if [ "$#" -gt 0 ]; then
  exec build/native/cli/vek "$@"
fi
exec build/native/cli/vek numbers --birth-first Maria --birth-middle Elena --birth-last Torres \
  --current-first Maria --current-last Torres --born 5/15/1949
