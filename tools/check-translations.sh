#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Checks that translations/*.ts hold every text of the sources, each one translated, and nothing
# that is no longer in the sources. lupdate rewrites a temporary copy; the committed file must be
# exactly what it produces. With --update the committed files are rewritten instead (then
# translate what lupdate marked unfinished and run the check again).
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
[ -x "$lupdate" ] || lupdate=$(command -v lupdate6 || command -v lupdate)
# The standard-C++ layers translate through TranslateText and mark table entries with
# PIXORA_TRANSLATE_NOOP; pixora-cli stays English and is left out.
options=(-silent -locations none -no-ui-lines -I src
         -tr-function-alias translate+=TranslateText,QT_TRANSLATE_NOOP+=PIXORA_TRANSLATE_NOOP
         -extensions cpp,h)
sources=(src/core src/formats src/sms src/phone src/web src/shell src/document src/platform src/app)

status=0
for ts in translations/*.ts; do
    if [ "${1:-}" = "--update" ]; then
        "$lupdate" "${options[@]}" "${sources[@]}" -ts "$ts"
        continue
    fi
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    cp "$ts" "$work/check.ts"
    "$lupdate" "${options[@]}" "${sources[@]}" -ts "$work/check.ts"
    # A message lupdate left untranslated or found no more in the sources, with its context.
    problems=$(python3 - "$work/check.ts" <<'PY'
import sys
import xml.etree.ElementTree as ET
for context in ET.parse(sys.argv[1]).getroot().iter("context"):
    name = context.findtext("name")
    for message in context.iter("message"):
        kind = message.find("translation").get("type")
        if kind in ("unfinished", "obsolete", "vanished"):
            print(f"{kind}: {name}: {''.join(message.find('source').itertext())!r}")
PY
)
    if [ -n "$problems" ]; then
        echo "$ts: messages to translate or remove (bash tools/check-translations.sh --update):"
        echo "$problems"
        status=1
    elif ! cmp -s "$ts" "$work/check.ts"; then
        echo "$ts differs from what lupdate writes; run bash tools/check-translations.sh --update"
        diff -u "$ts" "$work/check.ts" | head -40 || true
        status=1
    fi
    rm -rf "$work"
    trap - EXIT
done
exit $status
