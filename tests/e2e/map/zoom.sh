python3 "$E2E_ROOT/tests/e2e/map/make_intercom.py" "$E2E_DATA/Intercom"
