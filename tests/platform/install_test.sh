#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs the build into a scratch prefix and checks what the desktop will read from it: the
# desktop entry and the MIME package pass the freedesktop checkers, the MIME database built from
# the package knows our types, and programs, icons, metainfo and manual pages are where they belong.
# Exit 77 (skipped) when a checker is not installed; tools/packages.sh installs them.
set -euo pipefail
build=${1:?usage: install_test.sh BUILD_DIR}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

for tool in desktop-file-validate xmllint update-mime-database; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done

cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share
fail=0
expect_file() {
    if [ ! -f "$1" ]; then
        echo "FAIL: missing $1"
        fail=1
    fi
}

expect_file "$prefix/bin/pixora"
expect_file "$prefix/bin/pixora-cli"
expect_file "$prefix/libexec/pixora/pixora-emf2svg"
expect_file "$share/applications/pixora.desktop"
expect_file "$share/mime/packages/pixora.xml"
expect_file "$share/icons/hicolor/scalable/apps/pixora.svg"
for size in 16 22 24 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x${size}/apps/pixora.png
    expect_file "$png"
    # The PNG header carries width and height at bytes 16..23.
    if [ -f "$png" ]; then
        dims=$(od -An -tu1 -j16 -N8 "$png" | tr -s ' ')
        want=" 0 0 $((size >> 8)) $((size & 255)) 0 0 $((size >> 8)) $((size & 255))"
        if [ "$dims" != "$want" ]; then
            echo "FAIL: $png is not ${size}x${size} ($dims)"
            fail=1
        fi
    fi
done
expect_file "$share/man/man1/pixora-cli.1"
expect_file "$share/man/man1/pixora.1"
expect_file "$share/metainfo/io.github.pixora.Pixora.metainfo.xml"
[ "$fail" = 0 ] || exit 1

desktop-file-validate "$share/applications/pixora.desktop"
xmllint --noout "$share/mime/packages/pixora.xml" "$share/icons/hicolor/scalable/apps/pixora.svg"
# The freedesktop schema where a system has it; the database build below reads the package too.
for schema in /usr/share/xml/shared-mime-info/shared-mime-info.rng \
              /usr/share/mime/shared-mime-info.rng; do
    if [ -f "$schema" ]; then
        xmllint --noout --relaxng "$schema" "$share/mime/packages/pixora.xml"
    fi
done

# The install itself refreshes the database; build it once more here so a warning shows.
update-mime-database "$share/mime" 2>&1 | tee "$prefix/mime.log"
if grep -qi -e error -e warning "$prefix/mime.log"; then
    echo "FAIL: update-mime-database complained about the package"
    exit 1
fi
for type in nokia-picture-message nokia-group-graphic nokia-operator-logo; do
    expect_file "$share/mime/application/x-$type.xml"
done
# Every extension lands on the type the editor's own registration gives it.
for pair in npm:picture-message gms:picture-message ngg:group-graphic nlm:group-graphic \
            nsl:group-graphic otb:group-graphic ngl:group-graphic i61:group-graphic \
            nol:operator-logo; do
    ext=${pair%%:*}
    type=application/x-nokia-${pair#*:}
    if ! grep -q "^50:$type:\*\.$ext\$" "$share/mime/globs2"; then
        echo "FAIL: *.$ext is not $type in globs2"
        fail=1
    fi
done
# Files without their usual name are known by their signature, as GLib's guess (what file
# managers use) reads the database built from our package.
expect_guess() {  # FILE TYPE
    local guessed
    guessed=$(XDG_DATA_DIRS="$share" XDG_DATA_HOME="$prefix/none" /usr/bin/python3 -c '
import sys
from gi.repository import Gio
print(Gio.content_type_guess(None, open(sys.argv[1], "rb").read())[0])' "$1")
    if [ "$guessed" != "application/x-nokia-$2" ]; then
        echo "FAIL: a file starting $(head -c 8 "$1" | od -An -c) is $guessed, not $2"
        fail=1
    fi
}
if /usr/bin/python3 -c 'from gi.repository import Gio' 2>/dev/null; then
    for pair in 'NLM \001\003:group-graphic' 'NGG\000\001\000:group-graphic' \
                'NCG\000\001\000:group-graphic' 'NOL\000\001\000:operator-logo' \
                'NPM\000\000\000:picture-message'; do
        printf "${pair%%:*}" > "$prefix/noname"
        expect_guess "$prefix/noname" "${pair#*:}"
    done
    { printf FORM; head -c 60 /dev/zero; printf NSLD; } > "$prefix/noname"
    expect_guess "$prefix/noname" group-graphic
fi
# The thumbnailer names only types the package defines, and runs the installed pixora-cli.
thumbnailer=$share/thumbnailers/pixora.thumbnailer
expect_file "$thumbnailer"
grep -q '^Exec=pixora-cli thumbnail %i %o %s$' "$thumbnailer" || { echo "FAIL: thumbnailer Exec"; fail=1; }
for type in $(sed -n 's/^MimeType=//p' "$thumbnailer" | tr ';' '\n' | sed '/^$/d'); do
    expect_file "$share/mime/${type}.xml"
done
# Every MIME type the desktop entry claims exists in the package.
claimed=$(sed -n 's/^MimeType=//p' "$share/applications/pixora.desktop" | tr ';' '\n' | sed '/^$/d')
for type in $claimed; do
    expect_file "$share/mime/${type}.xml"
done

if command -v groff >/dev/null; then
    for page in pixora.1 pixora-cli.1; do
        warnings=$(groff -man -Tutf8 -ww -z "$share/man/man1/$page" 2>&1)
        if [ -n "$warnings" ]; then
            echo "FAIL: the manual page $page has warnings: $warnings"
            fail=1
        fi
    done
fi
exit "$fail"
