#!/usr/bin/env bash
# Runs adapter_tests.exe under Wine in a throwaway prefix, once per pretended Windows version,
# and ends with the summed line "N passed, N failed". Exit status 0 only when nothing failed.
# Usage: tests/win32/run.sh BUILD_DIR   (a MinGW build tree holding tests/win32/adapter_tests.exe)
set -u

build=${1:?usage: tests/win32/run.sh BUILD_DIR}
exe=$(cd "$build" 2>/dev/null && pwd)/tests/win32/adapter_tests.exe
if [ ! -f "$exe" ]; then
    echo "adapter_tests.exe not found under $build/tests/win32"
    echo "0 passed, 1 failed"
    exit 1
fi

# Windows of the tests need a display: without one, run again inside a virtual X server.
if [ -z "${DISPLAY:-}" ] && [ -z "${RVLN_XVFB_STARTED:-}" ]; then
    if ! command -v xvfb-run >/dev/null; then
        echo "no DISPLAY and no xvfb-run"
        echo "0 passed, 1 failed"
        exit 1
    fi
    export RVLN_XVFB_STARTED=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
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
cleanup() {
    "$wineserver" -k >/dev/null 2>&1
    rm -rf "$WINEPREFIX"
}
trap cleanup EXIT

if ! timeout 180 "$wine" wineboot --init >/dev/null 2>&1; then
    echo "wineboot --init failed"
    echo "0 passed, 1 failed"
    exit 1
fi

passed=0
failed=0

# run OS [GROUP...]: pretend to be OS, run the named groups (all when none).
run() {
    local os=$1
    shift
    timeout 60 "$wine" reg add 'HKCU\Software\Wine' /v Version /d "$os" /f >/dev/null 2>&1
    local log output status summary
    log=$(mktemp)
    RVLN_EXPECT_OS=$os timeout 300 "$wine" "$exe" "$@" >"$log" 2>/dev/null
    status=$?
    output=$(tr -d '\r' <"$log")
    rm -f "$log"
    summary=$(printf '%s\n' "$output" | grep -E '^[0-9]+ passed, [0-9]+ failed$' | tail -n 1)
    printf '%s\n' "$output" | grep -v -E '^[0-9]+ passed, [0-9]+ failed$' | grep -v '^$' | sed "s/^/[$os] /"
    if [ -z "$summary" ]; then
        # Crashed or hung: its failures so far, and the run itself.
        local shown
        shown=$(printf '%s\n' "$output" | grep -c '^FAIL ')
        echo "[$os] adapter_tests.exe ended without a result (exit status $status)"
        failed=$((failed + shown + 1))
        return
    fi
    echo "[$os] $summary"
    passed=$((passed + ${summary%% passed*}))
    local f=${summary#*passed, }
    failed=$((failed + ${f%% failed}))
    if [ "$status" -ne 0 ] && [ "${f%% failed}" -eq 0 ]; then
        echo "[$os] adapter_tests.exe exited with status $status"
        failed=$((failed + 1))
    fi
}

run win10
run win98
run win95 version system
run nt40 version system

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
