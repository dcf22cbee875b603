#!/usr/bin/env bash
# Runs ui_tests.exe under Wine in a throwaway prefix on a virtual display and ends with its line
# "N passed, N failed". Exit status 0 only when nothing failed.
# Usage: tests/win32ui/run.sh BUILD_DIR [--screenshot FILE.png]
#   BUILD_DIR: a MinGW build tree holding tests/win32ui/ui_tests.exe
#   --screenshot: saves the screen with the demo form on it (import -window root)
set -u

build=${1:?usage: tests/win32ui/run.sh BUILD_DIR [--screenshot FILE.png]}
shift
screenshot=
while [ $# -gt 0 ]; do
    case $1 in
        --screenshot) screenshot=${2:?--screenshot needs a file}; shift 2 ;;
        *) echo "unknown argument: $1"; echo "0 passed, 1 failed"; exit 1 ;;
    esac
done
[ -n "$screenshot" ] && screenshot=$(realpath -m "$screenshot")

exe=$(cd "$build" 2>/dev/null && pwd)/tests/win32ui/ui_tests.exe
if [ ! -f "$exe" ]; then
    echo "ui_tests.exe not found under $build/tests/win32ui"
    echo "0 passed, 1 failed"
    exit 1
fi

# The checks need a display of their own: run again inside a virtual X server.
if [ -z "${RVLN_UI_XVFB:-}" ]; then
    export RVLN_UI_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" ${screenshot:+--screenshot "$screenshot"}
fi

wine=$(command -v wine64 || true)
[ -x /usr/lib/wine/wine64 ] && wine=/usr/lib/wine/wine64
wineserver=$(command -v wineserver || true)
for candidate in /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver; do
    [ -x "$candidate" ] && wineserver=$candidate && break
done
if [ -z "$wine" ] || [ -z "$wineserver" ]; then
    echo "wine64 or wineserver not found"
    echo "0 passed, 1 failed"
    exit 1
fi

WINEPREFIX=$(mktemp -d)
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
scratch=$(mktemp -d)
cleanup() {
    "$wineserver" -k >/dev/null 2>&1
    rm -rf "$WINEPREFIX" "$scratch"
}
trap cleanup EXIT

if ! timeout 180 "$wine" wineboot --init >/dev/null 2>&1; then
    echo "wineboot --init failed"
    echo "0 passed, 1 failed"
    exit 1
fi
# As in the end-to-end runs: a Wine desktop with a taskbar, where Wine draws the window frames.
timeout 60 "$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
timeout 60 "$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
# A desktop named other than "shell" gets no taskbar unless asked for; the tray checks need one.
timeout 60 "$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops\Default' /v EnableShell /t REG_DWORD /d 1 /f >/dev/null 2>&1
timeout 60 "$wineserver" -w

ready=$scratch/ready
args=()
[ -n "$screenshot" ] && args=(--ready "$(winepath=$("$wine" winepath -w "$ready" 2>/dev/null); printf '%s' "$winepath" | tr -d '\r')")

timeout 300 "$wine" "$exe" "${args[@]}" >"$scratch/out" 2>/dev/null &
pid=$!
if [ -n "$screenshot" ]; then
    for _ in $(seq 1 600); do
        [ -f "$ready" ] && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if [ -f "$ready" ]; then
        mkdir -p "$(dirname "$screenshot")"
        import -window root "$screenshot" && echo "screenshot: $screenshot"
        rm -f "$ready"
    else
        echo "no screenshot: the demo form never got ready"
    fi
fi
wait "$pid"
status=$?

output=$(tr -d '\r' <"$scratch/out")
printf '%s\n' "$output" | grep -v -E '^[0-9]+ passed, [0-9]+ failed$'
summary=$(printf '%s\n' "$output" | grep -E '^[0-9]+ passed, [0-9]+ failed$' | tail -n 1)
if [ -z "$summary" ]; then
    echo "ui_tests.exe ended without a result (exit status $status)"
    echo "0 passed, 1 failed"
    exit 1
fi
passed=${summary%% passed*}
failed=${summary#*passed, }
failed=${failed%% failed}
if [ "$status" -ne 0 ] && [ "$failed" -eq 0 ]; then
    echo "ui_tests.exe exited with status $status"
    failed=1
fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$status" -eq 0 ]
