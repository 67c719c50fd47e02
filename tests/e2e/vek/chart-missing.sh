# No chart program in the data folder, whatever the harness installs.
set -euo pipefail
rm -f "$E2E_DATA/Map.exe"
