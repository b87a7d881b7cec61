#!/usr/bin/env bash
# The Qt window under a Wayland compositor that leaves the title bar to its programs: weston's
# headless back end. With XWayland the program is an X11 window, framed by weston from its hints;
# with an X display that does not answer, it opens on Wayland all the same.
# Usage: tests/wayland/wayland.sh FERNBOGEN
set -euo pipefail
fernbogen=$1

# A private runtime folder, which only its owner may read (as mktemp makes it), holds the
# compositor's socket and logs; the program logs the protocol it speaks with the compositor.
export XDG_RUNTIME_DIR=$(mktemp -d) WAYLAND_DISPLAY=fernbogen-test
unset QT_QPA_PLATFORM
log=$XDG_RUNTIME_DIR
trap 'kill $(jobs -p) 2>/dev/null; wait; rm -rf "$log"' EXIT
fail() { echo "FAIL: $*" >&2 && exit 1; }
within_10s() { for _ in $(seq 100); do "$@" && return 0 || sleep 0.1; done; return 1; }

weston --backend=headless-backend.so --use-pixman --socket="$WAYLAND_DISPLAY" --xwayland \
    >"$log/weston" 2>&1 &
within_10s grep -qs "listening on display" "$log/weston" || fail "no XWayland: $(cat "$log/weston")"
export DISPLAY=$(sed -n 's/.*listening on display //p' "$log/weston")
WAYLAND_DEBUG=1 "$fernbogen" >"$log/x11" 2>&1 &
window() { xwininfo -root -tree | grep '("fernbogen" "fernbogen")' | awk '{print $1}'; }
within_10s window >/dev/null || fail "no X11 window: $(tail -20 "$log/x11")"
# X11 size hints count without the frame, which the compositor adds around them.
hints=$(xprop -id "$(window)" WM_NORMAL_HINTS)
minimum=$(sed -n 's/.*minimum size: //p' <<<"$hints")
[ -n "$minimum" ] && [ "$minimum" = "$(sed -n 's/.*maximum size: //p' <<<"$hints")" ] ||
    fail "not a fixed size: $hints"
# Motif functions and decorations: close (0x20) and title with its menu (0x18) but neither
# minimise (0x08, 0x20) nor maximise (0x10, 0x40) nor everything (0x01).
IFS=', ' read -r _ _ _ functions decorations _ <<<"$(xprop -id "$(window)" _MOTIF_WM_HINTS)"
((functions & 0x20 && !(functions & 0x19) && (decorations & 0x79) == 0x18)) ||
    fail "not the close box only: functions $functions, decorations $decorations"

DISPLAY=:65000 WAYLAND_DEBUG=1 "$fernbogen" >"$log/wayland" 2>&1 &
# The protocol log names an object by its interface and number, whatever stands between them:
# "@" in libwayland 1.21, "#" in 1.23.
within_10s grep -Eqs "xdg_toplevel[^[:alnum:]_.][0-9]+\.set_title" "$log/wayland" ||
    fail "no Wayland window without X: $(tail -20 "$log/wayland")"
