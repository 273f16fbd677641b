#!/bin/sh
# Installs the dependencies, builds, and starts the tool.
#
#   ./scripts/run.sh [--app-dir DIR] [--device PATH] [other options of the tool]
#
# Without --device the tool talks to its built-in simulated controller:
# build/bin/linnet-sim on a pseudo-terminal, holding a sample site
# (scripts/sample-site.sql on top of the DEFAULT template); the simulator is
# stopped when the tool ends.
#
# Without a display ($DISPLAY and $WAYLAND_DISPLAY unset) no window is opened:
# the sample site is sent to the simulator and received back with linnet-cli,
# and the outcome is printed (exit status 0 only when both succeeded and the
# configuration came back unchanged). With --device and no display, only the
# controller's revisions are read: nothing is sent to real hardware unasked.
set -e
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh
set +e

BUILD_DIR=${BUILD_DIR:-build}
BIN="$BUILD_DIR/bin"
TOOL="$BIN/linnet-tool"
CLI="$BIN/linnet-cli"

DEVICE=
APP_DIR=
prev=
for arg in "$@"; do
  case "$prev" in
    --device) DEVICE=$arg ;;
    --app-dir) APP_DIR=$arg ;;
  esac
  case "$arg" in
    --device=*) DEVICE=${arg#--device=} ;;
    --app-dir=*) APP_DIR=${arg#--app-dir=} ;;
  esac
  prev=$arg
done

HAVE_DISPLAY=
if [ -n "$DISPLAY" ] || [ -n "$WAYLAND_DISPLAY" ]; then HAVE_DISPLAY=1; fi

if [ -n "$DEVICE" ]; then
  if [ -n "$HAVE_DISPLAY" ]; then
    exec "$TOOL" "$@"
  fi
  echo "No display found (\$DISPLAY and \$WAYLAND_DISPLAY are empty): reading the revisions of the controller on $DEVICE instead of starting the tool (nothing is sent)."
  exec "$CLI" ${APP_DIR:+--app-dir "$APP_DIR"} --device "$DEVICE" revs
fi

WORK=$(mktemp -d "${TMPDIR:-/tmp}/linnet-run.XXXXXX") || exit 1
SIM_PID=
cleanup() {
  if [ -n "$SIM_PID" ]; then
    kill "$SIM_PID" 2>/dev/null
    wait "$SIM_PID" 2>/dev/null
  fi
  rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The sample site the simulated controller holds.
SAMPLE="$WORK/sample-site.mdb"
cat data/schema/default.sql scripts/sample-site.sql > "$WORK/sample-site.sql"
if ! "$BUILD_DIR/tools/mkdb" "$SAMPLE" "$WORK/sample-site.sql"; then
  echo "run.sh: cannot make the sample configuration" >&2
  exit 1
fi

"$BIN/linnet-sim" --load "$SAMPLE" > "$WORK/sim.out" 2> "$WORK/sim.err" &
SIM_PID=$!
PTY=
tries=0
while [ -z "$PTY" ] && [ $tries -lt 100 ]; do
  PTY=$(sed -n 's/^PTY //p' "$WORK/sim.out" 2>/dev/null | head -n 1)
  if [ -z "$PTY" ]; then
    if ! kill -0 "$SIM_PID" 2>/dev/null; then break; fi
    sleep 0.05
    tries=$((tries + 1))
  fi
done
if [ -z "$PTY" ]; then
  echo "run.sh: the simulated controller did not start:" >&2
  cat "$WORK/sim.err" >&2
  exit 1
fi

if [ -n "$HAVE_DISPLAY" ]; then
  echo "Simulated controller on $PTY (sample site loaded); it stops when the tool ends."
  "$TOOL" --device "$PTY" "$@"
  exit $?
fi

echo "No display found (\$DISPLAY and \$WAYLAND_DISPLAY are empty): instead of the tool's window, the sample"
echo "site is sent to the simulated controller on $PTY and received back with linnet-cli."
CLI_DIR=${APP_DIR:-$WORK/app}
RECEIVED="$WORK/received.mdb"
echo
echo "== Send ($SAMPLE)"
"$CLI" --app-dir "$CLI_DIR" --device "$PTY" send --yes "$SAMPLE"
SEND_STATUS=$?
echo
echo "== Receive"
"$CLI" --app-dir "$CLI_DIR" --device "$PTY" receive "$RECEIVED"
RECEIVE_STATUS=$?
echo
SAME=no
if [ $SEND_STATUS -eq 0 ] && [ $RECEIVE_STATUS -eq 0 ] &&
   "$CLI" --app-dir "$CLI_DIR" dump "$SAMPLE" > "$WORK/sent.txt" &&
   "$CLI" --app-dir "$CLI_DIR" dump "$RECEIVED" > "$WORK/received.txt" &&
   cmp -s "$WORK/sent.txt" "$WORK/received.txt"; then
  SAME=yes
fi
status_text() { if [ "$1" -eq 0 ]; then echo "succeeded"; else echo "FAILED (exit status $1)"; fi; }
echo "Send:    $(status_text $SEND_STATUS)"
echo "Receive: $(status_text $RECEIVE_STATUS)"
if [ "$SAME" = yes ]; then
  echo "The configuration received is the one sent ($(wc -l < "$WORK/sent.txt") messages)."
  if [ -n "$APP_DIR" ]; then echo "Transfer logs: $APP_DIR (tx_data.txt, rx_data.txt, log_file.txt)."; fi
  exit 0
fi
echo "The configuration received differs from the one sent, or a transfer failed."
if [ -z "$APP_DIR" ]; then
  for f in log_file.txt tx_data.txt rx_data.txt; do
    if [ -f "$CLI_DIR/$f" ]; then echo "--- $f"; cat "$CLI_DIR/$f"; fi
  done
fi
exit 1
