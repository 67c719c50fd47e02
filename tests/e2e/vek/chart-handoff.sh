# The recorder as Map.exe; Vek.ini with Life Path method C and 0xE6 counted as "A".
set -euo pipefail
cp "$E2E_ROOT/build/win32/tests/handoff_recorder.exe" "$E2E_DATA/Map.exe"
python3 "$E2E_ROOT/tests/e2e/vek/settings.py" "$E2E_DATA/Vek.ini" lifePathMethod=2
python3 - "$E2E_DATA/Vek.ini" <<'PY'
import sys
CHAR_MAP_OFFSET = 62
with open(sys.argv[1], "r+b") as ini:
    ini.seek(CHAR_MAP_OFFSET + 0xE6)
    ini.write(b"A")
PY
