#!/usr/bin/env bash
# The desktop program around the window: the icon files, the Windows resource script, the Linux
# install tree and the Debian package.
set -euo pipefail
cd "$(dirname "$0")/../.."

tools/install-deps binutils-mingw-w64-x86-64 icoutils desktop-file-utils appstream dpkg-dev file

work=$(mktemp -d)
installed=false
cleanup() {
    # The machine stays as it was: the package goes again, whatever failed.
    if $installed; then apt-get -o DPkg::Lock::Timeout=300 remove -y -q fernbogen >/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

echo "--- icon files"
icons=res/icons
for size in 16 32 48 64 128 256; do
    [ "$(identify -format '%wx%h' "$icons/fernbogen-$size.png")" = "${size}x$size" ] ||
        fail "fernbogen-$size.png is not $size by $size"
done
for size in 16 20 24 32; do
    colours=$(identify -format '%k' "$icons/fernbogen-$size.png")
    [ "$colours" -le 16 ] || fail "fernbogen-$size.png has $colours colours, more than 16"
done
# The .ico holds the PNGs' pixels: up to 32 in 16 colours (4 bits), from 40 in full colour.
listing=$(icotool -l "$icons/fernbogen.ico")
for entry in "--width=16 --height=16 --bit-depth=4" "--width=20 --height=20 --bit-depth=4" \
             "--width=24 --height=24 --bit-depth=4" "--width=32 --height=32 --bit-depth=4" \
             "--width=40 --height=40 --bit-depth=32" "--width=48 --height=48 --bit-depth=32" \
             "--width=64 --height=64 --bit-depth=32"; do
    grep -q -- "$entry" <<<"$listing" || fail "fernbogen.ico lacks $entry: $listing"
done
icotool -x -o "$work" "$icons/fernbogen.ico"
for size in 16 20 24 32 40 48 64; do
    extracted=$(ls "$work"/fernbogen_*_"${size}x${size}x"*.png)
    differing=$(compare -metric AE "$extracted" "$icons/fernbogen-$size.png" null: 2>&1 || true)
    [ "$differing" = 0 ] || fail "the .ico's $size pixel image differs from fernbogen-$size.png in $differing pixels"
done

build=build/desktop-package
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DFERNBOGEN_BUILD_TESTS=OFF >/dev/null

echo "--- Windows resource script"
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

echo "--- install tree"
cmake --build "$build" -j2 >/dev/null
DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null
id=de.fernbogen.fernbogen
expected=(/usr/bin/fernbogen /usr/share/applications/$id.desktop /usr/share/metainfo/$id.metainfo.xml
          /usr/share/icons/hicolor/scalable/apps/fernbogen.svg /usr/share/man/man1/fernbogen.1.gz
          /usr/share/doc/fernbogen/copyright /usr/share/doc/fernbogen/changelog.gz)
for size in 16 32 48 64 128 256; do
    expected+=("/usr/share/icons/hicolor/${size}x$size/apps/fernbogen.png")
done
printf '%s\n' "${expected[@]}" | sort >"$work/expected"
(cd "$work/root" && find . -type f -printf '/%P\n' | sort) >"$work/installed"
diff -u "$work/expected" "$work/installed" || fail "cmake --install puts other files than expected"
for size in 16 32 48 64 128 256; do
    cmp -s "res/icons/fernbogen-$size.png" "$work/root/usr/share/icons/hicolor/${size}x$size/apps/fernbogen.png" ||
        fail "the installed $size pixel icon is not fernbogen-$size.png"
done
desktop-file-validate "$work/root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$work/root/usr/share/metainfo/$id.metainfo.xml"

echo "--- Debian package"
(cd "$build" && rm -f fernbogen_*.deb && cpack -G DEB >/dev/null)
deb=$(ls "$build"/fernbogen_*_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for dependency in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins qt6-translations-l10n; do
    grep -q "$dependency" <<<"$depends" || fail "the package does not depend on $dependency: $depends"
done
if dpkg-query -W fernbogen >/dev/null 2>&1; then
    apt-get -o DPkg::Lock::Timeout=300 remove -y -q fernbogen >/dev/null
fi
installed=true
DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 install -y -q "$PWD/$deb" >/dev/null
dpkg -L fernbogen | while read -r path; do [ -f "$path" ] && echo "$path"; done | sort >"$work/packaged"
diff -u "$work/expected" "$work/packaged" || fail "dpkg -L fernbogen lists other files than expected"

echo "--- the installed program starts"
# Still running after three seconds means it came up; it is then stopped by the timeout (124).
status=0
QT_QPA_PLATFORM=offscreen timeout 3 /usr/bin/fernbogen || status=$?
[ "$status" = 124 ] || fail "the installed fernbogen ended with status $status instead of running"

apt-get -o DPkg::Lock::Timeout=300 remove -y -q fernbogen >/dev/null
installed=false
! dpkg-query -W -f='${Status}' fernbogen 2>/dev/null | grep -q "install ok installed" ||
    fail "fernbogen is still installed"
echo "desktop: all checks passed"
