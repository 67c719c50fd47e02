#!/usr/bin/env bash
# End-to-end tests of our Windows programs: each script of tests/e2e runs the
# real program under Wine in a virtual X display, worked by the test driver
# (build/win32/tests/e2e_driver.exe, see tests/e2e/driver.cpp).
#
#   scripts/e2e.sh [SCRIPT.e2e ...]     (default: every tests/e2e/*/*.e2e)
#
# Every script gets a fresh data folder, C:\Tamsi inside the harness's own
# Wine prefix (build/win32/e2e-prefix), holding the built programs and the
# files of the folder SCRIPT.d beside the script, if there is one; a
# SCRIPT.sh beside it runs first, to prepare files the script compares
# against (E2E_ROOT, E2E_DATA and E2E_WORK name the tree, C:\Tamsi and
# C:\e2e); NAME=VALUE lines it leaves in E2E_WORK/environment are set for
# the script's run (a server it started, for example). A SCRIPT.after.sh
# beside it runs once the script has ended, passed or not (E2E_RESULTS
# names the results folder, E2E_STATUS the driver's exit status), to stop
# what the preparation started and to check what the program left outside
# Wine; when it fails, the script fails. A time
# limit (E2E_TIME_LIMIT seconds, 120 unless set) ends everything a script
# started. Results go to build/win32/e2e-results/NAME: the driver's log and
# the screenshots the script asked for (NAME.png), plus failure.png when it
# failed. The win32 build must be made first.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/win32"

if [ "${1:-}" = "--inside-display" ]; then
  # Runs inside xvfb-run: a screenshot taker beside the driver.
  shots="$2" out="$3"
  xdotool mousemove 1020 760 >/dev/null 2>&1 || true  # the pointer away from every window
  (
    while :; do
      for request in "$shots"/*.request; do
        [ -e "$request" ] || continue
        import -window root "$out/$(basename "$request" .request).png" 2>/dev/null
        rm -f "$request"
      done
      sleep 0.1
    done
  ) &
  watcher=$!
  wine 'C:\e2e\e2e_driver.exe' 'C:\e2e\script.e2e' >"$out/driver.log" 2>&1
  status=$?
  kill "$watcher" 2>/dev/null
  wineserver -k 2>/dev/null
  exit "$status"
fi

. "$root/scripts/wine-env.sh" "$build/e2e-prefix"
ensure_wine_prefix
# No program of the prefix opens RTF documents (Wine would give them its own
# word processor): a script that wants one names it in Vek.ini.
wine reg delete 'HKLM\Software\Classes\.rtf' /f >/dev/null 2>&1
wineserver -w
limit="${E2E_TIME_LIMIT:-120}"
data="$WINEPREFIX/drive_c/Tamsi"
work="$WINEPREFIX/drive_c/e2e"
results="$build/e2e-results"
# The programs an installation puts into C:\Tamsi; each program of the suite
# joins this list when it is built.
programs=("$build/puzzle/win/Brindo.exe" "$build/shell/win/Vek.exe" "$build/chart/win/Map.exe")
# The report texts: the archives the native build packed.
archives=("$root/build/native/Text_English.arc" "$root/build/native/Text_Spanish.arc"
          "$root/build/native/Text_Portuguese.arc")
driver="$build/tests/e2e_driver.exe"
for file in "$driver" "${programs[@]}"; do
  [ -f "$file" ] || { echo "e2e: $file is missing; build build/win32 first" >&2; exit 2; }
done
for archive in "${archives[@]}"; do
  [ -f "$archive" ] || { echo "e2e: $archive is missing; build build/native first" >&2; exit 2; }
done

scripts=("$@")
[ "${#scripts[@]}" -gt 0 ] || mapfile -t scripts < <(ls "$root"/tests/e2e/*/*.e2e)

failed=0
for script in "${scripts[@]}"; do
  name="$(basename "$(dirname "$script")")-$(basename "$script" .e2e)"
  out="$results/$name"
  rm -rf "$out" "$data" "$work"
  mkdir -p "$out" "$data" "$work/shots"
  cp "${programs[@]}" "${archives[@]}" "$data/"
  [ -d "${script%.e2e}.d" ] && cp -r "${script%.e2e}.d/." "$data/"
  cp "$driver" "$work/"
  cp "$script" "$work/script.e2e"
  if [ -f "${script%.e2e}.sh" ] &&
     ! E2E_ROOT="$root" E2E_DATA="$data" E2E_WORK="$work" bash "${script%.e2e}.sh" >"$out/prepare.log" 2>&1; then
    echo "e2e: $name FAILED: its preparation ${script%.e2e}.sh failed:" >&2
    sed 's/^/    /' "$out/prepare.log" >&2
    failed=$((failed + 1))
    continue
  fi
  environment=()
  [ -f "$work/environment" ] && mapfile -t environment <"$work/environment"
  env "${environment[@]}" E2E_SHOTS='C:\e2e\shots' timeout -k 10 "$limit" \
    xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" --inside-display "$work/shots" "$out"
  status=$?
  wineserver -k 2>/dev/null
  cp -r "$data" "$out/Tamsi" 2>/dev/null
  if [ -f "${script%.e2e}.after.sh" ] &&
     ! E2E_ROOT="$root" E2E_DATA="$data" E2E_WORK="$work" E2E_RESULTS="$out" E2E_STATUS="$status" \
       bash "${script%.e2e}.after.sh" >"$out/after.log" 2>&1; then
    echo "e2e: $name FAILED: its check ${script%.e2e}.after.sh failed:" >&2
    sed 's/^/    /' "$out/after.log" >&2
    failed=$((failed + 1))
    continue
  fi
  if [ "$status" -eq 0 ]; then
    echo "e2e: $name passed"
  else
    [ "$status" -eq 124 ] && echo "time limit of $limit s reached" >>"$out/driver.log"
    echo "e2e: $name FAILED (status $status):" >&2
    sed 's/^/    /' "$out/driver.log" >&2
    failed=$((failed + 1))
  fi
done
[ "$failed" -eq 0 ] || { echo "e2e: $failed of ${#scripts[@]} scripts failed" >&2; exit 1; }
echo "e2e: all ${#scripts[@]} scripts passed; results in $results"
