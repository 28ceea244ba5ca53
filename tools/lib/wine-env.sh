# A private Wine world for one run: a fresh prefix and home, an Xvfb display, one persistent
# wineserver, for the Wine flavour that tools/lib/setup.sh picked. Sourced by tools/*; `zavo_wine_start` exports the variables, `zavo_wine_stop`
# (also run on exit) ends every process it started, so nothing keeps our output open.

zavo_wine_start() {
  ZAVO_WINE_ROOT=$(mktemp -d /tmp/zavo-wine.XXXXXX)
  export HOME=$ZAVO_WINE_ROOT/home
  export WINEPREFIX=$ZAVO_WINE_ROOT/prefix
  export WINEARCH=${ZAVO_WINE_FLAVOUR:-win32}
  export WINEDEBUG=-all
  export LC_ALL=zh_CN.UTF-8
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  # The desktop folder must exist before wineboot, or Wine links it to the home folder itself.
  mkdir -p "$HOME/Desktop"

  local display=90
  while [ -e /tmp/.X11-unix/X$display ] || [ -e /tmp/.X$display-lock ]; do display=$((display + 1)); done
  Xvfb :$display -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  ZAVO_XVFB_PID=$!
  export DISPLAY=:$display
  for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$display ] && break; sleep 0.1; done

  wineboot -i >/dev/null 2>&1
  # No window manager under Xvfb: let Wine draw frames itself, and skip the 2 s close delay.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  wineserver -w
  wineserver -p >/dev/null 2>&1 </dev/null
  # Start Wine's services now, detached from our output: a service that a test program
  # starts on demand inherits the test's output pipe, and ctest then waits for it forever.
  wine wineboot >/dev/null 2>&1 </dev/null
}

zavo_wine_stop() {
  if [ -n "${WINEPREFIX:-}" ]; then wineserver -k >/dev/null 2>&1 || true; fi
  if [ -n "${ZAVO_XVFB_PID:-}" ]; then kill "$ZAVO_XVFB_PID" 2>/dev/null || true; wait "$ZAVO_XVFB_PID" 2>/dev/null || true; fi
  if [ -n "${ZAVO_WINE_ROOT:-}" ]; then rm -rf "$ZAVO_WINE_ROOT"; fi
  ZAVO_XVFB_PID= ZAVO_WINE_ROOT=
}
