# A second report language beside English: a small archive that serves the
# profiles only.
set -euo pipefail
"$E2E_ROOT/build/native/cli/vek" archive pack "$E2E_ROOT/tests/data/sample_archive" "$E2E_DATA/Text_Testish.arc" \
  --description "Testish   [Profiles only]" --mask 2003 >/dev/null
