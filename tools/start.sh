#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs what Pixora needs, builds it and starts the editor.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/packages.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
exec ./build/src/app/pixora "$@"
