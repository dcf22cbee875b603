#!/usr/bin/env bash
# Builds the command-line fuzz target with clang's libFuzzer and runs it for a bounded time.
# Prints "N passed, N failed": 1 passed when the run ends without a crash, hang or sanitizer
# report, 1 failed otherwise. Usage: run.sh [seconds] (default 30); RVLN_FUZZ_DIR sets where the
# binary, the corpus and any crash input go (default build/fuzz).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
seconds=${1:-30}
out=${RVLN_FUZZ_DIR:-$root/build/fuzz}
mkdir -p "$out/corpus" "$out/crashes"

cxx=$(command -v clang++-14 || command -v clang++ || true)
if [[ -z $cxx ]]; then
    echo "no clang++ found"
    echo "0 passed, 1 failed"
    exit 1
fi

if ! "$cxx" -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I"$root" "$here/cmdline_fuzz.cpp" "$root/cmdline/parameters.cpp" "$root/cmdline/options.cpp" \
    "$root/lib/text.cpp" -o "$out/cmdline_fuzz"; then
    echo "the fuzz target did not build"
    echo "0 passed, 1 failed"
    exit 1
fi

# Seeds: the lines the tests care about, so the fuzzer starts from real option words.
seeds=(
    'RVLN.EXE /SHUTDOWN'
    '"C:\Program Files\RVLN.EXE" /shutdown /SAFE'
    'RVLN /RUN:"C:\My Apps\A.EXE"+x /NOMESSAGE:70000 /REBOOT'
    'RVLN /RUN:APP.EXE+/REBOOT /REBOOT'
    'RVLN "" ""/T /HX /? /HELP /H /DOSSTART /RESTART /Q /S'
    'RVLN /NOMESSAGE:ABC /FSHUTDOWN /FREBOOT /FRELOG /POWEROFF /MSDOS /RELOG /FOO'
)
i=0
for seed in "${seeds[@]}"; do
    printf '%s' "$seed" > "$out/corpus/seed-$i"
    i=$((i + 1))
done

log=$out/cmdline_fuzz.log
# -timeout catches a hang of a single input; -rss_limit_mb a runaway allocation.
"$out/cmdline_fuzz" "$out/corpus" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=4096 -artifact_prefix="$out/crashes/" -print_final_stats=1 >"$log" 2>&1
code=$?
tail -n 15 "$log"
if [[ $code -eq 0 ]]; then
    echo "1 passed, 0 failed"
    exit 0
fi
echo "fuzzing failed (exit $code); inputs in $out/crashes, log in $log"
echo "0 passed, 1 failed"
exit 1
