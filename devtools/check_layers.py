#!/usr/bin/env python3
"""Fails when a source file includes a header of a folder above its own.

The folders of src/ in the order they build on each other: each may include
the ones before it, never the ones after. A subsystem's windows/ folder sits
just above its own logic (record/windows may include record and what lies
below it, not wave); app/ sits on top of everything.
"""
import pathlib
import re
import sys

ORDER = ["common", "compute", "input", "stations", "target", "plot", "record", "wave", "spectrum",
         "fourier", "event", "tools", "pipeline"]
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z_]+)/([^"]+)"', re.M)


def rank(folder, is_window):
    if folder == "app":
        return len(ORDER)
    if folder not in ORDER:
        return None
    return ORDER.index(folder) + (0.5 if is_window else 0.0)


def main(root):
    src = pathlib.Path(root) / "src"
    faults = []
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        parts = path.relative_to(src).parts
        own = parts[0]
        own_is_window = "windows" in parts[1:-1]
        own_rank = rank(own, own_is_window)
        if own_rank is None:
            continue
        for folder, rest in INCLUDE.findall(path.read_text(encoding="utf-8", errors="replace")):
            target_is_window = rest.startswith("windows/")
            target_rank = rank(folder, target_is_window)
            if target_rank is None:
                continue
            if folder == own:
                if target_is_window and not own_is_window and own != "app":
                    faults.append(f"{path.relative_to(root)} includes {folder}/{rest}")
                continue
            if target_rank > own_rank:
                faults.append(f"{path.relative_to(root)} includes {folder}/{rest}")
    for fault in faults:
        print(fault)
    print(f"{len(faults)} include(s) against the order {' < '.join(ORDER)} < app"
          " (each folder's windows/ just above it)")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent))
