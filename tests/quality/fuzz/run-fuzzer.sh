#!/bin/sh
# Runs a libFuzzer target over a copy of the seeds for a bounded time.
#   run-fuzzer.sh clean <fuzzer> <seeds> <work dir> <seconds>
#       passes when the fuzzer finds nothing;
#   run-fuzzer.sh finds-overflow <fuzzer> <seeds> <work dir> <seconds>
#       passes when it reports an out-of-bounds access within the time
#       (the deliberately broken build).
# New inputs go to <work dir>/corpus, never into the committed seeds.
set -u
mode=$1 fuzzer=$2 seeds=$3 work=$4 seconds=$5

rm -rf "$work"
mkdir -p "$work/corpus" "$work/artifacts"
log=$work/fuzz.log
# -timeout: one input taking this long is a hang; -rss_limit_mb: a leak.
"$fuzzer" "$work/corpus" "$seeds" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$work/artifacts/" -print_final_stats=1 >"$log" 2>&1
status=$?

case $mode in
clean)
    if [ $status -ne 0 ]; then
        cat "$log"
        echo "run-fuzzer: the fuzzer found a failure (exit $status); the input is in $work/artifacts" >&2
        exit 1
    fi
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec|new_units_added)' "$log"
    grep -E '^Done ' "$log"
    exit 0
    ;;
finds-overflow)
    # UndefinedBehaviorSanitizer's bounds check sees the bad index before
    # AddressSanitizer sees the read; either names the out-of-bounds access.
    found='SensorReading\.cpp:[0-9]+:[0-9]+: runtime error: index -?[0-9]+ out of bounds|ERROR: AddressSanitizer: stack-buffer-overflow'
    if [ $status -ne 0 ] && grep -qE "$found" "$log"; then
        grep -E "$found" "$log" | head -n 1
        grep -E '^stat::number_of_executed_units|Test unit written' "$log"
        exit 0
    fi
    tail -n 40 "$log"
    echo "run-fuzzer: the broken build was not caught within $seconds s (exit $status)" >&2
    exit 1
    ;;
*)
    echo "run-fuzzer: unknown mode $mode" >&2
    exit 2
    ;;
esac
