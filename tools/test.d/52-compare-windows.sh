#!/usr/bin/env bash
# The Qt and the Win32 window agree: both play the same random user sessions (a fixed range of
# seeds and a few new ones each run) and write what they show after every action; the first
# difference in a session fails the stage with its seed, the actions up to it and both windows'
# state there. The Win32 window plays in win32_test.exe under Wine, on Wine's null display driver
# (no X server in between, so nothing arrives late), in a few programs at once, each on a desktop
# of its own and with one window that it resets between sessions. The Qt window plays offscreen
# (tests/qt/compare_windows.cpp), checks its results against the arithmetic after every
# recalculation, and compares.
#
# Replaying one session: tools/test.d/52-compare-windows.sh SEED (or a range FIRST-LAST).
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
work=$root/build/compare-windows
programs=3 # at once under one Wine server; more wait for it in turn

if [ $# -gt 0 ]; then
    fixed=$1
    new=""
else
    fixed=1-2000
    new=$(for _ in 1 2 3 4 5; do od -An -N4 -tu4 /dev/urandom | tr -d ' '; done | tr '\n' ' ')
    echo "sessions: $fixed, and new this run: $new"
fi

cmake --preset default >/dev/null
cmake --build --preset default --target compare_windows >/dev/null
# The Windows build and its Wine prefix are made by the Windows stage.
[ -e build/windows/wine/.fernbogen-ready ] || bash tools/test.d/50-windows.sh
cmake --build --preset windows --target win32_test >/dev/null

build=$root/build/windows
. tests/win32/wine_session.sh
unset DISPLAY
rm -rf "$work" && mkdir -p "$work"
start_wine_server

# The fixed range in one part per program, the new seeds with the last.
first=${fixed%-*}
last=${fixed#*-}
per=$(((last - first + programs) / programs))
start=$SECONDS
for ((i = 0; i < programs; i++)); do
    from=$((first + i * per))
    to=$((from + per - 1 < last ? from + per - 1 : last))
    seeds=()
    [ "$from" -le "$to" ] && seeds=("$from-$to")
    [ "$i" -eq $((programs - 1)) ] && seeds+=($new)
    [ ${#seeds[@]} -gt 0 ] || continue
    timeout 900 wine explorer "/desktop=compare-$i,1024x768,null" "$tests/win32_test.exe" \
        --states "${seeds[@]}" >"$work/win32-$i.states" 2>"$work/win32-$i.log" &
done
wait
wine_seconds=$((SECONDS - start))
cat "$work"/win32-*.log
cat "$work"/win32-*.states >"$work/win32.states"

start=$SECONDS
status=0
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
QT_QPA_PLATFORM=offscreen build/default/tests/qt/compare_windows --against "$work/win32.states" \
    "$fixed" $new || status=$?
echo "compare windows: Win32 window under Wine $wine_seconds s, Qt window $((SECONDS - start)) s"
[ $status -eq 0 ] || echo "To replay one session: tools/test.d/52-compare-windows.sh SEED"
exit $status
