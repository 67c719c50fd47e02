# Settings with every cycle topic (27 to 33) turned off.
python3 "$E2E_ROOT/tests/e2e/vek/settings.py" "$E2E_DATA/Vek.ini" topics=off:27-33
