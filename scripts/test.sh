#!/usr/bin/env bash
# Builds every tree and runs every test: the native unit tests, the same
# tests under AddressSanitizer and UndefinedBehaviorSanitizer, the win32
# build's tests under Wine, the Windows programs end to end (scripts/e2e.sh),
# the fuzz targets for a short while, and a check
# that both builds' vek print the same bytes.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"

scripts/install-deps.sh

jobs="$(nproc)"
fuzz_seconds="${FUZZ_SECONDS:-30}"

step() { printf '\n== %s ==\n' "$*"; }

step "native build and unit tests"
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/native -j "$jobs"
ctest --test-dir build/native --output-on-failure

step "unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DVEK_SANITIZE=ON >/dev/null
cmake --build build/sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/sanitize --output-on-failure

step "win32 build and unit tests under Wine"
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
cmake --build build/win32 -j "$jobs"
ctest --test-dir build/win32 --output-on-failure

step "the Windows programs end to end, under Wine in a virtual display"
scripts/e2e.sh

step "both builds print the same bytes"
example=(--birth-first Maria --birth-middle Elena --birth-last Torres --current-first Maria
         --current-last Torres --born 5/15/1949 --today 12/8/2026 --ages 0-90 --years 1949-2040)
build/native/cli/vek numbers "${example[@]}" >build/native/example.json
scripts/wine-run.sh build/win32/wineprefix build/win32/cli/vek.exe numbers "${example[@]}" \
  >build/win32/example.json
cmp build/native/example.json build/win32/example.json
build/native/cli/vek archive pack tests/data/sample_archive build/native/sample.arc >/dev/null
scripts/wine-run.sh build/win32/wineprefix build/win32/cli/vek.exe archive pack tests/data/sample_archive \
  build/win32/sample.arc >/dev/null
cmp build/native/sample.arc build/win32/sample.arc
build/native/cli/vek archive check build/win32/sample.arc
build/native/cli/vek archive pack tests/data/marked_archive build/native/marked.arc >/dev/null
report=(report --type profile --birth-first Maria --birth-middle Elena --birth-last Torres --current-first Maria
        --current-last Torres --born 5/15/1949 --today 12/8/2026)
for tree in native win32; do
  vek=build/$tree/cli/vek
  [ "$tree" = win32 ] && vek="scripts/wine-run.sh build/win32/wineprefix build/win32/cli/vek.exe"
  $vek "${report[@]}" --archive build/native/marked.arc --rtf "build/$tree/report.rtf" \
    --text "build/$tree/report.txt" >/dev/null 2>&1 || [ $? -eq 3 ]
done
cmp build/native/report.rtf build/win32/report.rtf
cmp build/native/report.txt build/win32/report.txt
echo "same output"

step "a word processor opens the RTF reports with the pages we computed, accents intact"
rm -rf build/native/pdf && mkdir -p build/native/pdf
# The marked report above, and a full profile in each translated language.
for language in Spanish Portuguese; do
  VEK_DATA_DIR=build/native/pdf build/native/cli/vek "${report[@]}" --archive "build/native/Text_$language.arc" \
    --rtf "build/native/report-$language.rtf" >/dev/null
done
for name in report report-Spanish report-Portuguese; do
  timeout 300 libreoffice --headless --norestore --convert-to pdf --outdir build/native/pdf "build/native/$name.rtf" \
    >/dev/null 2>&1
  ours=$(( $(grep -c '\\page' "build/native/$name.rtf") + 1 ))
  theirs=$(python3 -c "import re,sys; print(len(re.findall(rb'/Type\s*/Page[^s]', open(sys.argv[1],'rb').read())))" \
    "build/native/pdf/$name.pdf")
  echo "$name pages: ours $ours, the word processor's $theirs"
  [ "$ours" = "$theirs" ]
done
grep -q "Introducción" <<<"$(pdftotext build/native/pdf/report-Spanish.pdf -)"
grep -q "Introdução" <<<"$(pdftotext build/native/pdf/report-Portuguese.pdf -)"
echo "accents intact"

step "fuzz targets, ${fuzz_seconds} s each"
CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEK_FUZZ=ON \
  -DVEK_TESTS=OFF >/dev/null
cmake --build build/fuzz -j "$jobs"
rm -f build/fuzz/crash-* build/fuzz/leak-* build/fuzz/timeout-* build/fuzz/oom-*
for seeds in tests/fuzz/corpus/*/; do
  name="$(basename "$seeds")"
  corpus="build/fuzz/corpus/$name"
  mkdir -p "$corpus"
  cp "$seeds"* "$corpus"/
  # A short SZDD stream already expands past the ring, and every byte more
  # is compressed again by the round trip.
  case "$name" in
    szdd) max_len=4096 ;;
    *) max_len=8192 ;;
  esac
  (cd build/fuzz && "$root/build/fuzz/tests/fuzz/${name}_fuzzer" -max_total_time="$fuzz_seconds" \
     -max_len="$max_len" -print_final_stats=0 "corpus/$name" 2>&1 | grep -E '^(Done|==|SUMMARY)' || true)
  found="$(find build/fuzz -maxdepth 1 \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \))"
  if [ -n "$found" ]; then
    echo "the ${name} fuzzer found a failing input: $found"
    exit 1
  fi
done

step "all tests passed"
