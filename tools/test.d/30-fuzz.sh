#!/usr/bin/env bash
# Builds the libFuzzer targets in fuzz/ (clang with ASan and UBSan, build/fuzz) and runs each for a
# bounded time on a copy of its committed seed corpus. A crash or a broken invariant fails the
# stage and prints the input that shows it, base64 and as a hex dump.
# FUZZ_SECONDS (default 60) sets the time per target.
set -euo pipefail
cd "$(dirname "$0")/../.."

tools/install-deps clang-14 libclang-rt-14-dev
seconds=${FUZZ_SECONDS:-60}
root=$PWD
start=$SECONDS
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 \
    "-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
    -DFERNBOGEN_FUZZ=ON -DFERNBOGEN_BUILD_TESTS=OFF >/dev/null
cmake --build build/fuzz -j2 --target arithmetic_fuzz window_fuzz

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$root/tools/lsan.supp:print_suppressions=0

failed=0
for target in arithmetic window; do
    corpus=$work/$target
    mkdir -p "$corpus" "$work/$target-artifacts"
    cp fuzz/corpus/$target/* "$corpus"/
    echo "--- ${target}_fuzz for ${seconds} s"
    if ! build/fuzz/fuzz/${target}_fuzz -max_total_time="$seconds" -max_len=512 -len_control=0 -print_final_stats=1 \
        -artifact_prefix="$work/$target-artifacts/" "$corpus" >"$work/$target.log" 2>&1; then
        failed=1
        # The report and the last lines of the run.
        grep -v -E '^#[0-9]+ +(NEW|REDUCE|pulse)|NEW_FUNC' "$work/$target.log" | tail -n 80
        for crash in "$work/$target-artifacts"/*; do
            [ -e "$crash" ] || continue
            echo "Reproducer ${crash##*/} (save it with base64 -d, run build/fuzz/fuzz/${target}_fuzz FILE):"
            base64 -w 0 "$crash"
            echo
            od -A x -t x1z -v "$crash" | head -n 64
        done
    fi
    grep -E '^(Done|stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb))' "$work/$target.log" || true
done
echo "Fuzz stage: $((SECONDS - start)) s"
exit $failed
