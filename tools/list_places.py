#!/usr/bin/env python3
"""Prints the names of the built-in places of location.bin, one a line (for shell completion).

Usage: list_places.py LOCATION_BIN OUTPUT
"""
import sys

RECORD_SIZE = 44  # name (32 bytes, zero-terminated), latitude, longitude, time zone (floats)
NAME_SIZE = 32


def main() -> int:
    source, output = sys.argv[1], sys.argv[2]
    with open(source, "rb") as f:
        data = f.read()
    names = []
    for start in range(0, len(data) - RECORD_SIZE + 1, RECORD_SIZE):
        raw = data[start:start + NAME_SIZE].split(b"\0", 1)[0]
        name = raw.decode("latin-1").rstrip()
        if name:
            names.append(name)
    with open(output, "w", encoding="utf-8") as f:
        f.write("".join(n + "\n" for n in names))
    return 0


if __name__ == "__main__":
    sys.exit(main())
