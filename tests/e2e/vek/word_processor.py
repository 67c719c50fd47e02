"""Sets the word-processor choice of a Vek.ini that settings.py wrote.

    python3 word_processor.py VEK.INI MODE [PATH]

MODE 0 opens RTF documents with the associated program, 1 with PATH, 2 with
the WordPad.exe of the program folder.
"""
import struct
import sys

PATH_OFFSET, PATH_SIZE, MODE_OFFSET = 594, 260, 854

with open(sys.argv[1], "r+b") as ini:
    record = bytearray(ini.read())
    assert len(record) == 2198, len(record)
    if len(sys.argv) > 3:
        path = sys.argv[3].encode("cp1252")
        assert len(path) < PATH_SIZE
        record[PATH_OFFSET:PATH_OFFSET + PATH_SIZE] = path.ljust(PATH_SIZE, b"\0")
    record[MODE_OFFSET:MODE_OFFSET + 4] = struct.pack("<i", int(sys.argv[2]))
    ini.seek(0)
    ini.write(record)
