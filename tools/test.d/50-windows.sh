#!/usr/bin/env bash
# The Windows program: cross-compiles fernbogen.exe with MinGW-w64, checks that it is one small
# file that needs only the system's DLLs, then runs it under Wine on a private virtual display:
# the Win32 window's tests through real window messages, the icon images Windows takes from the
# program file, the program itself driven by real key presses and clicks (xdotool) with its texts
# read back by control ID and a screenshot, what a screen reader reads and hears of it (MSAA and
# WinEvents from another process), and its start-up time beside a minimal Win32 window's.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$PWD/build/windows
exe=$build/win32/fernbogen.exe
tests=$build/tests/win32

if [ "${1:-}" != --on-display ]; then
    tools/install-deps g++-mingw-w64-x86-64 wine wine64 fonts-wine
    cmake --preset windows >/dev/null
    cmake --build --preset windows

    size=$(stat -c %s "$exe")
    echo "fernbogen.exe: $size bytes ($((size / 1024)) KB)"
    if [ "$size" -ge $((500 * 1024)) ]; then
        echo "FAILED: fernbogen.exe is not under 500 KB"
        exit 1
    fi
    dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
    echo "fernbogen.exe imports:" $dlls
    for dll in $dlls; do
        case $dll in
            kernel32.dll | user32.dll | gdi32.dll | msvcrt.dll) ;;
            # Accessibility (MSAA, COM), part of every Windows since 98.
            oleacc.dll | ole32.dll | oleaut32.dll) ;;
            *)
                echo "FAILED: fernbogen.exe needs $dll, which Windows does not bring"
                exit 1
                ;;
        esac
    done
    exec tools/with-xvfb -s 1024x768x24 bash "$0" --on-display
fi

# From here on the private display is up.
export WINEPREFIX=$build/wine WINEDEBUG=-all LC_ALL=C.UTF-8 LANG=C.UTF-8
export HOME=${HOME:-$build} # Wine refuses to run without one
# No .NET or HTML engine: their installers would be fetched from the network.
export WINEDLLOVERRIDES="mscoree,mshtml="

# The prefix is made once per build tree: Wine's first boot takes a while.
if [ ! -e "$WINEPREFIX/.fernbogen-ready" ]; then
    rm -rf "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    # Unmanaged windows: Wine draws the frames and takes the keyboard focus itself, which
    # needs no window manager on the virtual display.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    # Wine's own faces where the programs look for them: "MS Sans Serif" and the frame's glyphs.
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
    wineserver -w
    touch "$WINEPREFIX/.fernbogen-ready"
fi
# One Wine server for the whole stage, so that each program starts as on a running system. Its
# helper processes outlive every program and would hold on to a pipe from one (so that a reader
# never sees its end): they start here with no output, and programs write to files below.
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT
wineboot </dev/null >/dev/null 2>&1

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

# (a) The Win32 window's tests in process: every user session through real messages.
wine "$tests/win32_test.exe" >"$build/win32_test.log" 2>&1 || true
tr -d '\r' <"$build/win32_test.log"
tally=$(tr -d '\r' <"$build/win32_test.log" | tail -n 1)
if [[ $tally =~ ^([0-9]+)\ passed,\ ([0-9]+)\ failed$ ]]; then
    passed=$((passed + BASH_REMATCH[1]))
    failed=$((failed + BASH_REMATCH[2]))
else
    record "the window's tests" "they ended without their tally"
fi

# (b) The icon in the title bar and on the desktop at 100, 125, 150 and 200 %: Windows finds an
# image drawn for each size instead of scaling another.
icons=$(wine "$tests/read_icons.exe" "$(winepath -w "$exe")" 16 20 24 32 40 48 64 2>&1 | tr -d '\r')
missing=""
for want in "16: 16x16, 4 bits" "20: 20x20, 4 bits" "24: 24x24, 4 bits" "32: 32x32, 4 bits" \
            "40: 40x40, 32 bits" "48: 48x48, 32 bits" "64: 64x64, 32 bits"; do
    grep -qxF -- "$want" <<<"$icons" || missing+=" [$want]"
done
record "Windows takes an icon image drawn for each size from 16 to 64 pixels" \
    "${missing:+missing:$missing; found: $(tr '\n' ' ' <<<"$icons")}"

# (c) The program itself.
read_window() {
    wine "$tests/read_window.exe" "$@" >"$build/read_window.txt" 2>/dev/null || true
    tr -d '\r' <"$build/read_window.txt"
}

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

# Waits until what reader prints has every line given; Wine applies the X server's key presses
# a moment after xdotool sends them, and a listener gets its events a moment after they are
# raised. Prints what is missing.
wait_for_lines() { # reader, lines
    local reader=$1 found missing
    shift
    for _ in $(seq 50); do
        found=$($reader)
        missing=""
        for want in "$@"; do grep -qxF -- "$want" <<<"$found" || missing+=" [$want]"; done
        [ -z "$missing" ] && return 0
        sleep 0.2
    done
    echo "missing:$missing; found: $(tr '\n' ' ' <<<"$found")"
}

# Waits until the program's controls read as expected ("Label17=503.9 Km" ...).
wait_for_texts() {
    wait_for_lines read_window "$@"
}

click() { # control: Text4, Label17, ...
    local x y
    read -r x y < <(read_window centre "$1")
    xdotool mousemove "$x" "$y" click 1
}

# The listener first, so that it hears the program from its start.
wine "$tests/watch_events.exe" >"$build/events.txt" 2>/dev/null &
listener=$!
for _ in $(seq 100); do
    grep -q listening "$build/events.txt" 2>/dev/null && break
    sleep 0.1
done
wine "$exe" >/dev/null 2>&1 &
program=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^berechnet Abstand' | head -n 1 || true)
record "the program opens with the focus in the start longitude" \
    "$(wait_for_texts "focus=Text4" "Text4=0" "Text14=W" "Label17=" "Label20=")"

record "a screen reader reads each box's German name, its value and what it takes" \
    "$(wait_for_lines read_accessibility \
        'Text1 "von Breite Grad", value "0", description "0 bis 90", role text' \
        'Text2 "von Breite Minuten", value "0", description "0 bis 59", role text' \
        'Text3 "von Breite Sekunden", value "0", description "0 bis 59", role text' \
        'Text13 "von Breite Halbkugel", value "N", description "N oder S, jede Taste wechselt", role text' \
        'Text4 "von Länge Grad", value "0", description "0 bis 180", role text' \
        'Text5 "von Länge Minuten", value "0", description "0 bis 59", role text' \
        'Text6 "von Länge Sekunden", value "0", description "0 bis 59", role text' \
        'Text14 "von Länge Halbkugel", value "W", description "W oder E, jede Taste wechselt", role text' \
        'Text7 "nach Breite Grad", value "0", description "0 bis 90", role text' \
        'Text8 "nach Breite Minuten", value "0", description "0 bis 59", role text' \
        'Text9 "nach Breite Sekunden", value "0", description "0 bis 59", role text' \
        'Text15 "nach Breite Halbkugel", value "S", description "S oder N, jede Taste wechselt", role text' \
        'Text10 "nach Länge Grad", value "0", description "0 bis 180", role text' \
        'Text11 "nach Länge Minuten", value "0", description "0 bis 59", role text' \
        'Text12 "nach Länge Sekunden", value "0", description "0 bis 59", role text' \
        'Text16 "nach Länge Halbkugel", value "E", description "E oder W, jede Taste wechselt", role text')"

record "the window reads as its title, the labels as their captions, the empty results by their meaning" \
    "$(wait_for_lines read_accessibility \
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

# Berlin to Munich as a user types it: Tab from box to box, a key flips each letter box.
click Text4
xdotool type 13
xdotool key Tab && xdotool type 24 && xdotool key Tab Tab && xdotool type e && xdotool key Tab
xdotool type 52 && xdotool key Tab && xdotool type 31 && xdotool key Tab Tab Tab
xdotool type 11 && xdotool key Tab && xdotool type 35 && xdotool key Tab Tab Tab
xdotool type 48 && xdotool key Tab && xdotool type 8 && xdotool key Tab Tab && xdotool type n
record "Berlin to Munich typed with Tab and the letter toggles" \
    "$(wait_for_texts "Text4=13" "Text5=24" "Text14=E" "Text1=52" "Text2=31" "Text13=N" \
        "Text10=11" "Text11=35" "Text16=E" "Text7=48" "Text8=8" "Text15=N" \
        "Label17=503.9 Km" "Label20=195.5 Grad" "focus=Text15")"

# Wine, unlike Windows, tells no focus on the window's first activation: the walk is checked
# from the first Tab on.
focus_walk() {
    heard | sed -n -E 's/^focus (Text[0-9]+ "[^"]*").*/\1/p'
}
tab_order=('Text5 "von Länge Minuten"' 'Text6 "von Länge Sekunden"' 'Text14 "von Länge Halbkugel"'
    'Text1 "von Breite Grad"' 'Text2 "von Breite Minuten"' 'Text3 "von Breite Sekunden"'
    'Text13 "von Breite Halbkugel"' 'Text10 "nach Länge Grad"' 'Text11 "nach Länge Minuten"'
    'Text12 "nach Länge Sekunden"' 'Text16 "nach Länge Halbkugel"' 'Text7 "nach Breite Grad"'
    'Text8 "nach Breite Minuten"' 'Text9 "nach Breite Sekunden"' 'Text15 "nach Breite Halbkugel"')
problem=$(wait_for_lines focus_walk "${tab_order[-1]}")
walked=$(focus_walk | paste -sd ,)
[ "$walked" = "$(printf '%s\n' "${tab_order[@]}" | paste -sd ,)" ] || problem+=" heard: $walked"
record "each Tab tells a screen reader the name of the box the focus comes to" "$problem"

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

# A click into the start latitude, 90 and Enter: the start is the North Pole.
click Text1
xdotool type 90 && xdotool key Return
record "a click, 90 and Enter in the start latitude make the start the pole" \
    "$(wait_for_texts "Text1=90" "Text2=0" "Text3=0" "focus=Text1" "Label17=4653 km" \
        "Label20=11.6te LngnGrd E")"
record "a course from the pole is spoken with its meridian in words" \
    "$(wait_for_lines heard 'live announcement "Entfernung 4653 km, Richtung 11.6ter Längengrad Ost"')"

# A click on a label moves no focus and changes nothing.
click Label17
record "a click on the distance label changes nothing" \
    "$(wait_for_texts "focus=Text1" "Text1=90" "Label17=4653 km")"

# Another program comes to the front and the user clicks back into the same box: that is no
# change of focus between the boxes, so the box is neither validated nor fresh again.
click Text2
xdotool type 5
wine "$tests/minimal_window.exe" >/dev/null 2>&1 &
other=$!
timeout 60 xdotool search --sync --onlyvisible --name '^minimal window$' >/dev/null || true
away=$(wait_for_texts "focus=nothing" "Text2=5")
click Text2
xdotool type 7
record "back from another program, the entry in a box goes on" \
    "${away:+the other program did not take the focus: $away}$(wait_for_texts "focus=Text2" \
        "Text2=57" "Label17=" "Label20=")"
kill "$other" && wait "$other" 2>/dev/null || true

# Typing cleared the results: from then on no announcement may speak them (one read after the
# clearing finds nothing to say), and reviewing finds no stale sentence.
since_cleared() {
    heard | awk '/^name Label17 "", description "Entfernung"$/ { after = ""; next } { after = after $0 "\n" } END { printf "%s", after }'
}
problem=$(wait_for_lines read_accessibility 'Label17 "", description "Entfernung"' 'announcement ""')
problem+=$(since_cleared | grep '^live announcement "[^"]' || true)
record "typing clears the results silently" "$problem"

# Tab leaves the minutes: 90° 57' is beyond the pole, and the guard resets the start latitude.
xdotool key Tab
record "the guard's reset of a coordinate is spoken, not only beeped" \
    "$(wait_for_texts "Text1=0" "Text2=0" "Text3=0" "focus=Text3")$(wait_for_lines heard \
        'live announcement "von Breite außerhalb des Bereichs, auf 0 gesetzt"')"

xdotool key alt+F4
closed=""
for _ in $(seq 50); do
    kill -0 "$program" 2>/dev/null || { closed=yes && break; }
    sleep 0.2
done
record "Alt+F4 closes the program" "$([ -n "$closed" ] || echo "it still runs")"
[ -n "$closed" ] || kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
# The listener ends with the program's window.
for _ in $(seq 50); do
    kill -0 "$listener" 2>/dev/null || break
    sleep 0.2
done
kill "$listener" 2>/dev/null || true
wait "$listener" 2>/dev/null || true

# Start-up: from the start of the program file until its window is on the screen, median of 5.
startup_ms() { # program, window name
    local times=() start pid
    for _ in 1 2 3 4 5; do
        start=$(date +%s%N)
        wine "$1" >/dev/null 2>&1 &
        pid=$!
        for _ in $(seq 3000); do
            xdotool search --onlyvisible --name "$2" >/dev/null 2>&1 && break
            sleep 0.01
        done
        times+=($((($(date +%s%N) - start) / 1000000)))
        kill "$pid" && wait "$pid" 2>/dev/null || true
        # The next start must not find this one's window still on the screen.
        for _ in $(seq 100); do
            xdotool search --onlyvisible --name "$2" >/dev/null 2>&1 || break
            sleep 0.05
        done
    done
    printf '%s\n' "${times[@]}" | sort -n | sed -n 3p
}
echo "start-up under Wine, median of 5: fernbogen.exe $(startup_ms "$exe" '^berechnet Abstand') ms," \
    "minimal Win32 window $(startup_ms "$tests/minimal_window.exe" '^minimal window$') ms"

echo "windows: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
