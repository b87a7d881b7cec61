#!/usr/bin/env bash
# The Windows program: cross-compiles fernbogen.exe with MinGW-w64, checks that it is one small
# file that needs only the system's DLLs, then runs it under Wine on a private virtual display:
# the Win32 window's tests through real window messages, the program itself driven by real key
# presses and clicks (xdotool) with its texts read back by control ID and a screenshot, and its
# start-up time beside a minimal Win32 window's.
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

# (b) The program itself.
read_window() {
    wine "$tests/read_window.exe" "$@" >"$build/read_window.txt" 2>/dev/null || true
    tr -d '\r' <"$build/read_window.txt"
}

# Waits until the program's controls read as expected ("Label17=503.9 Km" ...); Wine applies
# the X server's key presses a moment after xdotool sends them. Prints what differs.
wait_for_texts() {
    local texts missing
    for _ in $(seq 50); do
        texts=$(read_window)
        missing=""
        for want in "$@"; do grep -qxF -- "$want" <<<"$texts" || missing+=" [$want]"; done
        [ -z "$missing" ] && return 0
        sleep 0.2
    done
    echo "missing:$missing; found: $(tr '\n' ' ' <<<"$texts")"
}

click() { # control: Text4, Label17, ...
    local x y
    read -r x y < <(read_window centre "$1")
    xdotool mousemove "$x" "$y" click 1
}

wine "$exe" >/dev/null 2>&1 &
program=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^berechnet Abstand' | head -n 1 || true)
record "the program opens with the focus in the start longitude" \
    "$(wait_for_texts "focus=Text4" "Text4=0" "Text14=W" "Label17=" "Label20=")"

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
import -window "$window" "$build/fernbogen-windows.png"
echo "Screenshot of the Windows program saved to $build/fernbogen-windows.png"

# A click into the start latitude, 90 and Enter: the start is the North Pole.
click Text1
xdotool type 90 && xdotool key Return
record "a click, 90 and Enter in the start latitude make the start the pole" \
    "$(wait_for_texts "Text1=90" "Text2=0" "Text3=0" "focus=Text1" "Label17=4653 km" \
        "Label20=11.6te LngnGrd E")"

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

xdotool key alt+F4
closed=""
for _ in $(seq 50); do
    kill -0 "$program" 2>/dev/null || { closed=yes && break; }
    sleep 0.2
done
record "Alt+F4 closes the program" "$([ -n "$closed" ] || echo "it still runs")"
[ -n "$closed" ] || kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true

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
