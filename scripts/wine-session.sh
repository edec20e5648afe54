# Sourced, not run: prepares a Wine prefix and a private Xvfb display for the
# Windows tests (or the prefix alone, on the user's display), and tears down.
#   . scripts/wine-session.sh; wine_session_start build/windows-x64; ...; wine_session_stop
# Everything it starts it stops by PID (Xvfb) or by `wineserver -k` on its
# own prefix, so nothing is left running.

wine_server() {
  if [ -x /usr/lib/wine/wineserver64 ]; then /usr/lib/wine/wineserver64 "$@"; else wineserver "$@"; fi
}

# wine_session_start BUILD_DIR: a private display and the prefix in
# BUILD_DIR/wineprefix.
wine_session_start() {
  mkdir -p "$1"
  wine_display_start
  wine_prefix_prepare "$(cd "$1" && pwd)/wineprefix"
}

# wine_display_start: a free display on a private Xvfb, for machines and
# runs without a screen of their own.
wine_display_start() {
  n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  WINE_SESSION_XVFB_PID=$!
  export DISPLAY=":$n"
  i=0
  while [ ! -e "/tmp/.X11-unix/X$n" ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
}

# wine_prefix_prepare PREFIX: Wine on the prefix at that absolute path, made
# on first use, with the Chinese locale (ANSI code page 936) and quiet Wine.
# Works on the display in DISPLAY, a private or the user's.
wine_prefix_prepare() {
  export WINEPREFIX="$1"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export LC_ALL=zh_CN.UTF-8
  if [ ! -f "$WINEPREFIX/.tessavor-ready" ]; then
    rm -rf "$WINEPREFIX"
    "$(dirname "${BASH_SOURCE[0]:-$0}")/wine-run" wineboot -i >/dev/null 2>&1
    # Debian's Wine does not look where fonts-wine puts Marlett and Tahoma;
    # without them the caption buttons are drawn as letters.
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    for f in $(dpkg -L fonts-wine 2>/dev/null | grep -i '\.ttf$'); do cp "$f" "$WINEPREFIX/drive_c/windows/Fonts/"; done
    # With no window manager Wine must draw captions and frames itself.
    "$(dirname "${BASH_SOURCE[0]:-$0}")/wine-run" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
    wine_server -w
    touch "$WINEPREFIX/.tessavor-ready"
  fi
}

wine_session_stop() {
  [ -n "${WINEPREFIX:-}" ] && wine_server -k >/dev/null 2>&1
  [ -n "${WINEPREFIX:-}" ] && wine_server -w >/dev/null 2>&1
  if [ -n "${WINE_SESSION_XVFB_PID:-}" ]; then
    kill "$WINE_SESSION_XVFB_PID" 2>/dev/null
    wait "$WINE_SESSION_XVFB_PID" 2>/dev/null
    WINE_SESSION_XVFB_PID=
  fi
}
