#!/usr/bin/env bash
# The release (tools/release), one check per call on the releases in DIR:
#   make_twice  makes it twice from this commit, in two fresh clones in two folders, one after the other;
#   same        the two are the same to the byte, and where they are not, diffoscope shows what differs;
#   lintian     lintian reports no error and no warning on the package;
#   zip         the zip holds the program, its license and its readme, nothing else.
# Usage: tests/release/release.sh make_twice|same|lintian|zip DIR
set -euo pipefail
cd "$(dirname "$0")/../.."
check=$1 dir=$2
fail() { echo "FAIL: $*" >&2 && exit 1; }
first=$dir/first/fernbogen
second=$dir/second/another/fernbogen-clone
version=$(tools/version)
deb=$first/dist/fernbogen_${version}_amd64.deb
zip=$first/dist/fernbogen-$version-windows.zip

make_twice() {
    commit=$(git rev-parse HEAD)
    rm -rf "$dir"
    for clone in "$first" "$second"; do
        # Copies, not hard links: git 2.45 and later refuse a hard link whose file differs from its
        # source, which is what an overlay filesystem (a container's tree) shows them.
        git clone -q --no-hardlinks --no-checkout "$PWD" "$clone"
        git -C "$clone" checkout -q --detach "$commit"
        echo "--- release from $clone"
        "$clone/tools/release"
    done
}

same() {
    # diffoscope compares the two folders file by file and shows whatever differs, a file that one
    # release holds and the other does not too; the folders' own dates are the clones'.
    diffoscope --no-progress --exclude-directory-metadata=yes "$first/dist" "$second/dist" ||
        fail "two releases of one commit differ"
    (cd "$first/dist" && sha256sum --check --quiet SHA256SUMS) || fail "SHA256SUMS does not match the files"
    cat "$first/dist/SHA256SUMS"
}

lintian() {
    [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
    # lintian 2.122 (Debian 13) reports any finding of appstream's validation as the one tag
    # appstream-metadata-validation-failed, which appstream 1.0 raises for the homepage Fernbogen
    # does not have. The package's tree is validated here with that finding alone allowed, and in
    # its place lintian's tag is let pass where lintian has it (lintian 2.116 has no such check).
    local tree=$dir/lintian-tree suppress=()
    rm -rf "$tree" && dpkg-deb -x "$deb" "$tree"
    tests/desktop/validate_appstream.sh "$tree" || fail "the package's AppStream metadata is not valid"
    local tag=appstream-metadata-validation-failed
    lintian-explain-tags "$tag" >/dev/null 2>&1 && suppress=(--suppress-tags "$tag")
    # Informational and pedantic notes are shown; errors and warnings fail.
    command lintian --display-info --pedantic --fail-on error,warning "${suppress[@]}" "$deb" ||
        fail "lintian reports errors or warnings"
}

zip() {
    files=$(unzip -Z1 "$zip" | sort | tr '\n' ' ')
    [ "$files" = "LICENSE.txt README.txt fernbogen.exe " ] ||
        fail "the zip holds ${files}instead of the program, LICENSE.txt and README.txt"
    unzip -p "$zip" LICENSE.txt | tr -d '\r' | cmp -s - LICENSE || fail "the zip's LICENSE.txt is not LICENSE"
    # Read from the PE header itself: its signature "PE\0\0", the machine x86-64 (0x8664), the
    # optional header of PE32+ (0x20b) and the Windows GUI subsystem (2).
    local exe=$dir/zipped-fernbogen.exe header fields
    unzip -p "$zip" fernbogen.exe >"$exe"
    at() { od -An --endian=little -t "u$2" -j "$1" -N "$2" "$exe" | tr -d ' '; }
    header=$(at 60 4)
    fields="$(at "$header" 4) $(at $((header + 4)) 2) $(at $((header + 24)) 2) $(at $((header + 92)) 2)"
    [ "$fields" = "17744 34404 523 2" ] ||
        fail "the zip's fernbogen.exe is no 64-bit Windows GUI program: signature, machine, magic, subsystem $fields"
}

"$check"
