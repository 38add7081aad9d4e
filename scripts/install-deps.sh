#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Tessaloran need.
# Only what is missing is installed; safe to run again.
set -euo pipefail

packages=(
  build-essential cmake ninja-build
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev fonts-liberation2 poppler-utils nlohmann-json3-dev
)
# The Windows cross-build of the core (scripts/test-windows.sh) needs these too.
if [ "${TESSALORAN_WINDOWS:-0}" = 1 ]; then
  packages+=(g++-mingw-w64-x86-64-posix wine64)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
