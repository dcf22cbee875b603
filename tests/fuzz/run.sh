#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and runs each for a bounded time. Prints
# "N passed, N failed": one pass per target whose run ends without a crash, hang or sanitizer
# report. Usage: run.sh [seconds] (default 30, per target); RVLN_FUZZ_DIR sets where the
# binaries, the corpora and any crash input go (default build/fuzz).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
seconds=${1:-30}
out=${RVLN_FUZZ_DIR:-$root/build/fuzz}

cxx=$(command -v clang++-14 || command -v clang++ || true)
if [[ -z $cxx ]]; then
    echo "no clang++ found"
    echo "0 passed, 2 failed"
    exit 1
fi

passed=0
failed=0

# fuzz NAME MAX_LEN SOURCES...: builds and runs one target on the seeds already in its corpus.
fuzz() {
    local name=$1 maxlen=$2
    shift 2
    mkdir -p "$out/$name/corpus" "$out/$name/crashes"
    if ! "$cxx" -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
        -I"$root" "$@" -o "$out/$name/$name"; then
        echo "the fuzz target $name did not build"
        failed=$((failed + 1))
        return
    fi
    local log=$out/$name/$name.log
    # -timeout catches a hang of a single input; -rss_limit_mb a runaway allocation.
    "$out/$name/$name" "$out/$name/corpus" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len="$maxlen" -artifact_prefix="$out/$name/crashes/" -print_final_stats=1 >"$log" 2>&1
    local code=$?
    tail -n 15 "$log"
    if [[ $code -eq 0 ]]; then
        passed=$((passed + 1))
    else
        echo "fuzzing $name failed (exit $code); inputs in $out/$name/crashes, log in $log"
        failed=$((failed + 1))
    fi
}

# seed NAME TEXT...: corpus entries the target starts from.
seed() {
    local name=$1 i=0
    shift
    mkdir -p "$out/$name/corpus"
    for text in "$@"; do
        printf '%s' "$text" > "$out/$name/corpus/seed-$i"
        i=$((i + 1))
    done
}

# The command line: the lines the tests care about, so the fuzzer starts from real option words.
seed cmdline_fuzz \
    'RVLN.EXE /SHUTDOWN' \
    '"C:\Program Files\RVLN.EXE" /shutdown /SAFE' \
    'RVLN /RUN:"C:\My Apps\A.EXE"+x /NOMESSAGE:70000 /REBOOT' \
    'RVLN /RUN:APP.EXE+/REBOOT /REBOOT' \
    'RVLN "" ""/T /HX /? /HELP /H /DOSSTART /RESTART /Q /S' \
    'RVLN /NOMESSAGE:ABC /FSHUTDOWN /FREBOOT /FRELOG /POWEROFF /MSDOS /RELOG /FOO'
fuzz cmdline_fuzz 4096 "$here/cmdline_fuzz.cpp" "$root/cmdline/parameters.cpp" "$root/cmdline/options.cpp" \
    "$root/lib/text.cpp"

# The device table: records as they are stored, with fields missing, too large or no numbers.
seed device_table_fuzz \
    'DEAFCD - D:,2,1,20,CD - E:,' \
    'DEA\Tape0\x01CD - D:,1,0,0,RM - A:,2,1,999999999999,Tape0,x,y,z,' \
    'ZZZZZZZZZZZZZZZZZZZZZZZZZZ\xffCD - Z:,7,9,100,CD - Z,CD-:,:,,,,'
fuzz device_table_fuzz 4096 "$here/device_table_fuzz.cpp" "$root/devices/device_table.cpp"

echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
