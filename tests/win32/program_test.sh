#!/usr/bin/env bash
# What a screen reader reads (MSAA) and hears (WinEvents) of the running fernbogen.exe from another
# process while a user works in it, checked against tests/data/boxes.tsv; and Alt+F4. Each check
# starts the program afresh, on the display and in the Wine prefix that tools/wine-run gives it.
# Usage: program_test.sh --list | TESTS PROGRAM CHECK   (TESTS: the folder of the test programs)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)

checks=(
    "a screen reader reads the title, each box's name, value and what it takes, the captions"
    "walking from the window's object reaches every control in the window's order, read the same"
    "each Tab tells a screen reader the name of the box the focus comes to"
    "the result is spoken as it appears, and the result labels tell of their new figures"
    "reviewing the window reads the figures and the last announcement"
    "a course from the pole is spoken with its meridian in words"
    "typing clears the results silently"
    "the guard's reset of a coordinate is spoken, not only beeped"
    "every number box takes as many typed digits as its maximum length and no more"
    "Alt+F4 closes the program"
)
if [ "$1" = --list ]; then
    printf '%s\n' "${checks[@]}"
    exit 0
fi
tests=$1 program=$2 check=$3
trap 'echo "FAILED: $check: \"$BASH_COMMAND\" failed at line $LINENO"' ERR
out=$WINEPREFIX/out
mkdir -p "$out"

# Waits until what reader prints has every line given, reading again at each event the listener
# writes down: whatever changes in the window is told to it. Prints what is missing and what came
# instead once 10 s have passed without.
wait_for_lines() { # reader, lines
    local reader=$1 found missing end=$((SECONDS + 10))
    shift
    while :; do
        found=$($reader)
        missing=""
        for want in "$@"; do grep -qxF -- "$want" <<<"$found" || missing+=" [$want]"; done
        [ -z "$missing" ] && return 0
        read -r -t $((end > SECONDS ? end - SECONDS : 0)) -u "$told" _ || break
        # What is told at once reads as one change.
        while read -r -t 0 -u "$told" && read -r -u "$told" _; do :; done
    done
    echo "awaited for 10 s:$missing; found: $(tr '\n' ' ' <<<"$found")"
}

# Wine's standard object for a static control has the role client where Windows' has static
# text: the labels' lines are compared without it.
without_label_roles() {
    sed -E 's/^((child|name|live) )?((Label[0-9]+|announcement) .*), role (client|static text)$/\1\3/'
}

# What a screen reader reads of the window now: a line for the window and each control
# ('Text4 "von Länge Grad", value "0", description "0 bis 180", role text').
read_accessibility() {
    wine "$tests/read_accessibility.exe" >"$out/read.txt" 2>/dev/null || true
    tr -d '\r' <"$out/read.txt" | without_label_roles
}

# What a screen reader was told so far: focus, name change and live-region events, each with
# what its object read when the listener got it ('live announcement "Entfernung ..."').
heard() { tr -d '\r' <"$out/events.txt" | without_label_roles; }

# Plays a session of tests/sessions/windows_program.steps, or with --steps a script; prints what
# went wrong.
play() {
    local arguments=("Z:$root/tests/sessions/windows_program.steps" "$1")
    [ "$1" != --steps ] || arguments=("$@")
    wine "$tests/play_program.exe" "${arguments[@]}" >"$out/play.txt" 2>&1 ||
        echo " the player ended with $?:"
    tr -d '\r' <"$out/play.txt"
}

# The boxes as the table describes them, in tab order; each number box is typed one digit more
# than it takes.
digits=1234 names=() described=() overlong=""
while IFS=$'\t' read -r box name description initial max_length; do
    [[ $box == \#* ]] && continue
    names+=("$box \"$name\"")
    described+=("$box \"$name\", value \"$initial\", description \"$description\", role text")
    [ "$initial" != 0 ] || overlong+="click $box; type $digits; expect $box = ${digits:0:max_length};"
done <"$root/tests/data/boxes.tsv"

# The listener first, so that it hears the program from its start; each line it writes is an
# event to wait on.
: >"$out/events.txt"
exec {told}< <(exec tail -c +1 -f "$out/events.txt" 2>/dev/null)
follower=$!
trap 'kill $follower 2>/dev/null || true' EXIT
wine "$tests/watch_events.exe" >"$out/events.txt" 2>/dev/null &
problem=$(wait_for_lines heard listening)
wine "$program" >/dev/null 2>&1 &
pid=$!
timeout 60 xdotool search --sync --onlyvisible --name '^berechnet Abstand' >/dev/null ||
    problem+=" the window did not show within 60 s"
berlin="Berlin to Munich typed with Tab and the letter toggles"

case $check in
    "${checks[0]}")
        problem+=$(wait_for_lines read_accessibility "${described[@]}" \
            'window "berechnet Abstand geographischer Punkte auf dem Fernbogen", role client' \
            'Label1 "  von "' 'Label2 " nach "' 'Label3 "Breite"' 'Label16 "Länge"' \
            'Label4 " °"' 'Label18 " sind es "' 'Label17 "", description "Entfernung"' \
            'Label19 " Richtung: "' 'Label20 "", description "Richtung"' 'announcement ""')
        ;;
    "${checks[1]}")
        # A screen reader reviewing the window goes from the window's object to its children.
        direct=$(read_accessibility)
        walked=$(sed -n 's/^child //p' <<<"$direct")
        diff <(grep -v -e '^window ' -e '^child ' <<<"$direct") - <<<"$walked" >/dev/null ||
            problem+="walked: $(tr '\n' ' ' <<<"$walked")"
        ;;
    "${checks[2]}")
        # Windows tells the focus on the window's first activation, as Wine 10 does; Wine 8 does
        # not: the walk is checked from the first Tab on.
        focus_walk() {
            heard | sed -n -E 's/^focus (Text[0-9]+ "[^"]*").*/\1/p' | paste -sd , |
                sed "s/^${names[0]},//"
        }
        problem+=$(play "$berlin")
        problem+=$(wait_for_lines focus_walk "$(printf '%s\n' "${names[@]:1}" | paste -sd ,)")
        ;;
    "${checks[3]}")
        problem+=$(play "$berlin")
        problem+=$(wait_for_lines heard \
            'live announcement "N, Entfernung 503.9 Km, Richtung 195.5 Grad"' \
            'name Label17 "503.9 Km", description "Entfernung"' \
            'name Label20 "195.5 Grad", description "Richtung"')
        ;;
    "${checks[4]}")
        problem+=$(play "$berlin")
        problem+=$(wait_for_lines read_accessibility 'Label18 " sind es "' \
            'Label17 "503.9 Km", description "Entfernung"' 'Label19 " Richtung: "' \
            'Label20 "195.5 Grad", description "Richtung"' \
            'announcement "N, Entfernung 503.9 Km, Richtung 195.5 Grad"')
        ;;
    "${checks[5]}")
        problem+=$(play "a click, 90 and Enter in the start latitude make the start the pole")
        problem+=$(wait_for_lines heard \
            'live announcement "Entfernung 4653 km, Richtung 11.6ter Längengrad Ost"')
        ;;
    "${checks[6]}")
        # From the clearing on no announcement may speak the results (one read after the
        # clearing finds nothing to say), and reviewing finds no stale sentence.
        problem+=$(play "$berlin")
        problem+=$(play --steps "click Text2; type 5; expect Label17 = ")
        problem+=$(wait_for_lines read_accessibility 'Label17 "", description "Entfernung"' \
            'announcement ""')
        problem+=$(heard | awk '/^name Label17 "", description "Entfernung"$/ { after = ""; next }
            { after = after $0 "\n" } END { printf "%s", after }' | grep '^live announcement "[^"]' || true)
        ;;
    "${checks[7]}")
        problem+=$(play "Tab out of 90 degrees 57 minutes resets the start latitude")
        problem+=$(wait_for_lines heard \
            'live announcement "von Breite außerhalb des Bereichs, auf 0 gesetzt"')
        ;;
    "${checks[8]}")
        problem+=$(play --steps "$overlong")
        ;;
    "${checks[9]}")
        # The keys go where the X server's focus is: to the window once it has the focus.
        problem+=$(play --steps "expect focus Text4")
        xdotool key alt+F4
        timeout 10 tail --pid="$pid" -f /dev/null || problem+=" it still runs after 10 s"
        ;;
    *)
        echo "no check \"$check\""
        exit 2
        ;;
esac
[ -z "$problem" ] || { echo "FAILED: $check: $problem"; exit 1; }
