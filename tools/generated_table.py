"""Writing and checking the generated C++ tables of the star data (.inc files).

Shared by the scripts that turn data/sources/bsc5.dat into tables: they differ in the columns
they read, not in how a table is laid out or checked.
"""
import sys


def wrap_items(items, width=99):
    """The items joined by blanks into lines of at most `width` characters."""
    out = []
    line = ""
    for item in items:
        if len(line) + len(item) > width:
            out.append(line.rstrip())
            line = ""
        line += item + " "
    if line:
        out.append(line.rstrip())
    return out


def write_or_check(target, wanted, name):
    """Writes `wanted` to `target`; with --check, fails when the committed file differs."""
    if "--check" in sys.argv[1:]:
        with open(target, encoding="ascii") as f:
            if f.read() != wanted:
                sys.exit(name + " differs from data/sources/bsc5.dat")
        return
    with open(target, "w", encoding="ascii") as f:
        f.write(wanted)
