# The Spanish short profile the command-line tool writes: the one Vek.exe
# must write once Spanish is chosen.
set -euo pipefail
out="$E2E_WORK/expected"
mkdir -p "$out"
export VEK_DATA_DIR="$E2E_WORK/vek-data"
mkdir -p "$VEK_DATA_DIR"
"$E2E_ROOT/build/native/cli/vek" report --archive "$E2E_DATA/Text_Spanish.arc" --type short \
  --birth-first Maria --birth-middle Elena --birth-last Torres --current-first Maria --current-last Torres \
  --born 5/15/1949 --rtf "$out/spanish.rtf" >/dev/null
