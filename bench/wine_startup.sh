#!/usr/bin/env bash
# The Windows program's start-up under Wine beside a minimal Win32 window (one edit box and one
# label in a font of their own): from the start of the program file until its window is on a
# private virtual display, in a Wine prefix of its own (tools/wine-run), median of RUNS
# alternating starts. A figure, not a test.
# Usage: bench/wine_startup.sh [RUNS]   (default 5; called by tools/bench)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
build=$PWD/build/windows

if [ "${2:-}" != --on-display ]; then
    tools/install-deps
    cmake --preset windows >/dev/null
    cmake --build --preset windows --target fernbogen_win32 minimal_window >/dev/null
    exec tools/wine-run --command bash "$0" "$runs" --on-display
fi

# One Wine server for the whole run, so that each program starts as on a running system.
tests=$build/tests/win32
wineserver -p
wineboot </dev/null >/dev/null 2>&1

# Polls every 10 ms, up to 30 s, until a window of that title is shown (or with "gone", is gone).
wait_for_window() { # title [gone]
    for _ in $(seq 3000); do
        if xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; then
            [ -z "${2:-}" ] && return 0
        elif [ -n "${2:-}" ]; then
            return 0
        fi
        sleep 0.01
    done
}

# Milliseconds from the start of a program until its window shows.
start_ms() { # program, title
    local start pid
    start=$(date +%s%N)
    wine "$1" >/dev/null 2>&1 &
    pid=$!
    wait_for_window "$2"
    echo $((($(date +%s%N) - start) / 1000000))
    kill "$pid" && wait "$pid" 2>/dev/null || true
    # The next start must not find this one's window still on the screen.
    wait_for_window "$2" gone
}

fernbogen=() minimal=()
for _ in $(seq "$runs"); do
    fernbogen+=("$(start_ms "$build/win32/fernbogen.exe" '^berechnet Abstand')")
    minimal+=("$(start_ms "$tests/minimal_window.exe" '^minimal window$')")
done
median() { printf '%s\n' "$@" | sort -n | sed -n "$((($# + 1) / 2))p"; }
echo "start-up under Wine, median of $runs: fernbogen.exe $(median "${fernbogen[@]}") ms," \
    "minimal Win32 window $(median "${minimal[@]}") ms"
