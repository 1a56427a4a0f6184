#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-Release} -DTESSMARK_WERROR=ON
cmake --build "$build" -j2
ctest --test-dir "$build" --output-on-failure -j2 "$@"
