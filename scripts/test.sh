#!/usr/bin/env bash
# Installs what is missing, builds all trees and runs every suite: the native unit tests, the
# Win32 adapter tests (when present) and the Wine end-to-end tests. Ends with one line
# "N passed, N failed" summed over all suites; exits non-zero when anything failed or a suite
# could not run (such a suite counts as one failure, never as skipped).
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
logs=$root/artifacts/test-logs
mkdir -p "$logs"

passed=0
failed=0
summary=()

record() {
    local suite=$1 p=$2 f=$3 note=${4:-}
    passed=$((passed + p))
    failed=$((failed + f))
    summary+=("$(printf '%-22s %4d passed, %4d failed%s' "$suite:" "$p" "$f" "${note:+  ($note)}")")
}

# The last "N passed, N failed" line a suite printed, as "N N"; empty when there is none.
counts_from() {
    grep -aE '^[0-9]+ passed, [0-9]+ failed$' "$1" | tail -n 1 | sed -E 's/^([0-9]+) passed, ([0-9]+) failed$/\1 \2/'
}

if ! bash scripts/deps.sh; then
    echo "cannot install the build and test dependencies"
    echo "0 passed, 1 failed"
    exit 1
fi

# The Wine suites mostly wait for windows, so they run in the background as soon as the 64-bit
# tree is built, while the native and 32-bit trees build (at a low priority, so the Wine programs
# keep the processor when they need it) and the native unit tests and the fuzz targets run.
declare -A built
build() {
    local tree=$1
    # A tree that does not build counts as one failure; a good build is not a test result.
    if $2 bash scripts/build.sh "$tree" 2>&1 | tee "$logs/build-$tree.log"; then
        built[$tree]=1
    else
        built[$tree]=0
        record "build $tree" 0 1 "see artifacts/test-logs/build-$tree.log"
    fi
}

# --- native unit tests --------------------------------------------------------------------------
run_unit_tests() {
    local exe=build/native/tests/unit/unit_tests json=$logs/unit_tests.json log=$logs/unit_tests.log
    if [[ ${built[native]} != 1 || ! -x $exe ]]; then
        record "unit tests" 0 1 "could not run: native build failed"
        return
    fi
    rm -f "$json"
    echo "== unit tests"
    local start=$SECONDS
    # From the build folder: with the compiler cache, __FILE__ is relative to it.
    (cd build/native && timeout 600 tests/unit/unit_tests --gtest_output="json:$json") 2>&1 | tee "$log"
    local code=${PIPESTATUS[0]}
    echo "== unit tests: $((SECONDS - start))s"
    local counts
    counts=$(python3 - "$json" "$log" <<'PY'
import json, re, sys
path, log = sys.argv[1], sys.argv[2]
try:
    with open(path) as f:
        data = json.load(f)
    passed = failed = 0
    for suite in data.get("testsuites", []):
        for case in suite.get("testsuite", []):
            if case.get("status") == "NOTRUN":
                continue
            if case.get("failures") or case.get("result") not in ("COMPLETED", None):
                failed += 1
            else:
                passed += 1
    print(passed, failed)
except (OSError, ValueError):
    # No report: the run died before its end; count what the log shows.
    text = open(log, errors="replace").read()
    print(len(re.findall(r"^\[       OK \]", text, re.M)),
          len(set(re.findall(r"^\[  FAILED  \] (\S+) \(", text, re.M))))
PY
)
    local p=${counts% *} f=${counts#* }
    local note=""
    if [[ $code -ne 0 && $f -eq 0 ]]; then
        # A crash, a timeout or a sanitizer report at exit fails the suite without failing a test.
        f=1
        note="exit code $code with no failing test: see artifacts/test-logs/unit_tests.log"
    fi
    record "unit tests" "$p" "$f" "$note"
}

# --- suites that print their own "N passed, N failed" -------------------------------------------
# run_suite LOG LIMIT CMD...: runs a suite into its log; its exit code and time go beside it.
run_suite() {
    local log=$1 limit=$2
    shift 2
    local start=$SECONDS
    timeout "$limit" "$@" </dev/null >"$log" 2>&1
    echo $? >"$log.code"
    echo $((SECONDS - start)) >"$log.seconds"
}

# record_suite SUITE LOG: shows what a finished suite printed and counts its result.
record_suite() {
    local suite=$1 log=$2
    echo "== $suite"
    cat "$log" 2>/dev/null
    local code seconds
    code=$(cat "$log.code" 2>/dev/null || echo "none")
    seconds=$(cat "$log.seconds" 2>/dev/null || echo "?")
    echo "== $suite: ${seconds}s"
    local counts
    counts=$(counts_from "$log" 2>/dev/null)
    if [[ -z $counts ]]; then
        record "$suite" 0 1 "could not run (exit code $code): see ${log#$root/}"
        return
    fi
    local p=${counts% *} f=${counts#* }
    if [[ $code != 0 && $f -eq 0 ]]; then
        f=1
    fi
    record "$suite" "$p" "$f"
}

# Win32 suites (tests/win32 and any sibling that follows the same convention): a run.sh that
# takes the MinGW build tree and prints "N passed, N failed". The fuzz run builds its own target.
win32_suites=()
for runner in tests/*/run.sh; do
    [[ -f $runner && $runner != tests/e2e/* && $runner != tests/fuzz/* ]] || continue
    win32_suites+=("$(basename "$(dirname "$runner")")")
done

build mingw64 ""
wine_jobs=()
if [[ ${built[mingw64]} == 1 ]]; then
    echo "== Win32 suites started in the background"
    (
        for suite in "${win32_suites[@]}"; do
            run_suite "$logs/$suite.log" 600 bash "tests/$suite/run.sh" build/mingw64
        done
    ) &
    wine_jobs+=($!)
fi
# The end-to-end run also starts the 32-bit program for its smoke tests, so it waits for the
# 32-bit tree; on a machine that cannot run 32-bit programs at all it only reports them as not
# run, and starts at once (the end-to-end run is the longest part of the whole run).
start_e2e() {
    echo "== end-to-end tests started in the background"
    with32=()
    [[ ${built[mingw32]:-0} == 1 || $1 == no ]] && with32=(--with-32 build/mingw32)
    run_suite "$logs/e2e.log" 1200 python3 tests/e2e/run.py build/mingw64 "${with32[@]}" &
    wine_jobs+=($!)
}
runs32=$( (cd tests/e2e && python3 -c 'import harness; print("no" if harness.why_no_32_bit() else "yes")') 2>/dev/null)
[[ ${built[mingw64]} == 1 && $runs32 == no ]] && start_e2e no
build mingw32 "nice -n 19"
[[ ${built[mingw64]} == 1 && $runs32 != no ]] && start_e2e yes

build native "nice -n 19"
run_unit_tests

# The command-line fuzz targets: clang's libFuzzer for a bounded time, their binaries and corpora
# in build/fuzz.
if [[ -f tests/fuzz/run.sh ]]; then
    RVLN_FUZZ_DIR=$root/build/fuzz run_suite "$logs/fuzz.log" 300 nice -n 10 bash tests/fuzz/run.sh 15
    record_suite "fuzz tests" "$logs/fuzz.log"
fi

# The device workers under ThreadSanitizer: a small tree of their own, build/tsan.
run_suite "$logs/tsan.log" 600 nice -n 10 bash tests/tsan/run_tsan.sh build/tsan
record_suite "thread tests" "$logs/tsan.log"

if [[ ${#wine_jobs[@]} -gt 0 ]]; then
    echo "== waiting for the Wine suites"
    wait "${wine_jobs[@]}"
fi
for suite in "${win32_suites[@]}"; do
    if [[ ${built[mingw64]} == 1 ]]; then
        record_suite "$suite tests" "$logs/$suite.log"
    else
        record "$suite tests" 0 1 "could not run: mingw64 build failed"
    fi
done
if [[ ${built[mingw64]} == 1 ]]; then
    record_suite "end-to-end tests" "$logs/e2e.log"
else
    record "end-to-end tests" 0 1 "could not run: mingw64 build failed"
fi

echo
echo "== summary (${SECONDS}s)"
printf '%s\n' "${summary[@]}"
echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
