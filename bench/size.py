#!/usr/bin/env python3
"""By hand, never part of the test run: the size of what ships from each MinGW tree — the stripped
RVLN.EXE, its debug file RVLN.DBG, and (64-bit tree) the installer and the portable zip.

usage: python3 bench/size.py [BUILD_DIR ...]   (default build/mingw64 build/mingw32)

Prints a table and writes artifacts/bench/size.json."""

import json
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]


def sizes(tree):
    files = {"RVLN.EXE": tree / "win32" / "RVLN.EXE", "RVLN.DBG": tree / "win32" / "RVLN.DBG"}
    for path in sorted((tree / "dist").glob("Ravelin-*")):
        if path.is_file():
            files[path.name] = path
    return {name: path.stat().st_size for name, path in files.items() if path.exists()}


def main():
    trees = [Path(a) for a in sys.argv[1:]] or [ROOT / "build" / "mingw64", ROOT / "build" / "mingw32"]
    results = {}
    print(f"{'tree':<10} {'file':<28} {'bytes':>10} {'KiB':>8}")
    for tree in trees:
        found = sizes(tree)
        if not found:
            print(f"{tree.name:<10} (not built)")
        for name, size in found.items():
            print(f"{tree.name:<10} {name:<28} {size:>10} {size / 1024:>8.0f}")
        results[tree.name] = found
    out = ROOT / "artifacts" / "bench" / "size.json"
    out.parent.mkdir(parents=True, exist_ok=True)
    out.write_text(json.dumps(results, indent=2) + "\n")
    return 0 if results else 1


if __name__ == "__main__":
    sys.exit(main())
