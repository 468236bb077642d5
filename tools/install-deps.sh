#!/usr/bin/env bash
# Installs the Debian packages Gridmoot needs to build, test and run.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends \
  build-essential cmake ninja-build pkg-config \
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl1-mesa-dev \
  libcpp-httplib-dev libsodium-dev libssl-dev \
  libgtest-dev libgmock-dev libbenchmark-dev \
  fonts-liberation xvfb xauth poppler-utils xdg-utils desktop-file-utils file \
  clang libclang-rt-14-dev
