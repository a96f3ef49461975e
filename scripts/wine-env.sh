# Sourced by the run, test and benchmark scripts: a virtual display and a
# Wine prefix of the project's own, both under build/, torn down on exit.
#
#   wine_env_start ARCH   ARCH is i686 or x86_64; exports DISPLAY, WINEPREFIX,
#                         WINELOADER_BIN and WINE_ARCH.
#   wine_env_stop         ends what wine_env_start started.

ISLAND_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Whether this machine runs 32-bit code (some virtual machines do not, and
# there 32-bit Wine cannot start at all).
wine_runs_32bit() {
  [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

wine_env_start() {
  WINE_ARCH="$1"
  export WINEDEBUG="${WINEDEBUG:--all}"
  export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
  if [ "$WINE_ARCH" = i686 ]; then
    WINELOADER_BIN=/usr/lib/wine/wine
    export WINEARCH=win32
  else
    WINELOADER_BIN=/usr/lib/wine/wine64
    export WINEARCH=win64
  fi
  # The server itself, not /usr/bin/wineserver: that wrapper forces "-p0".
  if [ -x /usr/lib/wine/wineserver64 ]; then
    WINESERVER_BIN=/usr/lib/wine/wineserver64
  else
    WINESERVER_BIN=/usr/lib/wine/wineserver32
  fi
  export WINELOADER_BIN WINESERVER_BIN WINE_ARCH WINESERVER="$WINESERVER_BIN"
  export WINEPREFIX="$ISLAND_ROOT/build/wine-$WINE_ARCH"

  # Room for the window at 150 % (1233 x 545) as well as at 100 %.
  ISLAND_SCREEN=1600x900
  ISLAND_STARTED_XVFB=""
  if [ -z "${DISPLAY:-}" ] || [ -n "${ISLAND_OWN_DISPLAY:-}" ]; then
    local n
    for n in $(seq 90 120); do
      if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then break; fi
    done
    Xvfb ":$n" -screen 0 "${ISLAND_SCREEN}x24" -nolisten tcp >/dev/null 2>&1 &
    ISLAND_STARTED_XVFB=$!
    export DISPLAY=":$n"
    for _ in $(seq 1 100); do
      xdpyinfo >/dev/null 2>&1 && break
      sleep 0.1
    done
  fi

  if [ ! -f "$WINEPREFIX/.island-ready-$ISLAND_SCREEN" ]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    "$WINELOADER_BIN" wineboot --init >/dev/null 2>&1 || true
    # Every window opens inside one virtual desktop of a fixed size, which
    # gives windows their frames without a window manager.
    "$WINELOADER_BIN" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    "$WINELOADER_BIN" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$ISLAND_SCREEN" /f >/dev/null 2>&1
    "$WINESERVER_BIN" -w
    touch "$WINEPREFIX/.island-ready-$ISLAND_SCREEN"
  fi
  # A persistent server keeps every Wine start quick. Wine's own background
  # processes (services, the desktop) are started here, with their output to
  # /dev/null: started later by a test they would inherit its output pipe,
  # and whoever reads that pipe (ctest) would wait for them forever.
  "$WINESERVER_BIN" -p600
  "$WINELOADER_BIN" cmd /c exit >/dev/null 2>&1 </dev/null || true
  "$WINELOADER_BIN" explorer /desktop=Default,"$ISLAND_SCREEN" >/dev/null 2>&1 </dev/null &
  ISLAND_DESKTOP_PID=$!
  sleep 1
}

wine_env_stop() {
  if [ -n "${ISLAND_DESKTOP_PID:-}" ]; then kill "$ISLAND_DESKTOP_PID" >/dev/null 2>&1 || true; fi
  "$WINESERVER_BIN" -k >/dev/null 2>&1 || true
  "$WINESERVER_BIN" -w >/dev/null 2>&1 || true
  if [ -n "${ISLAND_STARTED_XVFB:-}" ]; then
    kill "$ISLAND_STARTED_XVFB" >/dev/null 2>&1 || true
    wait "$ISLAND_STARTED_XVFB" 2>/dev/null || true
  fi
}
