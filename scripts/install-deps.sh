#!/bin/sh
# Installs what the tool needs to build, run and test on Debian bookworm (as root).
set -e
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends \
  cmake ninja-build g++ pkg-config \
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-serialport-dev libqt6svg6 \
  libgtest-dev libgmock-dev libgl-dev poppler-utils shared-mime-info \
  xvfb xauth fonts-dejavu-core \
  clang libclang-rt-14-dev >/dev/null
