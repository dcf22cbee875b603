#!/usr/bin/env bash
# Runs the benchmarks of bench/ (never part of the test run) against freshly built trees and
# prints their tables; each also writes artifacts/bench/<name>.json:
#   size           what ships from each MinGW tree (bench/size.py)
#   timer wake-ups WM_TIMER per 30 s while RVLN.EXE waits in each state (bench/timer_wakeups.py)
#   start-up       time to a visible main window against other programs (bench/startup.py)
#   cmdline        /SHUTDOWN and /T from start to end, against Wine's shutdown.exe (bench/cmdline.py)
#   memory         working set and private bytes once started, against notepad (bench/memory.py)
#   exit wait      processor time while Exit waits 20 s for a device worker, message wait
#                  against a spin (bench/exit_wait.py)
# Takes several minutes: the wake-ups are counted over 30-second spans under Wine.
# usage: bench.sh [NAME...]   (size, wakeups, startup, cmdline, memory, exitwait; all by default)
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh || exit 1
bash scripts/build.sh mingw64 mingw32 || exit 1

names=("$@")
[[ ${#names[@]} -gt 0 ]] || names=(size wakeups startup cmdline memory exitwait)
failed=()
for name in "${names[@]}"; do
    echo "== bench $name"
    case $name in
        size) python3 bench/size.py build/mingw64 build/mingw32 ;;
        wakeups) python3 bench/timer_wakeups.py build/mingw64 ;;
        startup)
            if [[ -f bench/startup.py ]]; then
                python3 bench/startup.py build/mingw64
            else
                echo "(no start-up benchmark in this tree)"
            fi ;;
        cmdline) python3 bench/cmdline.py build/mingw64 ;;
        memory) python3 bench/memory.py build/mingw64 ;;
        exitwait) python3 bench/exit_wait.py build/mingw64 ;;
        *) echo "bench: unknown benchmark '$name'" >&2; false ;;
    esac || failed+=("$name")
done
if [[ ${#failed[@]} -gt 0 ]]; then
    echo "bench failed: ${failed[*]}"
    exit 1
fi
