#!/bin/sh
# Builds the Debian package into ./build (or $BUILD_DIR) and checks it and the
# desktop files it installs (as root, on Debian bookworm):
#
#   ./scripts/package.sh
#
# lintian (no errors; its warnings are printed), desktop-file-validate,
# appstreamcli validate, and man -l on each manual page. The package lands
# in the build folder as linnet-tool_<version>_<arch>.deb.
set -e
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends \
  dpkg-dev fakeroot file lintian desktop-file-utils appstream man-db >/dev/null
./scripts/build.sh
BUILD_DIR=${BUILD_DIR:-build}

(cd "$BUILD_DIR" && cpack -G DEB >/dev/null)
DEB=$(ls -t "$BUILD_DIR"/linnet-tool_*.deb | head -n 1)
echo "Package: $DEB"

STAGE=$(mktemp -d "${TMPDIR:-/tmp}/linnet-package.XXXXXX")
trap 'rm -rf "$STAGE"' EXIT
dpkg-deb -x "$DEB" "$STAGE"
status=0

echo "== lintian"
lintian --tag-display-limit 0 "$DEB" > "$STAGE/lintian.txt" 2>&1 || true
cat "$STAGE/lintian.txt"
if grep -q '^E:' "$STAGE/lintian.txt"; then status=1; fi

echo "== desktop-file-validate"
desktop-file-validate "$STAGE"/usr/share/applications/*.desktop || status=1

echo "== appstreamcli validate"
appstreamcli validate --no-net "$STAGE"/usr/share/metainfo/*.metainfo.xml || status=1

echo "== man -l"
for page in "$STAGE"/usr/share/man/man1/*.1.gz; do
  if ! MANWIDTH=80 man -l --warnings "$page" 2> "$STAGE/man.err" > /dev/null || [ -s "$STAGE/man.err" ]; then
    echo "$(basename "$page"):"; cat "$STAGE/man.err"; status=1
  else
    echo "$(basename "$page"): renders"
  fi
done

if [ $status -eq 0 ]; then echo "All package checks passed."; else echo "Some package checks FAILED."; fi
exit $status
