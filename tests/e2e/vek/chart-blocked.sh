# The recorder as Map.exe, and a folder named Intercom.
set -euo pipefail
cp "$E2E_ROOT/build/win32/tests/handoff_recorder.exe" "$E2E_DATA/Map.exe"
mkdir "$E2E_DATA/Intercom"
