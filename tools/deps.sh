#!/usr/bin/env bash
# Installs, on first use, the Debian packages the build and the tests need.
set -euo pipefail

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
for pkg in cmake g++ make libgtest-dev libbenchmark-dev g++-mingw-w64-x86-64 wine wine64 xvfb xdotool imagemagick fonts-wqy-microhei clang libclang-rt-14-dev python3; do
  have "$pkg" || need+=("$pkg")
done
if ((${#need[@]})); then
  echo "installing: ${need[*]}"
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
