#!/bin/bash
# Installs what is missing, builds both architectures, runs each fuzz target of the parsers briefly
# over its committed corpus (natively, scripts/fuzz.sh) and every test under Wine inside Xvfb with
# a throw-away WINEPREFIX. Ends with CTest's summary; exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

jobs=$(nproc)
# x86_64 first: the 32-bit setup carries the 64-bit service and driver from that tree.
for arch in x86_64 i686; do
  echo "=== Building $arch ==="
  cmake -S . -B "build/$arch" -DCMAKE_TOOLCHAIN_FILE="cmake/toolchain-$arch.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "build/$arch" -j "$jobs"
done

# About 20 s a target, so an input that once broke a parser is tried again on every run. It runs
# beside other work, and libFuzzer times inputs by the clock: 5 s before an input counts as slow.
FUZZ_PARALLEL="$jobs" FUZZ_TIMEOUT=5 scripts/fuzz.sh 20

echo "=== Testing x86_64 under Wine ==="
export WINEPREFIX="$PWD/build/x86_64/wineprefix"
source scripts/wine-session.sh
source scripts/pulse-session.sh
wine_session_kill_leftovers
rm -rf "$WINEPREFIX"
# The sound server first: Wine's audio driver looks for it when a program first opens a device.
pulse_session_start
trap 'wine_session_stop; pulse_session_stop' EXIT
wine_session_start
ctest --test-dir build/x86_64 --output-on-failure -j "$jobs"
