#!/usr/bin/env bash
# Installs what Pixora needs, builds it with warnings as errors and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/packages.sh
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DPIXORA_WERROR=ON
cmake --build build-test -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-test --output-on-failure -j"$(nproc)"
# The fuzz targets against libFuzzer, a few seconds each; a crash fails the run.
bash tools/fuzz.sh
