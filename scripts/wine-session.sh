# Sourced by the scripts that run Windows programs: a private Xvfb display with a known screen size
# (the panel picks its skin sub-folder by screen size) and a ready Wine prefix with a persistent
# wineserver, so each program starts quickly.

VORMA_SCREEN=${VORMA_SCREEN:-1920x1080x24}
WINE64=/usr/lib/wine/wine64
[ -x "$WINE64" ] || WINE64=$(command -v wine64 || command -v wine)
WINESERVER=/usr/lib/wine/wineserver64
[ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver)
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"

wine_session_start() {
  if [ -z "${VORMA_USE_DISPLAY:-}" ]; then
    exec {xvfb_fd}<> <(:)
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "$VORMA_SCREEN" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    VORMA_XVFB_PID=$!
    local display
    read -r -t 30 display <"$fifo" || { echo "Xvfb did not start" >&2; return 1; }
    rm -f "$fifo"
    export DISPLAY=":$display"
  fi
  mkdir -p "$WINEPREFIX"
  "$WINE64" wineboot -i >/dev/null 2>&1
  # Windows has the CJK faces the shipped languages name; Wine maps them to the Debian font the
  # test command installs, or Chinese captions would show as boxes.
  "$WINE64" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Microsoft YaHei' /t REG_SZ \
    /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
  # A program that crashes ends at once with its exception code, and Wine still prints where it
  # crashed; its default crash debugger (winedbg --auto) can hang a run for minutes under Xvfb.
  "$WINE64" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ \
    /d '' /f >/dev/null 2>&1
  "$WINE64" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ \
    /d '' /f /reg:32 >/dev/null 2>&1
  "$WINESERVER" -w
  # Wine links the user's Desktop, Documents and other shell folders to the host's home folder,
  # which every prefix on the machine shares: a shortcut that one run puts on the desktop would be
  # found and removed by another. Folders of the prefix's own keep the runs apart.
  local folder
  for folder in "$WINEPREFIX"/drive_c/users/*/*; do
    if [ -L "$folder" ]; then rm -f "$folder" && mkdir -p "$folder"; fi
  done
  "$WINESERVER" -p
}

# Ends wineservers still serving this prefix from an interrupted run; `wineserver -k` cannot find
# them once the prefix folder was removed and made again.
wine_session_kill_leftovers() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  local pid
  for pid in $(pgrep -x wineserver64; pgrep -x wineserver); do
    if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
      kill "$pid" 2>/dev/null || true
    fi
  done
}

wine_session_stop() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  [ -n "${VORMA_XVFB_PID:-}" ] && kill "$VORMA_XVFB_PID" 2>/dev/null || true
}
