#!/usr/bin/env bash
# Builds the device workers' ThreadSanitizer tree (build/tsan unless another is given) and runs
# its tests. Prints "N passed, N failed"; a ThreadSanitizer report fails the run even when every
# test passed.
# usage: run_tsan.sh [BUILD_DIR]
set -uo pipefail
cd "$(dirname "$0")/../.."
dir=${1:-build/tsan}
jobs=${RVLN_JOBS:-2}

if [[ ! -f $dir/build.ninja ]] &&
    ! cmake -S tests/tsan -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER=g++; then
    echo "0 passed, 1 failed"
    exit 1
fi
if ! cmake --build "$dir" -j "$jobs"; then
    echo "0 passed, 1 failed"
    exit 1
fi

log=$dir/device_workers_tsan.log
TSAN_OPTIONS=${TSAN_OPTIONS:-halt_on_error=0} "$dir/device_workers_tsan" 2>&1 | tee "$log"
code=${PIPESTATUS[0]}
passed=$(grep -c '^\[       OK \]' "$log")
failed=$(grep -cE '^\[  FAILED  \] .* \([0-9]+ ms\)$' "$log")
if [[ $code -ne 0 && $failed -eq 0 ]]; then
    echo "exit code $code: a ThreadSanitizer report or a crash"
    failed=1
fi
echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
