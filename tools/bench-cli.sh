#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Whole-process speed of pixora-cli next to independent tools doing a comparable job:
#   pixora-cli convert small.nol out.wbmp     (operator logo to wireless bitmap)
#   gammu copybitmap small.nol out.wbmp       (the same conversion by gammu)
#   convert small.png out.wbmp                (ImageMagick, a PNG of the same picture)
#   pixora-cli show small.nol / gnokii --viewlogo small.nol   (the logo as text)
# Needs hyperfine, gammu, gnokii-cli and imagemagick (apt-get install them). Builds an optimised
# pixora-cli in build-bench; all files are made in a scratch folder that is removed afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"

for tool in hyperfine gammu gnokii; do
    command -v "$tool" >/dev/null || { echo "needs $tool" >&2; exit 1; }
done
# ImageMagick's own binary, whatever else is called "convert" on PATH.
magick=/usr/bin/convert-im6.q16
[ -x "$magick" ] || magick="$(command -v convert)"

cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DPIXORA_BUILD_TESTS=OFF >/dev/null
cmake --build build-bench --target pixora-cli -j"$(nproc)" >build-bench/build.log 2>&1 ||
    { tail -n 30 build-bench/build.log >&2; exit 1; }
cli="$root/build-bench/src/cli/pixora-cli"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
# A 72 x 14 operator logo: "NOL" 00, version 1, operator codes, width, height, three values,
# then one '0'/'1' byte per pixel (a checkerboard of 4 x 2 blocks).
{
    printf 'NOL\0\1\0\xF2\0\1\0\x48\0\x0E\0\0\0\0\0\0\0'
    for y in $(seq 0 13); do
        for x in $(seq 0 71); do
            if (((x / 4 + y / 2) % 2)); then printf 1; else printf 0; fi
        done
    done
} >small.nol
"$cli" convert small.nol small.wbmp
"$cli" convert small.nol small.bmp
"$magick" small.wbmp small.png
# Both peers must really do the job for the times to mean anything.
gammu copybitmap small.nol check.wbmp >/dev/null 2>&1 && [ -s check.wbmp ]
"$magick" small.png check2.wbmp && [ -s check2.wbmp ]
export XDG_CONFIG_HOME="$work/config" HOME="$work"

hyperfine -N --warmup 20 --min-runs 200 --export-markdown convert.md \
    -n "pixora-cli convert" "$cli convert small.nol out1.wbmp" \
    -n "gammu copybitmap" "gammu copybitmap small.nol out2.wbmp" \
    -n "ImageMagick convert" "$magick small.png out3.wbmp"
hyperfine -N --warmup 20 --min-runs 200 --export-markdown show.md \
    -n "pixora-cli show" "$cli show small.nol" \
    -n "gnokii --viewlogo" "gnokii --viewlogo small.nol" \
    -n "gammu copybitmap (text)" "gammu copybitmap small.nol"
# Slower paths of pixora-cli itself: a setting read (Qt Core module) and a picture import (Qt Gui).
hyperfine -N --warmup 10 --min-runs 100 --export-markdown paths.md \
    -n "nol to wbmp" "$cli convert small.nol out4.wbmp" \
    -n "nol to npm (reads UserName)" "$cli convert small.nol out5.npm" \
    -n "bmp import to wbmp" "$cli convert small.bmp out6.wbmp"
cat convert.md show.md paths.md
