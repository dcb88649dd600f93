#!/usr/bin/env bash
# Installs, from Debian's archive only, everything the project needs to build, test and run:
# the compiler and CMake, GoogleTest, Google Benchmark, CLI11, Qt 6 for the demonstration
# window (Widgets, the OpenGL headers its CMake files ask for, the platform plugins with the
# offscreen one that the window's tests use, and a font to draw the captions with), clang-format,
# and the pt_BR.UTF-8 locale that the regional-settings tests use.
# Safe to run again: apt skips what is there and the locale is generated only once.
set -euo pipefail

packages=(
  cmake g++ make ninja-build pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
  qt6-base-dev libgl-dev qt6-qpa-plugins fonts-dejavu-core
  locales clang-format
)

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qi '^pt_BR\.utf-\?8$'; then
  $SUDO sed -i 's/^# *pt_BR.UTF-8 UTF-8/pt_BR.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^pt_BR.UTF-8 UTF-8' /etc/locale.gen || echo 'pt_BR.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen
fi
echo "setup: all packages present"
