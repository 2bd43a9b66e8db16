#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Times pixora-cli send and pixora-cli phonebook against a phone whose network is slow
# (tools/slow-phone.py on a pseudo-terminal) and shows how often each command reached the phone.
#   tools/bench-slow-phone.sh [ACK_SECONDS [LISTING_SECONDS]]     defaults: 30 and 5
# Uses the pixora-cli of build/ (cmake --build build --target pixora-cli); settings and data go to
# a scratch folder that is removed afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
cli="${PIXORA_CLI:-$root/build/src/cli/pixora-cli}"
ack="${1:-30}"
listing="${2:-5}"

work="$(mktemp -d)"
trap 'kill "$phone" 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" HOME="$work"

# A picture message from a wireless bitmap of the test fixtures.
"$cli" convert "$root/tests/fixtures/formats/netpbm_text_72x28.wbmp" "$work/m.npm"

run() {
    local title="$1"
    shift
    coproc PHONE { exec python3 "$root/tools/slow-phone.py" --ack-delay "$ack" \
        --listing-delay "$listing" 2>"$work/counts"; }
    phone=$PHONE_PID
    read -r device <&"${PHONE[0]}"
    echo "== $title (ack ${ack}s, listing ${listing}s)"
    local start end
    start=$(date +%s.%N)
    "$cli" "$@" --device "$device" >"$work/out" 2>"$work/err" && status=0 || status=$?
    end=$(date +%s.%N)
    kill "$phone"
    wait "$phone" 2>/dev/null || true
    printf 'exit %s after %s s: %s\n' "$status" "$(awk "BEGIN { printf \"%.1f\", $end - $start }")" \
        "$(cat "$work/out" "$work/err" | grep -v '^[0-9]*%$\|^- ' | tail -n 1)"
    cat "$work/counts"
}

run "send" send "$work/m.npm" --to 4412345678 --smsc 12345678901
run "phonebook" phonebook
