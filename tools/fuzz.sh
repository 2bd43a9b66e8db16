#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the libFuzzer targets of tests/fuzz with clang (ASan and UBSan on) and runs each for a
# bounded time, starting from its stored seed corpus. New inputs go to a scratch copy, never into
# the repository; any crash, leak, sanitizer report or timeout fails the script, and the input
# that caused it is kept under the build folder for replay.
#
#   PIXORA_FUZZ_SECONDS  time per target (default 5)
#   PIXORA_FUZZ_BUILD    build folder (default build-fuzz)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${PIXORA_FUZZ_SECONDS:-5}"
build="${PIXORA_FUZZ_BUILD:-build-fuzz}"
findings="$build/fuzz-findings"

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DPIXORA_LIBFUZZER=ON -DPIXORA_BUILD_TESTS=ON -DPIXORA_WERROR=ON >/dev/null
# Only the fuzz targets and the standard-C++ layers they link; none of the Qt parts.
cmake --build "$build" --target fuzz_targets -j"$(nproc)"

# Seeds beyond each target's own corpus: the independent tools' sample files where a target
# reads that format.
extra_seeds() {
    case "$1" in
        wbmp | open) ls tests/fixtures/formats/*.wbmp 2>/dev/null || true ;;
    esac
}

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$findings"
failed=()
ran=0
for source in tests/fuzz/fuzz_*.cpp; do
    target="$(basename "$source" .cpp)"
    name="${target#fuzz_}"
    corpus="$scratch/$name/corpus"
    mkdir -p "$corpus"
    if [ -d "tests/fuzz/corpus/$name" ]; then
        cp -R "tests/fuzz/corpus/$name/." "$corpus/"
    fi
    for seed in $(extra_seeds "$name"); do
        cp "$seed" "$corpus/"
    done
    log="$scratch/$name/log"
    ran=$((ran + 1))
    if "$build/tests/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$findings/$target-" "$corpus" >"$log" 2>&1; then
        echo "$target: $(grep -Eo '#[0-9]+' "$log" | tail -n 1 | tr -d '#') runs, no crash"
    else
        echo "$target: FAILED" >&2
        tail -n 40 "$log" >&2
        failed+=("$target")
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzzing found faults in: ${failed[*]} (inputs in $findings)" >&2
    exit 1
fi
echo "fuzzing: all $ran targets ran ${seconds}s each without a crash"
