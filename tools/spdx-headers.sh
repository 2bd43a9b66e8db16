#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Every source file names its licence in an SPDX line within its first three lines.
#   tools/spdx-headers.sh --check   lists the files without one; exit 1 if there are any
#   tools/spdx-headers.sh           adds the line to those files (after a #! line)
set -euo pipefail
cd "$(dirname "$0")/.."
licence=GPL-2.0-or-later
check=0
case "${1:-}" in
    --check) check=1 ;;
    "") ;;
    *)
        echo "usage: tools/spdx-headers.sh [--check]" >&2
        exit 2
        ;;
esac

sources() {
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git ls-files -z -- '*.cpp' '*.h' '*.sh' '*.cmake' 'CMakeLists.txt' '*/CMakeLists.txt'
    else
        find . -path ./build\* -prune -o \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' -o \
            -name '*.cmake' -o -name CMakeLists.txt \) -type f -printf '%P\0'
    fi
}

missing=0
while IFS= read -r -d '' file; do
    if head -n 3 -- "$file" | grep -q 'SPDX-License-Identifier:'; then
        continue
    fi
    missing=1
    if [ "$check" = 1 ]; then
        echo "$file"
        continue
    fi
    case "$file" in
        *.cpp | *.h) line="// SPDX-License-Identifier: $licence" ;;
        *) line="# SPDX-License-Identifier: $licence" ;;
    esac
    # The mode and owner stay: the file is rewritten in place, not replaced.
    content=$(cat -- "$file"; echo x)
    content=${content%x}
    if [[ $content == '#!'* ]]; then
        first=${content%%$'\n'*}
        rest=${content#"$first"}
        rest=${rest#$'\n'}
        printf '%s\n%s\n%s' "$first" "$line" "$rest" >"$file"
    else
        printf '%s\n%s' "$line" "$content" >"$file"
    fi
done < <(sources)

if [ "$check" = 1 ] && [ "$missing" = 1 ]; then
    echo "These files carry no SPDX-License-Identifier line; tools/spdx-headers.sh adds one." >&2
    exit 1
fi
exit 0
