#!/usr/bin/env python3
"""Fails when parts of src/ include each other in a circle.

Two graphs are built from the #include lines of src/: "folder A includes a header of folder B",
and "file unit A includes a header of unit B", a unit being a header with its source file
(folder/Name.h and folder/Name.cpp). Every circle found in either is printed (exit status 1);
-v prints the folder graph's edges.
"""
import pathlib
import re
import sys

args = [a for a in sys.argv[1:] if a != "-v"]
src = pathlib.Path(args[0] if args else pathlib.Path(__file__).resolve().parent.parent / "src")
folders = {p.name for p in src.iterdir() if p.is_dir()}
folder_edges = {f: set() for f in folders}
unit_edges = {}
include = re.compile(r'^\s*#\s*include\s*"(([^/"]+)/[^"]+)"', re.M)
for path in src.rglob("*"):
    if path.suffix in (".cpp", ".h", ".inc"):
        rel = path.relative_to(src)
        here, unit = rel.parts[0], str(rel.with_suffix(""))
        unit_edges.setdefault(unit, set())
        for target, there in include.findall(path.read_text(encoding="utf-8")):
            if there not in folders:
                continue
            if there != here:
                folder_edges[here].add(there)
            other = str(pathlib.Path(target).with_suffix(""))
            if other != unit:
                unit_edges[unit].add(other)

if "-v" in sys.argv:
    for f in sorted(folder_edges):
        print(f, "->", " ".join(sorted(folder_edges[f])))


def circles_of(edges):
    """Depth-first search; a grey node met again closes a circle."""
    state, stack, found = {}, [], []

    def visit(n):
        state[n] = "grey"
        stack.append(n)
        for m in sorted(edges.get(n, ())):
            if state.get(m) == "grey":
                found.append(stack[stack.index(m):] + [m])
            elif m not in state:
                visit(m)
        stack.pop()
        state[n] = "black"

    for n in sorted(edges):
        if n not in state:
            visit(n)
    return found


circles = circles_of(folder_edges) + circles_of(unit_edges)
for c in circles:
    print("include circle:", " -> ".join(c))
sys.exit(1 if circles else 0)
