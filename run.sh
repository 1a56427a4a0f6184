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
# A display named but not answering (an ssh session without forwarding, a stale variable)
# counts as none: Qt would only say its platform plugin could not be initialised.
display_answers() {
  [ -n "${WAYLAND_DISPLAY:-}" ] && return 0
  [ -n "${DISPLAY:-}" ] || return 1
  command -v xdpyinfo >/dev/null 2>&1 || return 0
  xdpyinfo >/dev/null 2>&1
}
if ! display_answers; then
  echo "No display found${DISPLAY:+ (DISPLAY=$DISPLAY does not answer)}. Start it on a virtual one with:  xvfb-run -a $program"
  echo "or make pictures without a window with:            $build/bin/tessmark --help"
  exit 0
fi
exec "$program" "$@"
