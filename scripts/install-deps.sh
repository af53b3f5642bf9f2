#!/bin/bash
# Installs the Debian packages the build and the tests need, only those that are missing.
# wine32 must not be installed: these machines cannot run 32-bit code, and with it the wine wrapper
# picks the 32-bit loader.
set -euo pipefail

packages=(cmake make g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth
          googletest fonts-wqy-microhei openssl python3 pulseaudio pulseaudio-utils
          clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "=== Installing ${missing[*]} ==="
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
