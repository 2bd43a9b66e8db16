#!/bin/bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Screenshots of the Import with Preview dialog, one per dither method, on a photo-like picture
# drawn by tools/make-photo.py (or on the picture given as $1).
#   tools/screenshot-import-preview.sh [PICTURE] [OUTDIR]     (OUTDIR defaults to build/shots)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
out=${2:-$build/shots}
mkdir -p "$out"
cmake --build "$build" -j2 --target pixora_import_preview_shots >/dev/null
picture=${1:-}
if [ -z "$picture" ]; then
    picture=$out/import-preview-photo.bmp
    python3 "$root/tools/make-photo.py" "$picture"
fi
QT_QPA_PLATFORM=offscreen "$build/tests/gui_helpers/pixora_import_preview_shots" "$picture" "$out"
