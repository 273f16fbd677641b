#!/bin/sh
# Installs the dependencies, builds, and starts the tool with its application
# folder (default ~/.local/share/linnet-tool/linnet-tool; --app-dir DIR to choose
# another). Extra arguments go to the tool. Without a display the tool runs
# under a virtual X server (xvfb-run).
set -e
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh
BUILD_DIR=${BUILD_DIR:-build}
TOOL="$BUILD_DIR/bin/linnet-tool"

if [ -n "$DISPLAY" ] || [ -n "$WAYLAND_DISPLAY" ]; then
  exec "$TOOL" "$@"
fi
echo "No display found (\$DISPLAY and \$WAYLAND_DISPLAY are empty): running the tool under xvfb-run." >&2
exec xvfb-run -a "$TOOL" "$@"
