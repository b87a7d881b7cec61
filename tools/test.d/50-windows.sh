#!/usr/bin/env bash
# The Windows program: cross-compiles fernbogen.exe with MinGW-w64, then runs it under Wine on a
# private virtual display (its other checks are ctest --preset windows): the program itself played by real key presses and clicks (xdotool) from
# tests/sessions/windows_program.steps, its texts read back by control ID, with what a screen
# reader reads and hears of it (MSAA and WinEvents from another process) checked against
# tests/data/boxes.tsv. Its start-up time is a benchmark (tools/bench).
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$PWD/build/windows
exe=$build/win32/fernbogen.exe

if [ "${1:-}" != --on-display ]; then
    tools/install-deps g++-mingw-w64-x86-64 wine wine64 fonts-wine
    cmake --preset windows >/dev/null
    cmake --build --preset windows

    exec tools/with-xvfb -s 1024x768x24 bash "$0" --on-display
fi

# From here on the private display is up.
. tests/win32/wine_session.sh
make_wine_prefix
start_wine_server

passed=0
failed=0
record() { # name, problem (empty when passed)
    if [ -z "$2" ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $1: $2"
    fi
}

# (c) The program itself.
# Wine's standard object for a static control has the role client where Windows' has static
# text: the labels' lines are compared without it.
without_label_roles() {
    sed -E 's/^((child|name|live) )?((Label[0-9]+|announcement) .*), role (client|static text)$/\1\3/'
}

# What a screen reader reads of the window now: a line for the window and each control
# ('Text4 "von Länge Grad", value "0", description "0 bis 180", role text').
read_accessibility() {
    wine "$tests/read_accessibility.exe" >"$build/read_accessibility.txt" 2>/dev/null || true
    tr -d '\r' <"$build/read_accessibility.txt" | without_label_roles
}

# What a screen reader was told so far: focus, name change and live-region events, each with
# what its object read when the listener got it ('live announcement "Entfernung ..."').
heard() {
    tr -d '\r' <"$build/events.txt" | without_label_roles
}

# Plays the session of that name from the step file and records it.
play() { # name
    record "$1" "$(play_steps "$(awk -v name="= $1" '/^= / { on = $0 == name; next } on' \
        tests/sessions/windows_program.steps)")"
}

# The boxes as the table describes them, in tab order; each number box is typed one digit more
# than it takes.
digits=1234 names=() described=() overlong=()
while IFS=$'\t' read -r box name description initial max_length; do
    [[ $box == \#* ]] && continue
    names+=("$box \"$name\"")
    described+=("$box \"$name\", value \"$initial\", description \"$description\", role text")
    [ "$initial" != 0 ] || overlong+=("click $box; type $digits; expect $box = ${digits:0:max_length}")
done <tests/data/boxes.tsv

# The listener first, so that it hears the program from its start.
wine "$tests/watch_events.exe" >"$build/events.txt" 2>/dev/null &
listener=$!
wait_for_lines heard listening >/dev/null 2>&1
wine "$exe" >/dev/null 2>&1 &
program=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^berechnet Abstand' | head -n 1 || true)
play "the program opens with the focus in the start longitude"

record "a screen reader reads the title, each box's name, value and what it takes, the captions" \
    "$(wait_for_lines read_accessibility "${described[@]}" \
        'window "berechnet Abstand geographischer Punkte auf dem Fernbogen", role client' \
        'Label1 "  von "' 'Label2 " nach "' 'Label3 "Breite"' 'Label16 "Länge"' 'Label4 " °"' \
        'Label18 " sind es "' 'Label17 "", description "Entfernung"' \
        'Label19 " Richtung: "' 'Label20 "", description "Richtung"' 'announcement ""')"

# A screen reader reviewing the window goes from the window's object to its children.
direct=$(read_accessibility)
walked=$(sed -n 's/^child //p' <<<"$direct")
record "walking from the window's object reaches every control in the window's order, read the same" \
    "$(diff <(grep -v -e '^window ' -e '^child ' <<<"$direct") - <<<"$walked" >/dev/null ||
        echo "walked: $(tr '\n' ' ' <<<"$walked")")"

play "Berlin to Munich typed with Tab and the letter toggles"

# Wine, unlike Windows, tells no focus on the window's first activation: the walk is checked
# from the first Tab on.
focus_walk() { heard | sed -n -E 's/^focus (Text[0-9]+ "[^"]*").*/\1/p' | paste -sd ,; }
record "each Tab tells a screen reader the name of the box the focus comes to" \
    "$(wait_for_lines focus_walk "$(printf '%s\n' "${names[@]:1}" | paste -sd ,)")"

record "the result is spoken as it appears, and the result labels tell of their new figures" \
    "$(wait_for_lines heard 'live announcement "N, Entfernung 503.9 Km, Richtung 195.5 Grad"' \
        'name Label17 "503.9 Km", description "Entfernung"' \
        'name Label20 "195.5 Grad", description "Richtung"')"
record "reviewing the window reads the figures and the last announcement" \
    "$(wait_for_lines read_accessibility 'Label18 " sind es "' \
        'Label17 "503.9 Km", description "Entfernung"' 'Label19 " Richtung: "' \
        'Label20 "195.5 Grad", description "Richtung"' \
        'announcement "N, Entfernung 503.9 Km, Richtung 195.5 Grad"')"
import -window "$window" "$build/fernbogen-windows.png"
echo "Screenshot of the Windows program saved to $build/fernbogen-windows.png"

play "a click, 90 and Enter in the start latitude make the start the pole"
record "a course from the pole is spoken with its meridian in words" \
    "$(wait_for_lines heard 'live announcement "Entfernung 4653 km, Richtung 11.6ter Längengrad Ost"')"
play "a click on the distance label changes nothing"

# Another program comes to the front and the user clicks back into the same box: that is no
# change of focus between the boxes, so the box is neither validated nor fresh again.
play "a digit into the start minutes before another program comes to the front"
wine "$tests/minimal_window.exe" >/dev/null 2>&1 &
other=$!
timeout 60 xdotool search --sync --onlyvisible --name '^minimal window$' >/dev/null || true
record "another program takes the focus" "$(wait_for_lines read_window "focus=nothing" "Text2=5")"
play "back from another program, the entry in a box goes on"
kill "$other" && wait "$other" 2>/dev/null || true

# Typing cleared the results: from then on no announcement may speak them (one read after the
# clearing finds nothing to say), and reviewing finds no stale sentence.
since_cleared() {
    heard | awk '/^name Label17 "", description "Entfernung"$/ { after = ""; next } { after = after $0 "\n" } END { printf "%s", after }'
}
problem=$(wait_for_lines read_accessibility 'Label17 "", description "Entfernung"' 'announcement ""')
problem+=$(since_cleared | grep '^live announcement "[^"]' || true)
record "typing clears the results silently" "$problem"

# 90 degrees 57 minutes is beyond the pole: the guard resets the start latitude.
play "Tab out of 90 degrees 57 minutes resets the start latitude"
record "the guard's reset of a coordinate is spoken, not only beeped" \
    "$(wait_for_lines heard 'live announcement "von Breite außerhalb des Bereichs, auf 0 gesetzt"')"

record "every number box takes as many typed digits as its maximum length and no more" \
    "$(play_steps "$(printf '%s\n' "${overlong[@]}")")"

# Up to ten seconds for a process to end.
ended() { for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.2; done; false; }
xdotool key alt+F4
ended "$program" && problem="" || problem="it still runs"
record "Alt+F4 closes the program" "$problem"
# The listener ends with the program's window.
ended "$listener" || true
kill "$program" "$listener" 2>/dev/null || true
wait "$program" "$listener" 2>/dev/null || true

echo "windows: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
