#!/usr/bin/env python3
"""Writes the hand-off file the main program gives the color chart program:
the 686-byte record, little-endian and packed.

    make_intercom.py OUT [--flags 261] [--method 0] [--first-year 2026] [--first-age 0]
                     [--names Maria Elena Torres Maria Torres] [--born 5 15 1949]
                     [--size N]     (cut the file to N bytes)
                     [--magic N]    (another magic number)
"""
import argparse
import struct

parser = argparse.ArgumentParser()
parser.add_argument("out")
parser.add_argument("--flags", type=int, default=261)
parser.add_argument("--method", type=int, default=0)
parser.add_argument("--first-year", type=int, default=2026)
parser.add_argument("--first-age", type=int, default=0)
parser.add_argument("--names", nargs=5, default=["Maria", "Elena", "Torres", "Maria", "Torres"])
parser.add_argument("--born", nargs=3, type=int, default=[5, 15, 1949])
parser.add_argument("--size", type=int)
parser.add_argument("--magic", type=int, default=26401)
args = parser.parse_args()

record = struct.pack("<Hiiii", args.magic, args.flags, args.method, args.first_year, args.first_age)
record += bytes(range(256))
for name in args.names:
    record += name.encode("cp1252")[:79].ljust(80, b"\0")
record += struct.pack("<iii", *args.born)
assert len(record) == 686
if args.size is not None:
    record = record[: args.size]
with open(args.out, "wb") as out:
    out.write(record)
