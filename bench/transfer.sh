#!/bin/sh
# Builds and runs the transfer benchmark: a full Send and a full Receive of the
# largest configuration against linnet-sim paced at 9600 baud, RUNS times each
# (default 3; about 25 s per pair), and prints the median figures.
#   bench/transfer.sh [RUNS]
set -e
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" -j2 --target transfer_bench linnet-sim
exec "$BUILD_DIR/bench/transfer_bench" "${1:-3}"
