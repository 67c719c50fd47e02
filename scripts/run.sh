#!/usr/bin/env bash
# Runs the suite.
#
#   scripts/run.sh              builds what it needs and starts Vek.exe, the
#                               main program, under Wine on your X display
#   scripts/run.sh brindo       the puzzle game, Brindo.exe
#   scripts/run.sh map [OPTIONS]
#                               the color chart program, Map.exe, with a
#                               hand-off file for Maria Elena Torres (or the
#                               person of OPTIONS: see tests/e2e/map/make_intercom.py)
#   scripts/run.sh vek ARGS...  the command-line tool (see the README)
#
# The programs run in the Wine prefix build/win32/wineprefix; their data
# folder is C:\Tamsi there (build/win32/wineprefix/drive_c/Tamsi), which
# holds the installed programs and the English report texts, and keeps the
# user log, the settings and the reports between runs.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh >/dev/null
jobs="$(nproc)"

build_native() {
  cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build/native -j "$jobs" --target "$@" >/dev/null
}
build_win32() {
  cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
  cmake --build build/win32 -j "$jobs" --target "$@" >/dev/null
}

case "${1:-}" in
vek)
  shift
  build_native vek
  exec build/native/cli/vek "$@"
  ;;
brindo | "")
  [ -n "${DISPLAY:-}" ] || { echo "run.sh: no X display (DISPLAY is not set)" >&2; exit 2; }
  build_native english_archive spanish_archive portuguese_archive
  build_win32 vek_program brindo map_program
  . scripts/wine-env.sh build/win32/wineprefix
  ensure_wine_prefix
  data="$WINEPREFIX/drive_c/Tamsi"
  mkdir -p "$data"
  cp build/win32/shell/win/Vek.exe build/win32/puzzle/win/Brindo.exe build/win32/chart/win/Map.exe \
    build/native/Text_English.arc \
    build/native/Text_Spanish.arc build/native/Text_Portuguese.arc "$data/"
  program='C:\Tamsi\Vek.exe'
  [ "${1:-}" = brindo ] && program='C:\Tamsi\Brindo.exe'
  exec wine "$program"
  ;;
map)
  shift
  [ -n "${DISPLAY:-}" ] || { echo "run.sh: no X display (DISPLAY is not set)" >&2; exit 2; }
  build_win32 map_program
  . scripts/wine-env.sh build/win32/wineprefix
  ensure_wine_prefix
  data="$WINEPREFIX/drive_c/Tamsi"
  mkdir -p "$data"
  cp build/win32/chart/win/Map.exe "$data/"
  # The main program writes this file before it starts Map.exe.
  python3 tests/e2e/map/make_intercom.py "$data/Intercom" "$@"
  exec wine 'C:\Tamsi\Map.exe'
  ;;
*)
  echo "usage: scripts/run.sh [brindo | map [OPTIONS] | vek ARGS...]" >&2
  exit 2
  ;;
esac
