"""Writes a Vek.ini for an end-to-end script: the defaults of a fresh start
for today's date, with the fields named on the command line changed.

    python3 settings.py OUT.ini [autoYW=0] [topics=off:27-33] [map=E6:A] [viaWordProcessor=0] ...
"""
import datetime
import struct
import sys

today = datetime.date.today()
month_index = today.year * 12 + today.month - 1
fields = {
    "languageIndex": 0, "viaWordProcessor": 1, "extraLinesPerPage": 0, "autoYW": 1, "lifePathMethod": 0,
    "alwaysSaveBirthData": 1, "firstAge": today.year, "lastAge": today.year + 2, "firstYear": today.year,
    "lastYear": today.year + 2, "firstMonth": month_index, "lastMonth": month_index + 25,
    "firstDayMonth": month_index, "lastDayMonth": month_index + 7,
}
flags = [1] * 36
flags[34] = 0
char_map = list(range(256))
for arg in sys.argv[2:]:
    name, value = arg.split("=", 1)
    if name == "map":
        key, target = value.split(":")
        char_map[int(key, 16)] = ord(target)
    elif name == "topics":
        state, span = value.split(":")
        first, last = (int(n) for n in span.split("-"))
        for i in range(first, last + 1):
            flags[i] = 1 if state == "on" else 0
    else:
        fields[name] = int(value)


def text(value, size):
    return value.encode("cp1252").ljust(size, b"\0")


record = struct.pack("<H", 22305)
record += struct.pack("<5i8B", -15, 0, 0, 0, 400, 0, 0, 0, 0, 3, 2, 1, 0x22) + text("Arial", 32)
record += bytes(char_map)
order = ["languageIndex", "viaWordProcessor", "extraLinesPerPage", "autoYW", "lifePathMethod", "alwaysSaveBirthData",
         "firstAge", "lastAge", "firstYear", "lastYear", "firstMonth", "lastMonth", "firstDayMonth", "lastDayMonth"]
record += struct.pack("<14i", *(fields[name] for name in order))
record += bytes(flags) + bytes(8) + bytes(176)
record += text("C:\\Tamsi\\WordPad.exe", 260) + struct.pack("<i", 0) + text("Ulvar Tamsi", 80)
record += text("C:\\Tamsi\\Logo.bmp", 260) + bytes(1000)
assert len(record) == 2198, len(record)
with open(sys.argv[1], "wb") as out:
    out.write(record)
