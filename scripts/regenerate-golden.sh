#!/usr/bin/env bash
# Rewrites the golden list files of tests/golden from the cases in
# tests/golden/cases.txt. Run it only after a deliberate change to what a
# composer writes, and read the difference (git diff tests/golden) line by
# line before committing it: the tests compare against these files byte
# for byte.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/native -j "$(nproc)" --target vek >/dev/null
vek=build/native/cli/vek
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$vek" archive pack tests/data/marked_archive "$work/marked.arc" >/dev/null
export VEK_DATA_DIR="$work"
while read -r name rest; do
  case "$name" in ''|'#'*) continue ;; esac
  eval "args=($rest)"
  "$vek" list "${args[@]}" --archive "$work/marked.arc" -o "tests/golden/$name.lst" >/dev/null || {
    status=$?
    [ "$status" -eq 3 ] || { echo "$name: vek list failed ($status)"; exit 1; }
  }
  echo "$name"
done < tests/golden/cases.txt
