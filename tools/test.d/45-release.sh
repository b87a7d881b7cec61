#!/usr/bin/env bash
# The release (tools/release): made twice from this commit, in two fresh clones in two folders and
# one after the other, it must be the same to the byte; where it is not, diffoscope shows what
# differs. lintian must report no error and no warning on the package, and the zip must hold the
# program, its license and its readme, nothing else.
set -euo pipefail
cd "$(dirname "$0")/../.."

tools/install-deps lintian diffoscope-minimal unzip file

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

commit=$(git rev-parse HEAD)
first=$work/first/fernbogen
second=$work/second/another/fernbogen-clone
for clone in "$first" "$second"; do
    git clone -q --no-checkout "$PWD" "$clone"
    git -C "$clone" checkout -q --detach "$commit"
    echo "--- release from $clone"
    "$clone/tools/release"
done

echo "--- the two releases are the same"
(cd "$first/dist" && ls) >"$work/first-files"
(cd "$second/dist" && ls) >"$work/second-files"
diff -u "$work/first-files" "$work/second-files" || fail "the two releases hold different files"
differing=()
while read -r file; do
    cmp -s "$first/dist/$file" "$second/dist/$file" && continue
    differing+=("$file")
    diffoscope --no-progress "$first/dist/$file" "$second/dist/$file" || true
done <"$work/first-files"
[ ${#differing[@]} -eq 0 ] || fail "two releases of $commit differ in ${differing[*]}"
(cd "$first/dist" && sha256sum --check --quiet SHA256SUMS) || fail "SHA256SUMS does not match the files"
cat "$first/dist/SHA256SUMS"

version=$(tools/version)
deb=$first/dist/fernbogen_${version}_amd64.deb
zip=$first/dist/fernbogen-$version-windows.zip

echo "--- lintian"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
# Informational and pedantic notes are shown; errors and warnings fail.
lintian --display-info --pedantic --fail-on error,warning "$deb" || fail "lintian reports errors or warnings"

echo "--- the Windows zip"
[ "$(unzip -Z1 "$zip" | sort | tr '\n' ' ')" = "LICENSE.txt README.txt fernbogen.exe " ] ||
    fail "the zip holds $(unzip -Z1 "$zip" | tr '\n' ' ')instead of the program, LICENSE.txt and README.txt"
unzip -p "$zip" LICENSE.txt | tr -d '\r' | cmp -s - LICENSE || fail "the zip's LICENSE.txt is not LICENSE"
unzip -p "$zip" fernbogen.exe >"$work/fernbogen.exe"
file "$work/fernbogen.exe" | grep -q 'PE32+ executable (GUI) x86-64' ||
    fail "the zip's fernbogen.exe is no 64-bit Windows program: $(file -b "$work/fernbogen.exe")"
echo "release: all checks passed"
