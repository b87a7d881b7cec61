#!/usr/bin/env bash
# The desktop program around the window: the icon files, the Windows resource script, the Linux
# install tree and the Debian package.
set -euo pipefail
cd "$(dirname "$0")/../.."

tools/install-deps binutils-mingw-w64-x86-64 icoutils

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
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
for size in 16 32; do
    colours=$(identify -format '%k' "$icons/fernbogen-$size.png")
    [ "$colours" -le 16 ] || fail "fernbogen-$size.png has $colours colours, more than 16"
done
# The .ico holds the PNGs' pixels: 16 and 32 in 16 colours (4 bits), 48 in full colour.
listing=$(icotool -l "$icons/fernbogen.ico")
for entry in "--width=16 --height=16 --bit-depth=4" "--width=32 --height=32 --bit-depth=4" \
             "--width=48 --height=48 --bit-depth=32"; do
    grep -q -- "$entry" <<<"$listing" || fail "fernbogen.ico lacks $entry: $listing"
done
icotool -x -o "$work" "$icons/fernbogen.ico"
for size in 16 32 48; do
    extracted=$(ls "$work"/fernbogen_*_"${size}x${size}x"*.png)
    differing=$(compare -metric AE "$extracted" "$icons/fernbogen-$size.png" null: 2>&1 || true)
    [ "$differing" = 0 ] || fail "the .ico's $size pixel image differs from fernbogen-$size.png in $differing pixels"
done

echo "--- Windows resource script"
x86_64-w64-mingw32-windres --preprocessor=cpp -O res res/fernbogen.rc -o "$work/fernbogen.res"
x86_64-w64-mingw32-windres -J res -O rc -i "$work/fernbogen.res" -o "$work/decompiled.rc"
for expected in '1 14 /\* RT_GROUP_ICON \*/' 'FILEVERSION 1, 0, 0, 0' 'PRODUCTVERSION 1, 0, 0, 0' \
                'VALUE "FileVersion", "1.00"' 'VALUE "ProductVersion", "1.00"' \
                'BLOCK "040704E4"' 'VALUE "Translation", 0x407, 1252'; do
    grep -q "$expected" "$work/decompiled.rc" || fail "the compiled resources lack $expected"
done
echo "desktop: all checks passed"
