"""By hand, never part of the test run: how long "now..." takes to empty a large tree under Wine,
against `cmd /c rd /s /q` on a fresh copy of the same tree, and how the cost grows.

    /work/wine-slot.sh python3 tests/e2e/bench_empty_dirs.py build/mingw64 [FILES ...]

Each tree holds one-byte files in 10 x 100 x N folders (100,000 files: 10 x 100 x 100). The
program runs with confirmation off ("Never confirm"), so the dialog empties as soon as it shows;
the time is from the click on "now..." until the folder is empty (read from the Unix side, so the
dialog's short life cannot be missed). Printed: seconds for mode 0
("normal + subdirs + h/s/r"), mode 1 ("secure + subdirs + h/s/r") and rd, and the ratios to rd.
"""

import shutil
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from harness import Session  # noqa: E402

USER_KEY = r"HKCU\Software\QAV\Ravelin\LocalUser"


def make_tree(root, files):
    per_leaf = max(1, files // 1000)
    for a in range(10):
        for b in range(100):
            leaf = root / f"D{a}" / f"E{b:02d}"
            leaf.mkdir(parents=True, exist_ok=True)
            for c in range(per_leaf):
                (leaf / f"F{c:03d}.TXT").write_bytes(b"x")


def time_now_button(wine, mode, bench):
    wine.reg_add(USER_KEY + r"\Guards", "EmptyDirList", r"C:\BENCH;")
    wine.reg_add(USER_KEY + r"\Guards", "ComboBox2", mode, "REG_DWORD")
    wine.reg_add(USER_KEY + r"\Controls", "EmptyConfirm", 1, "REG_DWORD")
    wine.reg_add(USER_KEY + r"\Controls", "WinAni", 0, "REG_DWORD")
    program = wine.start()
    main = wine.wait_window("TForm1", exe="RVLN.EXE", timeout=60)
    wine.key(main["hwnd"], "D", ctrl=True)
    button = wine.find("SpeedButton4", top=main["hwnd"], timeout=20)
    start = time.monotonic()
    wine.click(button["hwnd"])
    while any(bench.iterdir()):
        if time.monotonic() - start > 3600:
            raise RuntimeError("the folder was not emptied within an hour")
        time.sleep(0.1)
    elapsed = time.monotonic() - start
    program.kill()
    wine.kill_server()
    return elapsed


def time_rd(wine):
    start = time.monotonic()
    wine.wine("cmd", "/c", "rd", "/s", "/q", r"C:\BENCH", timeout=3600)
    return time.monotonic() - start


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build/mingw64"
    sizes = [int(n) for n in sys.argv[2:]] or [10_000, 30_000, 100_000]
    session = Session(build)
    try:
        for files in sizes:
            wine = session.new_prefix(f"bench-{files}")
            wine.install_program()
            times = {}
            bench = wine.unix_path(r"C:\BENCH")
            for name, run in (("mode 0", lambda: time_now_button(wine, 0, bench)),
                              ("mode 1", lambda: time_now_button(wine, 1, bench)),
                              ("rd", lambda: time_rd(wine))):
                shutil.rmtree(bench, ignore_errors=True)
                make_tree(bench, files)
                times[name] = run()
            rd = times["rd"] or 1e-9
            print(f"{files:>7} files: " + ", ".join(
                f"{k} {v:7.1f} s ({v / rd:4.2f} x rd)" for k, v in times.items()), flush=True)
            wine.close()
    finally:
        session.close()


if __name__ == "__main__":
    main()
