#!/usr/bin/env bash
# Runs RVLN.EXE under Wine in a throwaway prefix (a 1024x768 Wine desktop with a taskbar) and
# saves a screenshot, and one of the main window alone, once its main window is up and has
# finished its opening animation. Without a usable DISPLAY it starts its own Xvfb and keeps the
# program running until Enter is pressed or RVLN_RUN_SECONDS (default 300) pass; with a DISPLAY it
# runs until the program exits. Extra arguments go to RVLN.EXE ("/S" starts in the notebook).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
# RVLN_BUILD_DIR runs the program of another, already built MinGW tree instead.
build=${RVLN_BUILD_DIR:-}
if [[ -z $build ]]; then
    build=build/mingw64
    bash scripts/build.sh mingw64
fi

display=""
if [[ -n ${DISPLAY:-} ]] && xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then
    display=$DISPLAY
fi

# The script goes in as an argument so that standard input stays the terminal (for Enter).
script=$(cat <<'PY'
import os
import select
import sys
import time

sys.path.insert(0, "tests/e2e")
sys.dont_write_bytecode = True
import harness

build, display, args = sys.argv[1], sys.argv[2] or None, sys.argv[3:]
seconds = float(os.environ.get("RVLN_RUN_SECONDS", "300"))
session = harness.Session(build, display=display)
prefix = session.new_prefix("run", artifacts=harness.REPO_ROOT / "artifacts" / "run")
try:
    program = prefix.start(*args)
    main = prefix.wait_window("TForm1", exe="RVLN.EXE", timeout=30)
    settled = None
    if main is None:
        print("RVLN.EXE showed no main window" + ("" if program.running() else
              f" and exited with code {program.wait(0)}"))
        print(program.log()[-2000:])
    else:
        settled = prefix.wait_settled(main["hwnd"])
        if settled is None:
            print("the main window kept changing its size; the screenshot shows it as it was")
    shot = prefix.screenshot("screenshot")
    print(f"screenshot: {shot}")
    if settled is not None:
        # The main window alone, as README shows it.
        print(f"main window: {prefix.screenshot('window', rect=settled['rect'])}")
    print(f"program log: {program.log_path}")
    if display:
        print(f"running on {display}; close RVLN.EXE to end")
        while program.wait(1) is None:
            pass
    elif program.running():
        print(f"running on private display {session.display_name}; "
              f"press Enter to end (or wait {seconds:.0f}s)")
        deadline = time.monotonic() + seconds
        stdin_open = sys.stdin is not None and not sys.stdin.closed
        while program.running() and time.monotonic() < deadline:
            if stdin_open:
                ready, _, _ = select.select([sys.stdin], [], [], 0.5)
                if ready:
                    if sys.stdin.readline() == "":
                        stdin_open = False  # no terminal: only the timeout ends the run
                    else:
                        break
            else:
                time.sleep(0.5)
    code = program.wait(0)
    print("ending RVLN.EXE" if code is None else f"RVLN.EXE exited with code {code}")
finally:
    prefix.close()
    session.close()
PY
)
exec python3 -c "$script" "$build" "$display" "$@"
