#!/bin/bash
# Builds the control panel and runs it on the virtual 72xx device under Wine: on the user's display
# when there is one, otherwise under a private Xvfb.
#
# The main window's construction stops after binding the SDK until its remaining steps are built,
# so this runs the panel's process entry the two ways it is started (by the user, and by the
# background service) and prints what the panel wrote to the debugger output. On your display the
# window stays until you close it; under Xvfb it is closed after a few seconds.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build/x86_64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/x86_64 -j "$(nproc)" --target Vormapanel VormaVirtual72xx VormaDebugView DLLQZ_UsbAudio72xx_x32

bin=build/x86_64
export WINEPREFIX="$PWD/build/run-wineprefix"
[ -n "${DISPLAY:-}" ] && export VORMA_USE_DISPLAY=1
source scripts/wine-session.sh
wine_session_start
trap wine_session_stop EXIT

# The panel uses the virtual device only when asked to; the device server and the SDK stand-in
# meet on this pipe.
export VORMA_DEVICE=virtual
export VORMA_VIRTUAL72XX_PIPE='\\.\pipe\vorma-run'
device_tool=$bin/outside/virtual72xx/VormaVirtual72xx.exe
"$WINE64" "$device_tool" serve --devices 1 >/dev/null 2>&1 &
for _ in $(seq 50); do "$WINE64" "$device_tool" list >/dev/null 2>&1 && break; sleep 0.2; done
echo "=== Virtual devices ==="
"$WINE64" "$device_tool" list

panel=$bin/panel/startup/Vormapanel.exe
debugview=$bin/tools/debugview/VormaDebugView.exe
echo
echo "=== Vormapanel.exe started by the user (asks the service to start it) ==="
"$WINE64" "$debugview" "$panel"
echo
echo "=== Vormapanel.exe -servicestart (as the service starts it) ==="
if [ -n "${VORMA_USE_DISPLAY:-}" ]; then
  "$WINE64" "$debugview" "$panel" -servicestart
else
  timeout 15 "$WINE64" "$debugview" "$panel" -servicestart || true
  echo "(the window was closed after 15 seconds)"
fi

"$WINE64" "$device_tool" stop >/dev/null 2>&1 || true
