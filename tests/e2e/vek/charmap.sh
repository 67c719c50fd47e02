# The report the command-line tool makes with the character 0xE6 counted as
# A: the one Vek.exe must make once the map holds it. Without the map the
# numbers differ, or the test would prove nothing.
set -euo pipefail
vek="$E2E_ROOT/build/native/cli/vek"
out="$E2E_WORK/expected"
mkdir -p "$out"
export VEK_DATA_DIR="$E2E_WORK/vek-data"
mkdir -p "$VEK_DATA_DIR"
python3 "$E2E_ROOT/tests/e2e/vek/settings.py" "$out/mapped.ini" map=E6:A
python3 "$E2E_ROOT/tests/e2e/vek/settings.py" "$out/plain.ini"
person=(--birth-first "Bæn" --birth-last Stone --current-first Ann --current-last Stone --born 3/4/1980)
for map in mapped plain; do
  "$vek" report --archive "$E2E_DATA/Text_English.arc" --type short "${person[@]}" --settings "$out/$map.ini" \
    --rtf "$out/$map.rtf" >/dev/null
done
! cmp -s "$out/mapped.rtf" "$out/plain.rtf"
