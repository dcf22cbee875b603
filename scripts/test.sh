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

declare -A built
for tree in native mingw64 mingw32; do
    # A tree that does not build counts as one failure; a good build is not a test result.
    if bash scripts/build.sh "$tree" 2>&1 | tee "$logs/build-$tree.log"; then
        built[$tree]=1
    else
        built[$tree]=0
        record "build $tree" 0 1 "see artifacts/test-logs/build-$tree.log"
    fi
done

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
    timeout 600 "$exe" --gtest_output="json:$json" 2>&1 | tee "$log"
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
run_counted_suite() {
    local suite=$1 log=$2 limit=$3
    shift 3
    echo "== $suite"
    local start=$SECONDS
    timeout "$limit" "$@" </dev/null 2>&1 | tee "$log"
    local code=${PIPESTATUS[0]}
    echo "== $suite: $((SECONDS - start))s"
    local counts
    counts=$(counts_from "$log")
    if [[ -z $counts ]]; then
        record "$suite" 0 1 "could not run (exit code $code): see ${log#$root/}"
        return
    fi
    local p=${counts% *} f=${counts#* }
    if [[ $code -ne 0 && $f -eq 0 ]]; then
        f=1
    fi
    record "$suite" "$p" "$f"
}

run_unit_tests

# Win32 suites (tests/win32 and any sibling that follows the same convention): a run.sh that
# takes the MinGW build tree and prints "N passed, N failed". The fuzz run builds its own target.
for runner in tests/*/run.sh; do
    [[ -f $runner && $runner != tests/e2e/* && $runner != tests/fuzz/* ]] || continue
    suite=$(basename "$(dirname "$runner")")
    if [[ ${built[mingw64]} == 1 ]]; then
        run_counted_suite "$suite tests" "$logs/$suite.log" 600 bash "$runner" build/mingw64
    else
        record "$suite tests" 0 1 "could not run: mingw64 build failed"
    fi
done

# The command-line fuzz target: clang's libFuzzer for a bounded time, its binary and corpus in
# build/fuzz.
if [[ -f tests/fuzz/run.sh ]]; then
    RVLN_FUZZ_DIR=$root/build/fuzz run_counted_suite "fuzz tests" "$logs/fuzz.log" 300 bash tests/fuzz/run.sh
fi

if [[ ${built[mingw64]} == 1 ]]; then
    run_counted_suite "end-to-end tests" "$logs/e2e.log" 900 python3 tests/e2e/run.py build/mingw64 --with-32 build/mingw32
else
    record "end-to-end tests" 0 1 "could not run: mingw64 build failed"
fi

echo
echo "== summary (${SECONDS}s)"
printf '%s\n' "${summary[@]}"
echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
