#!/usr/bin/env python3
"""Fails when folders of src/ include each other in a circle.

Builds the graph "folder A includes a header of folder B" from the #include lines of src/ and
prints every circle it finds (exit status 1), or the graph's edges with -v.
"""
import pathlib
import re
import sys

src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 and sys.argv[1] != "-v" else
                   pathlib.Path(__file__).resolve().parent.parent / "src")
folders = {p.name for p in src.iterdir() if p.is_dir()}
edges = {f: set() for f in folders}
include = re.compile(r'^\s*#\s*include\s*"([^/"]+)/[^"]+"', re.M)
for path in src.rglob("*"):
    if path.suffix in (".cpp", ".h", ".inc"):
        here = path.relative_to(src).parts[0]
        for there in include.findall(path.read_text(encoding="utf-8")):
            if there in folders and there != here:
                edges[here].add(there)

if "-v" in sys.argv:
    for f in sorted(edges):
        print(f, "->", " ".join(sorted(edges[f])))

# Depth-first search; a grey folder met again closes a circle.
state, stack, circles = {}, [], []
def visit(f):
    state[f] = "grey"
    stack.append(f)
    for g in sorted(edges[f]):
        if state.get(g) == "grey":
            circles.append(stack[stack.index(g):] + [g])
        elif g not in state:
            visit(g)
    stack.pop()
    state[f] = "black"
for f in sorted(folders):
    if f not in state:
        visit(f)
for c in circles:
    print("include circle:", " -> ".join(c))
sys.exit(1 if circles else 0)
