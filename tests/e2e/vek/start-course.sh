# The word processor of mode 1 is the recorder, as C:\e2e\Writer.exe; the
# course document is an RTF document in the data folder.
set -euo pipefail
recorder="$E2E_ROOT/build/win32/tests/handoff_recorder.exe"
cp "$recorder" "$E2E_WORK/Writer.exe"
python3 "$E2E_ROOT/tests/e2e/vek/settings.py" "$E2E_DATA/Vek.ini"
python3 "$E2E_ROOT/tests/e2e/vek/word_processor.py" "$E2E_DATA/Vek.ini" 1 'C:\e2e\Writer.exe'
printf '{\\rtf1 Lesson one\\par}' >"$E2E_DATA/Course.rtf"
