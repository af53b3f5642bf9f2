#!/bin/bash
# Builds the control panel and runs it on the virtual 72xx device under Wine: on the user's display
# when there is one, otherwise under a private Xvfb.
#
# On your display the panel stays until you close it from its tray menu (the close image only puts
# it into the tray). Under Xvfb nobody can look at it, so the panel saves a picture of every page
# for every shipped skin and language instead, and the script prints where they are.
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

# The installer gives every user a configuration with the chosen skin and language; make one the
# first time, with the shipped defaults.
appdata=$("$WINE64" cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')
user_folder="$("$WINE64" winepath -u "$appdata" 2>/dev/null)/Vorma"
mkdir -p "$user_folder"
choose() { printf '[Language]\r\nDefaultLanguage=%s\r\n[Skin]\r\nDefaultSkin=%s\r\n' "$1" "$2" >"$user_folder/AudioConfig.cfg"; }
[ -f "$user_folder/AudioConfig.cfg" ] || choose English Graphite

echo
echo "=== Vormapanel.exe started by the user (asks the service to start it) ==="
"$WINE64" "$debugview" "$panel" | tail -n 3
echo
if [ -n "${VORMA_USE_DISPLAY:-}" ]; then
  echo "=== Vormapanel.exe -servicestart (as the service starts it) ==="
  "$WINE64" "$debugview" "$panel" -servicestart >/dev/null
else
  snapshots="$PWD/build/run-snapshots"
  rm -rf "$snapshots" && mkdir -p "$snapshots"
  export VORMA_SNAPSHOT_DIR="$("$WINE64" winepath -w "$snapshots" 2>/dev/null)" VORMA_SNAPSHOT_CLOSE=1
  for skin in $(ls product/Skins); do
    for language in $(ls product/Languages); do
      echo "=== Vormapanel.exe -servicestart with skin $skin, language $language ==="
      choose "$language" "$skin"
      timeout 60 "$WINE64" "$debugview" "$panel" -servicestart | grep -E '^(=====|\*\*\*\*\*) snapshot' || true
    done
  done
  choose English Graphite
  echo
  echo "Pictures of every page: $snapshots"
  ls "$snapshots"
fi

"$WINE64" "$device_tool" stop >/dev/null 2>&1 || true
