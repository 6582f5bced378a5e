#!/usr/bin/env python3
"""Fails when parts of src/ include each other in a circle.

Two graphs are built from the #include lines of src/: "folder A includes a header of folder B",
and "file unit A includes a header of unit B", a unit being a header with its source file
(folder/Name.h and folder/Name.cpp). Every circle found in either is printed (exit status 1);
-v prints the folder graph's edges.

A circle can also hide behind a declaration: a header of a lower folder declares a free function
that only a higher folder (one that includes the lower one) defines, so the lower folder calls
into the higher one without including it. Every such declaration is printed too (exit status 1).
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
# A function name at the start of a line after its return type: `Type Name(`, `Type* Name(`.
function_start = re.compile(r"^([A-Za-z_][^\n;{}()#=]*?[\w>*&\s])([A-Za-z_]\w*)\s*\(", re.M)
not_a_type = re.compile(r"^(return|if|else|while|for|switch|case|using|typedef|namespace|friend)\b")
comment_or_text = re.compile(r'//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])\'', re.S)


def free_functions(text):
    """(name, "declared" or "defined") of every free function at the start of a line: what
    follows its closing parenthesis (and qualifiers) is `;` for a declaration, `{` for a body."""
    text = comment_or_text.sub(lambda m: " " * len(m.group(0)) if m.group(0)[0] in "/" else '""', text)
    found = []
    for m in function_start.finditer(text):
        prefix = m.group(1)
        if not_a_type.match(prefix) or prefix.rstrip().endswith("::"):
            continue
        depth, i = 0, m.end() - 1
        while i < len(text):
            depth += {"(": 1, ")": -1}.get(text[i], 0)
            i += 1
            if depth == 0:
                break
        rest = re.match(r"\s*(?:(?:const|noexcept|override|final)\b\s*)*(?:->[^;{]*)?([;{])", text[i:])
        if rest:
            found.append((m.group(2), "declared" if rest.group(1) == ";" else "defined"))
    return found


declarations = []  # (header path, folder, name)
definers = {}      # name -> {folder: path}
for path in src.rglob("*"):
    if path.suffix in (".cpp", ".h", ".inc"):
        rel = path.relative_to(src)
        here, unit = rel.parts[0], str(rel.with_suffix(""))
        unit_edges.setdefault(unit, set())
        text = path.read_text(encoding="utf-8")
        if here in folders:
            for name, kind in free_functions(text):
                if kind == "declared" and path.suffix == ".h":
                    declarations.append((rel, here, name))
                elif kind == "defined":
                    definers.setdefault(name, {}).setdefault(here, rel)
        for target, there in include.findall(text):
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

def reaches(start, goal):
    """Whether folder `start` includes folder `goal`, directly or through other folders."""
    seen, todo = set(), [start]
    while todo:
        f = todo.pop()
        for g in folder_edges.get(f, ()):
            if g == goal:
                return True
            if g not in seen:
                seen.add(g)
                todo.append(g)
    return False


hidden = []
for header, folder, name in sorted(set(declarations)):
    defined_in = definers.get(name, {})
    if folder in defined_in:
        continue
    for other, source in sorted(defined_in.items()):
        if reaches(other, folder):
            hidden.append(f"{header} declares {name}, defined in {source} of a folder that includes it")
for h in hidden:
    print("hidden circle:", h)
sys.exit(1 if circles or hidden else 0)
