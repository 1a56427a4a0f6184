#!/bin/sh
# The live view's cost in a real window on a virtual X screen: builds live_view_bench and runs it
# under Xvfb. Usage: bench/live_view.sh [BUILD_FOLDER] [CIRCLES]
set -e
build=${1:-build}
cmake --build "$build" --target live_view_bench
exec xvfb-run -a -s "-screen 0 1280x800x24" env QT_QPA_PLATFORM=xcb "$build/bin/live_view_bench" ${2:-}
