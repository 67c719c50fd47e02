# The user decides about Y and W.
python3 "$E2E_ROOT/tests/e2e/vek/settings.py" "$E2E_DATA/Vek.ini" autoYW=0
cp "$E2E_DATA/Vek.ini" "$E2E_WORK/Vek.ini.before"
