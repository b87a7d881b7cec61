#!/usr/bin/env bash
# Runs a libFuzzer target for FUZZ_SECONDS (default 60) on a copy of its committed seed corpus. A
# crash or a broken invariant fails and prints the input that shows it, base64 and as a hex dump.
# Usage: tests/fuzz/run_fuzzer.sh TARGET CORPUS
set -euo pipefail
target=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus" "$work/artifacts"
cp "$2"/* "$work/corpus/"

status=0
"$target" -max_total_time="${FUZZ_SECONDS:-60}" -max_len=512 -len_control=0 -print_final_stats=1 \
    -artifact_prefix="$work/artifacts/" "$work/corpus" >"$work/log" 2>&1 || status=$?
if [ $status -ne 0 ]; then
    # The report and the last lines of the run.
    grep -a -v -E '^#[0-9]+[[:space:]]+(NEW|REDUCE|pulse)|NEW_FUNC' "$work/log" | tail -n 80
    for crash in "$work/artifacts"/*; do
        [ -e "$crash" ] || continue
        echo "Reproducer ${crash##*/} (save it with base64 -d, run $target FILE):"
        base64 -w 0 "$crash"
        echo
        od -A x -t x1z -v "$crash" | head -n 64
    done
fi
grep -a -E '^(Done|stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb))' \
    "$work/log" || true
exit $status
