#!/bin/bash
# Builds the program and opens its window under Wine on the user's display;
# returns when the user closes it, with the program's exit status. With
# --screenshot [FILE], or when there is no display, the window runs on a
# private Xvfb, gets 5 typed into 厘米, and a PNG of it goes to FILE.
set -euo pipefail
usage="usage: bash scripts/run.sh [--screenshot [FILE]]   (FILE defaults to build/screenshot.png)"
screenshot=
case "${1:-}" in
  --screenshot) screenshot=${2:-build/screenshot.png} ;;
  "") [ -n "${DISPLAY:-}" ] || screenshot=build/screenshot.png ;;
  *) echo "$usage" >&2; exit 2 ;;
esac
# FILE is taken from where the user stands; the build from the source tree.
case "$screenshot" in "" | /*) ;; *) screenshot="$PWD/$screenshot" ;; esac
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
. scripts/wine-session.sh
. scripts/windows-build.sh
trap wine_session_stop EXIT
[ -z "$screenshot" ] || wine_display_start
# A prefix of its own, so that stopping its wineserver never ends a test run.
mkdir -p build
wine_prefix_prepare "$PWD/build/wineprefix"
windows_build Tessavor screenshot_driver
program="$windows_tree/Tessavor.exe"

if [ -z "$screenshot" ]; then
  status=0
  scripts/wine-run "$program" || status=$?
  exit $status
fi

driver="$windows_tree/bench/window/screenshot_driver.exe"
scripts/wine-run "$program" &
program_pid=$!
geometry=$(scripts/wine-run "$driver" type | tr -d '\r')
mkdir -p "$(dirname "$screenshot")"
xwd -root -display "$DISPLAY" | convert xwd:- -crop "$geometry" +repage "$screenshot"
scripts/wine-run "$driver" close
status=0
wait "$program_pid" || status=$?
[ $status = 0 ] || { echo "Tessavor.exe exited with status $status" >&2; exit $status; }
echo "screenshot: $screenshot"
