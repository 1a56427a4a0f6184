#!/usr/bin/env bash
# Installs what is missing, builds, and starts the desktop program.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2
program="$build/bin/vornade"
if [ ! -x "$program" ]; then
  echo "The desktop program is not built yet; the command line is $build/bin/tessmark."
  exit 0
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found. Start it on a virtual one with:  xvfb-run -a $program"
  echo "or make pictures without a window with:            $build/bin/tessmark --help"
  exit 0
fi
exec "$program" "$@"
