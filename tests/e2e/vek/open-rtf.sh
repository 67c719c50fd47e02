# A Vek.ini for each word-processor mode (mode 0 in place), the recorder as
# both word processors, and the RTF document the command-line tool makes
# for the same person.
set -euo pipefail
recorder="$E2E_ROOT/build/win32/tests/handoff_recorder.exe"
cp "$recorder" "$E2E_WORK/Writer.exe"
cp "$recorder" "$E2E_DATA/WordPad.exe"
settings() { python3 "$E2E_ROOT/tests/e2e/vek/settings.py" "$1"; }
mode() { python3 "$E2E_ROOT/tests/e2e/vek/word_processor.py" "$@"; }
settings "$E2E_DATA/Vek.ini"
mode "$E2E_DATA/Vek.ini" 0
for ini in mode1 mode2 missing; do settings "$E2E_WORK/Vek-$ini.ini"; done
mode "$E2E_WORK/Vek-mode1.ini" 1 'C:\e2e\Writer.exe'
mode "$E2E_WORK/Vek-mode2.ini" 2
mode "$E2E_WORK/Vek-missing.ini" 1 'C:\e2e\NoSuchWriter.exe'
mkdir -p "$E2E_WORK/expected" "$E2E_WORK/vek-data"
VEK_DATA_DIR="$E2E_WORK/vek-data" "$E2E_ROOT/build/native/cli/vek" report --archive "$E2E_DATA/Text_English.arc" \
  --type short --birth-first Maria --birth-middle Elena --birth-last Torres --current-first Maria \
  --current-last Torres --born 5/15/1949 --rtf "$E2E_WORK/expected/short.rtf" >/dev/null
