# Sourced by what runs the Windows build under Wine (tools/test.d/50-windows.sh,
# 52-compare-windows.sh, bench/wine_startup.sh), with $build set to the Windows build tree:
# Wine's settings, its prefix, one Wine server for the whole run, and the program played, read
# and waited for.
tests=$build/tests/win32
export WINEPREFIX=$build/wine WINEDEBUG=-all LC_ALL=C.UTF-8 LANG=C.UTF-8
export HOME=${HOME:-$build} # Wine refuses to run without one
# No .NET or HTML engine: their installers would be fetched from the network.
export WINEDLLOVERRIDES="mscoree,mshtml="

# Makes the prefix once per build tree, on a display: Wine's first boot takes a while.
make_wine_prefix() {
    [ -e "$WINEPREFIX/.fernbogen-ready" ] && return
    rm -rf "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    # Unmanaged windows: Wine draws the frames and takes the keyboard focus itself, which needs
    # no window manager on the virtual display.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    # Wine's own faces where the programs look for them: "MS Sans Serif" and the frame's glyphs.
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
    wineserver -w
    touch "$WINEPREFIX/.fernbogen-ready"
}

# One Wine server until the script ends, so that each program starts as on a running system. Its
# helper processes outlive every program and would hold on to a pipe from one (so that a reader
# never sees its end): they start here with no output, and programs write to files.
start_wine_server() {
    wineserver -p
    trap 'wineserver -k 2>/dev/null || true' EXIT
    wineboot </dev/null >/dev/null 2>&1
}

# Waits until what reader prints has every line given: Wine applies the X server's key presses
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

# What the running program shows: each box's and result's text and the focus ("Text4=13",
# "Label17=503.9 Km", "focus=Text4"), or with "centre CONTROL" where that control lies on the screen.
read_window() {
    wine "$tests/read_window.exe" "$@" >"$build/read_window.txt" 2>/dev/null || true
    tr -d '\r' <"$build/read_window.txt"
}

# Plays steps (as in tests/sessions/session.h, ";" or a line break between them) with xdotool;
# the expectations in a row are waited for together before the next action. Prints what is wrong.
play_steps() {
    local step want=() problem="" x y
    IFS=';' read -ra steps <<<"$(tr '\n' ';' <<<"$1")"
    for step in "${steps[@]}" ""; do
        step=${step#"${step%%[! ]*}"}
        [[ $step == "type "* ]] || step=${step%"${step##*[! ]}"}
        if [[ $step == "expect "* ]]; then
            want+=("$(sed -E 's/^expect //; s/^focus /focus=/; s/ =( |$)/=/' <<<"$step")")
            continue
        fi
        [ ${#want[@]} -eq 0 ] || problem+=$(wait_for_lines read_window "${want[@]}")
        want=()
        case $step in
            "") ;;
            tab) xdotool key Tab ;;
            backtab) xdotool key shift+Tab ;;
            "type "*) xdotool type -- "${step#type }" ;;
            "key Enter") xdotool key Return ;;
            "key Backspace") xdotool key BackSpace ;;
            "key Ctrl"?) xdotool key "ctrl+$(tr A-Z a-z <<<"${step: -1}")" ;;
            "key "*) xdotool key "${step#key }" ;;
            "click Text"[0-9]* | "click Label"[0-9]*)
                read -r x y < <(read_window centre "${step#click }")
                xdotool mousemove "$x" "$y" click 1
                ;;
            "right-click Label"[0-9]*)
                read -r x y < <(read_window centre "${step#right-click }")
                xdotool mousemove "$x" "$y" click 3
                ;;
            *) problem+=" cannot play \"$step\"" ;;
        esac
    done
    echo "$problem"
}
