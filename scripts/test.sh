#!/bin/sh
# Installs the dependencies, builds and runs the whole test suite.
set -e
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh
cd "${BUILD_DIR:-build}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" --timeout 300
