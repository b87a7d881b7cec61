#!/usr/bin/env bash
# The desktop program around the window, one check per call: the icon files, the Windows resource
# script and the Debian package, all from the build in BUILD_DIR.
# Usage: tests/desktop/desktop.sh icons|resources|package BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/../.."
check=$1 build=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2 && exit 1; }
sizes="16 32 48 64 128 256"
id=de.fernbogen.fernbogen

icons() {
    # Up to 32 pixels in 16 colours.
    for size in 16 20 24 32 40 48 64 128 256; do
        read -r pixels colours <<<"$(identify -format '%wx%h %k' "res/icons/fernbogen-$size.png")"
        [ "$pixels" = "${size}x$size" ] || fail "fernbogen-$size.png is not $size by $size"
        [ "$size" -gt 32 ] || [ "$colours" -le 16 ] || fail "fernbogen-$size.png has $colours colours, more than 16"
    done
    # The .ico holds the PNGs' pixels: up to 32 in 16 colours (4 bits), from 40 in full colour.
    listing=$(icotool -l res/icons/fernbogen.ico)
    for entry in 16x4 20x4 24x4 32x4 40x32 48x32 64x32; do
        size=${entry%x*}
        grep -q -- "--width=$size --height=$size --bit-depth=${entry#*x}" <<<"$listing" ||
            fail "fernbogen.ico lacks the $size pixel image in ${entry#*x} bits: $listing"
        icotool -x -w "$size" -o "$work" res/icons/fernbogen.ico
        extracted=$(ls "$work"/fernbogen_*_"${size}x${size}x"*.png)
        differing=$(compare -metric AE "$extracted" "res/icons/fernbogen-$size.png" null: 2>&1 || true)
        [ "$differing" = 0 ] ||
            fail "the .ico's $size pixel image differs from fernbogen-$size.png in $differing pixels"
    done
}

resources() {
    # CMake writes it with the project's version: 1.0.0 is FILEVERSION 1, 0, 0, 0 and reads "1.00".
    IFS=. read -r major minor patch <<<"$(tools/version)"
    shown=$(printf '%d.%02d' "$major" "$minor")
    x86_64-w64-mingw32-windres --preprocessor=cpp -I res -O res "$build/res/fernbogen.rc" -o "$work/fernbogen.res"
    x86_64-w64-mingw32-windres -J res -O rc -i "$work/fernbogen.res" -o "$work/decompiled.rc"
    for expected in '1 14 /\* RT_GROUP_ICON \*/' "FILEVERSION $major, $minor, $patch, 0" \
        "PRODUCTVERSION $major, $minor, $patch, 0" "VALUE \"FileVersion\", \"$shown\"" \
        "VALUE \"ProductVersion\", \"$shown\"" 'BLOCK "040704E4"' 'VALUE "Translation", 0x407, 1252'; do
        grep -q "$expected" "$work/decompiled.rc" || fail "the compiled resources lack $expected"
    done
}

installed() { dpkg-query -W -f='${Status}' fernbogen 2>/dev/null | grep -q "install ok installed"; }
remove() { apt-get -o DPkg::Lock::Timeout=300 remove -y -q fernbogen >/dev/null; }

# The package made by cpack from cmake's install rules: its files, its desktop entry and AppStream
# record, its dependencies, and the program as installed from it.
package() {
    cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
    deb=$(ls "$work"/fernbogen_*_*.deb) root=$work/root
    dpkg-deb -x "$deb" "$root"
    diff -u <({
        printf '%s\n' /usr/bin/fernbogen /usr/share/applications/$id.desktop \
            /usr/share/metainfo/$id.metainfo.xml /usr/share/icons/hicolor/scalable/apps/fernbogen.svg \
            /usr/share/man/man1/fernbogen.1.gz /usr/share/doc/fernbogen/copyright \
            /usr/share/doc/fernbogen/changelog.gz
        for size in $sizes; do echo "/usr/share/icons/hicolor/${size}x$size/apps/fernbogen.png"; done
    } | sort) <(cd "$root" && find . -type f -printf '/%P\n' | sort) ||
        fail "the package holds other files than expected"
    for size in $sizes; do
        cmp -s "res/icons/fernbogen-$size.png" "$root/usr/share/icons/hicolor/${size}x$size/apps/fernbogen.png" ||
            fail "the packaged $size pixel icon is not fernbogen-$size.png"
    done
    desktop-file-validate "$root/usr/share/applications/$id.desktop"
    tests/desktop/validate_appstream.sh "$root"
    depends=$(dpkg-deb -f "$deb" Depends)
    for dependency in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins qt6-translations-l10n; do
        grep -q "$dependency" <<<"$depends" || fail "the package does not depend on $dependency: $depends"
    done
    # Installing changes the whole machine: one run at a time installs, checks and removes it, and
    # the machine stays as it was, whatever failed.
    exec {lock}>/run/lock/fernbogen-package.lock
    flock -w 900 "$lock" || fail "another run held /run/lock/fernbogen-package.lock for 15 minutes"
    trap 'if installed; then remove || true; fi; rm -rf "$work"' EXIT
    if installed; then remove; fi
    DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 install -y -q "$deb" >/dev/null
    tools/with-xvfb "$0" installed_program_shows_its_window "$build"
    remove
    ! installed || fail "fernbogen is still installed"
}

# On a display of its own: the installed program maps its window, and ends when told to.
installed_program_shows_its_window() {
    /usr/bin/fernbogen >"$work/log" 2>&1 &
    program=$!
    timeout 30 xdotool search --sync --onlyvisible --class fernbogen >/dev/null ||
        fail "no fernbogen window was mapped within 30 s; the program $(kill -0 $program 2>/dev/null &&
            echo "still runs" || echo "has ended"), its output: $(cat "$work/log")"
    kill -TERM $program
    timeout 10 tail --pid=$program -s 0.1 -f /dev/null || fail "fernbogen still runs 10 s after SIGTERM"
    wait $program && status=0 || status=$?
    [ $status = 143 ] || fail "fernbogen ended with status $status instead of by SIGTERM (143)"
}

"$check"
