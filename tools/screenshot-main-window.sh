#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# The main window's screenshot (docs/screenshots/main-window.png, shown by software centres): the
# real editor started on a virtual X display with a sample picture message open.
#   tools/screenshot-main-window.sh [OUT.png]      (BUILD_DIR defaults to ./build)
# Needs xvfb-run (xvfb), xwininfo (x11-utils) and import (imagemagick).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
out=${1:-$root/docs/screenshots/main-window.png}
cmake --build "$build" -j2 --target pixora pixora-cli >/dev/null

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
python3 "$root/tools/make-sample-message.py" "$scratch/greeting.npm" "$scratch/drawing.txt"
# The file must read back as drawn before it is shown to anyone.
if ! "$build/src/cli/pixora-cli" show "$scratch/greeting.npm" | head -n 28 |
    cmp -s - "$scratch/drawing.txt"; then
    echo "screenshot-main-window.sh: pixora-cli reads the sample differently from its drawing" >&2
    exit 1
fi

# A home of its own with the user name already set, so no first-start question covers the window
# and the user's own settings and file associations stay untouched.
mkdir -p "$scratch/home/.config/Brellow"
printf '[Settings]\r\nUserName=Pixora\r\n' >"$scratch/home/.config/Brellow/Brellow.ini"

cat >"$scratch/shoot.sh" <<'SHOT'
set -euo pipefail
"$PIXORA" "$SAMPLE" &
editor=$!
window=
for _ in $(seq 50); do
    sleep 0.2
    window=$(xwininfo -root -tree | awk '/greeting\.npm/ && !/ 1x1\+/ { print $1; exit }')
    [ -n "$window" ] && break
done
if [ -z "$window" ]; then
    echo "screenshot-main-window.sh: the editor's window did not appear" >&2
    kill "$editor"
    exit 1
fi
sleep 1  # let the first paint finish
import -window "$window" "$OUT"
kill "$editor"
wait "$editor" || true
SHOT
env -i PATH="$PATH" HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" \
    XDG_DATA_HOME="$scratch/home/.local/share" XDG_RUNTIME_DIR="$scratch" LANG=C.UTF-8 \
    PIXORA="$build/src/app/pixora" SAMPLE="$scratch/greeting.npm" OUT="$scratch/shot.png" \
    xvfb-run -a -s '-screen 0 1280x1024x24' bash "$scratch/shoot.sh"
mkdir -p "$(dirname "$out")"
# Stripped of the time stamps ImageMagick writes, so the same window gives the same bytes.
convert "$scratch/shot.png" -strip "$out"
identify -format 'screenshot-main-window.sh: %f %wx%h\n' "$out"
