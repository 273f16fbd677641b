#!/bin/sh
# Builds and runs the start-up benchmark: linnet-tool started RUNS times
# (default 10) under a virtual X server, time from exec to the main window
# being mapped and the tool's peak memory, medians printed.
#   bench/startup.sh [RUNS]
set -e
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" -j2 --target startup_bench linnet-tool
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$BUILD_DIR/bench/startup_bench" "$BUILD_DIR/bin/linnet-tool" "${1:-10}"
