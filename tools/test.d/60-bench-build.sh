#!/usr/bin/env bash
# Builds the benchmarks (Release, build/bench) and runs each once, briefly, to show they still
# work. Their figures are no verdict here: tools/bench measures properly.
set -euo pipefail
cd "$(dirname "$0")/../.."

tools/install-deps libxcb1-dev
cmake --preset bench >/dev/null
cmake --build --preset bench -j2
bin=build/bench/bench
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
tools/with-xvfb "$bin/startup_bench" 1 build/bench/qt/fernbogen "$bin/minimal_window" \
    "$(command -v xcalc)"
QT_QPA_PLATFORM=offscreen "$bin/response_bench" --benchmark_min_time=0.001 \
    --benchmark_repetitions=1 --recalculations=2000
