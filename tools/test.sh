#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs what Pixora needs, builds it with warnings as errors and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/packages.sh
# Formatting first: it takes a second and names the files clang-format would change.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
else
    find src tests -name '*.cpp' -o -name '*.h' | xargs clang-format --dry-run --Werror
fi
# Every source file names its licence.
bash tools/spdx-headers.sh --check
# The software centre's metainfo, without the network (its screenshot address is not fetched).
appstreamcli validate --no-net data/io.github.pixora.Pixora.metainfo.xml
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DPIXORA_WERROR=ON
cmake --build build-test -j"$(nproc)"
# Every text of the editor translated, and the translation files as lupdate writes them.
bash tools/check-translations.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-test --output-on-failure -j"$(nproc)"
# The unit, GUI and command-line tests once more with AddressSanitizer and UBSan, which turn a
# silent overrun or undefined cast into a failure. The browser and installation checks run the
# same code as above and are left out.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DPIXORA_WERROR=ON -DPIXORA_SANITIZE=ON
cmake --build build-asan -j"$(nproc)"
ASAN_OPTIONS=halt_on_error=1:detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j"$(nproc)" -E 'browser|install_layout'
# The fuzz targets against libFuzzer, a few seconds each; a crash fails the run.
bash tools/fuzz.sh
# In CI the Debian package is built, checked with lintian and installed into a fresh chroot.
if [ -n "${CI:-}" ]; then
    bash tools/package.sh
fi
