#!/usr/bin/env bash
# Installs everything Veldrane needs to build, run and test on Debian 12.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends \
  build-essential cmake ninja-build pkg-config clang clang-format libclang-rt-dev \
  libgtest-dev libgmock-dev libbenchmark-dev \
  qt6-base-dev libqscintilla2-qt6-dev libgl-dev libuchardet-dev fonts-noto-cjk xvfb xauth time llvm \
  fpc lcl-units-2.2 lcl-gtk2-2.2 lcl-utils-2.2 help2man bash-completion dpkg-dev
