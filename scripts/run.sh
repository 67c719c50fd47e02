#!/usr/bin/env bash
# Runs the suite. Until the main program's window exists this prints an
# example person's chart with the vek tool; extra arguments go to vek instead.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh >/dev/null
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/native -j "$(nproc)" --target vek >/dev/null

if [ "$#" -gt 0 ]; then
  exec build/native/cli/vek "$@"
fi
exec build/native/cli/vek numbers --birth-first Maria --birth-middle Elena --birth-last Torres \
  --current-first Maria --current-last Torres --born 5/15/1949
