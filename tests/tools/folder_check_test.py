#!/usr/bin/env python3
"""tools/check-folder-cycles.py on tiny made-up src trees: each case writes a few files into a
temporary folder, runs the check on it and compares its exit status and the names it prints."""
import pathlib
import subprocess
import sys
import tempfile

CHECK = pathlib.Path(__file__).resolve().parents[2] / "tools" / "check-folder-cycles.py"

# A lower folder `base` declares Run(); `top` includes it. Where Run is defined decides.
HOOK_HEADER = {"base/Hooks.h": "#pragma once\nstruct Thing;\nvoid Run(Thing& thing);\n"}
TOP_CALLS = {"top/Main.cpp": '#include "base/Hooks.h"\nvoid Start(Thing& t) {\n    Run(t);\n}\n'}

CASES = [
    # (what, files, exit status, words the output must hold)
    ("defined in the header's own folder",
     {**HOOK_HEADER, **TOP_CALLS, "base/Hooks.cpp": '#include "base/Hooks.h"\nvoid Run(Thing&) {}\n'},
     0, []),
    ("defined only in the folder that includes the header",
     {**HOOK_HEADER, **TOP_CALLS, "top/Run.cpp": '#include "base/Hooks.h"\nvoid Run(Thing&) {\n}\n'},
     1, ["hidden circle", "base/Hooks.h", "Run", "top/Run.cpp"]),
    ("defined through a folder between them",
     {**HOOK_HEADER, "mid/Mid.h": '#include "base/Hooks.h"\n',
      "top/Run.cpp": '#include "mid/Mid.h"\nint Run(Thing& thing)\n{\n    return 0;\n}\n'},
     1, ["hidden circle", "Run"]),
    ("a method of the same name in a higher folder is no definition",
     {**HOOK_HEADER, "base/Hooks.cpp": "", "top/View.cpp":
      '#include "base/Hooks.h"\nvoid View::Run(Thing&) {}\n'},
     0, []),
    ("two folders including each other",
     {"a/A.h": '#include "b/B.h"\n', "b/B.h": '#include "a/A.h"\n'},
     1, ["include circle", "a", "b"]),
]


def run(files):
    with tempfile.TemporaryDirectory() as tmp:
        src = pathlib.Path(tmp) / "src"
        for name, text in files.items():
            path = src / name
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_text(text, encoding="utf-8")
        done = subprocess.run([sys.executable, str(CHECK), str(src)], capture_output=True, text=True)
        return done.returncode, done.stdout


failed = 0
for what, files, status, words in CASES:
    code, out = run(files)
    missing = [w for w in words if w not in out]
    if code != status or missing or (status == 0 and out.strip()):
        failed += 1
        print(f"FAIL {what}: exit {code} (want {status}), missing {missing}, output:\n{out}")
print(f"{len(CASES) - failed} passed, {failed} failed")
sys.exit(1 if failed else 0)
