#!/usr/bin/env bash
# Installs what the build, the tests and the gallery need on a Debian 12 machine.
# Runs quickly when everything is already there: it only calls apt-get for
# what is missing.
set -euo pipefail

need=()
have() { command -v "$1" >/dev/null 2>&1; }
have cmake || need+=(cmake)
have make || need+=(make)
have python3 || need+=(python3)
have x86_64-w64-mingw32-g++-posix || need+=(g++-mingw-w64-x86-64-posix)
have i686-w64-mingw32-g++-posix || need+=(g++-mingw-w64-i686-posix)
have x86_64-w64-mingw32-windres || need+=(binutils-mingw-w64-x86-64)
[ -x /usr/lib/wine/wine64 ] || need+=(wine64)
have xvfb-run || need+=(xvfb xauth)
# The real-input test: xdotool drives the pointer and keys (and brings
# libX11, through which it reads the screen), xwininfo lists X windows.
have xdotool || need+=(xdotool)
have xwininfo || need+=(x11-utils)
[ -f /usr/share/fonts/truetype/wqy/wqy-microhei.ttc ] || need+=(fonts-wqy-microhei)
[ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)

# `bootstrap.sh docs` (make docs) installs only Doxygen, so the reference
# never adds to what make test installs.
if [ "${1:-}" = docs ]; then
  need=()
  have doxygen || need+=(doxygen)
fi

if [ ${#need[@]} -gt 0 ]; then
  echo "bootstrap: installing ${need[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}"
fi
