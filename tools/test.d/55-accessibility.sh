#!/usr/bin/env bash
# What a screen reader gets from the Qt window, over the real AT-SPI bus: a private D-Bus session
# with the AT-SPI bus and its registry, Fernbogen on a private X display in a German locale, and a
# separate client (tests/accessibility/screen_reader_client.py, pyatspi) that types into the
# window with real key presses and checks roles, names, descriptions, values, text-attribute runs
# and the events a screen reader speaks from.
set -euo pipefail
cd "$(dirname "$0")/../.."

if [ -z "${FERNBOGEN_ACCESSIBILITY_SESSION:-}" ]; then
    tools/install-deps at-spi2-core dbus python3-pyatspi xdotool xvfb
    start=$SECONDS
    cmake --preset default >/dev/null
    cmake --build --preset default --target fernbogen >/dev/null
    # The rest of this script runs again inside the session and on the display, which both go
    # when it ends.
    status=0
    FERNBOGEN_ACCESSIBILITY_SESSION=1 dbus-run-session -- tools/with-xvfb bash "$0" || status=$?
    echo "Accessibility stage: $((SECONDS - start)) s"
    exit $status
fi

log=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$log"
}
trap cleanup EXIT

# The AT-SPI bus beside the session bus, and the registry on it, which keeps the list of
# applications and forwards events to the clients that ask for them.
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$log/launcher" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 && break
    sleep 0.05
done
/usr/libexec/at-spi2-registryd --use-gnome-session=false >"$log/registry" 2>&1 &
pids+=($!)

LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    build/default/qt/fernbogen >"$log/fernbogen" 2>&1 &
pids+=($!)

# The system's Python: pyatspi is a Debian package, not there for another Python on the PATH.
status=0
/usr/bin/python3 tests/accessibility/screen_reader_client.py || status=$?
if [ "$status" != 0 ]; then
    for f in launcher registry fernbogen; do
        echo "--- $f"
        cat "$log/$f"
    done
fi
exit $status
