#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Which libraries each installed program and module loads, from their ELF dynamic sections and
# those of the libraries they name: no process may hold a GPL-2-only library together with one
# GPL-2 does not admit, and the EMF converter loads libemf2svg, what libemf2svg itself names and
# the C/C++ runtime, nothing else.
# usage: linked_libraries_test.sh EMF2SVG_HELPER PROGRAM_OR_MODULE...
# Exit 77 (skipped) without readelf (binutils).
set -euo pipefail
helper=${1:?usage: linked_libraries_test.sh EMF2SVG_HELPER PROGRAM_OR_MODULE...}
shift
if ! command -v readelf >/dev/null; then
    echo "SKIP: readelf is not installed"
    exit 77
fi
ldconfig=$(command -v ldconfig || echo /sbin/ldconfig)
cache=$("$ldconfig" -p)

# Sonames by the start of their name.
gpl2_only=(libemf2svg.so)
gpl2_incompatible=(libphonenumber.so libabsl_)  # Apache-2.0
runtime=(libc.so. libm.so. libstdc++.so. libgcc_s.so. ld-linux libasan.so. libubsan.so.)

needed() {
    readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]$/\1/p'
}
path_of() {
    awk -v name="$1" '$1 == name { print $NF; exit }' <<<"$cache"
}
# The names in $libs that start with one of the given prefixes.
matching() {
    local lib
    for lib in $libs; do
        if starts_with_one_of "$lib" "$@"; then
            echo "$lib"
        fi
    done
}
starts_with_one_of() {
    local name=$1 prefix
    shift
    for prefix in "$@"; do
        [[ $name == "$prefix"* ]] && return 0
    done
    return 1
}

# Every soname a file loads, directly or through the libraries it names.
declare -A seen
closure() {
    local lib path
    for lib in $(needed "$1"); do
        if [ -n "${seen[$lib]:-}" ]; then continue; fi
        seen[$lib]=1
        echo "$lib"
        path=$(path_of "$lib")
        if [ -n "$path" ]; then
            closure "$path"
        fi
    done
}

fail=0
emf2svg_seen=0
phonenumber_seen=0
# Each file alone, then the editor's files together: pixora-cli loads several of its modules
# into one process.
for file in "$helper" "$@" all; do
    seen=()
    if [ "$file" = all ]; then
        libs=$(for one in "$@"; do closure "$one"; done | sort -u)
    else
        libs=$(closure "$file")
    fi
    only=$(matching "${gpl2_only[@]}")
    other=$(matching "${gpl2_incompatible[@]}")
    if [ -n "$only" ]; then emf2svg_seen=1; fi
    if [ -n "$other" ]; then phonenumber_seen=1; fi
    if [ -n "$only" ] && [ -n "$other" ]; then
        name=$file
        if [ "$file" = all ]; then name="the editor's files together"; fi
        echo "FAIL: $name load GPL-2-only" $only "together with" $other
        fail=1
    fi
done

# The converter: libemf2svg, its own dependencies and the runtime.
emf2svg=$(needed "$helper" | grep '^libemf2svg\.so' || true)
if [ -z "$emf2svg" ]; then
    echo "FAIL: $helper does not load libemf2svg"
    exit 1
fi
allowed=$(needed "$(path_of "$emf2svg")")
for lib in $(needed "$helper"); do
    if [ "$lib" != "$emf2svg" ] && ! grep -qxF "$lib" <<<"$allowed" &&
        ! starts_with_one_of "$lib" "${runtime[@]}"; then
        echo "FAIL: $helper loads $lib, which libemf2svg does not need"
        fail=1
    fi
done

# A check that finds no libemf2svg anywhere and no libphonenumber either looks at the wrong files.
if [ "$emf2svg_seen" = 0 ] || [ "$phonenumber_seen" = 0 ]; then
    echo "FAIL: expected libemf2svg in the converter and libphonenumber in the editor"
    fail=1
fi
exit "$fail"
