#!/bin/bash
# Benchmarks of the real window under Wine on a private display: keystroke to
# updated box, start-up and peak working set against a minimal window, and
# the stripped program sizes; then pastes of 64 KiB to 16 MiB into each box.
# Prints markdown tables; asserts nothing.
#   bash scripts/bench-window.sh [KEYSTROKES (10000)] [START-UP RUNS (20)] [LONGEST PASTE, s (30)]
set -euo pipefail
keystrokes=${1:-10000}
runs=${2:-20}
paste_seconds=${3:-30}
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
. scripts/wine-session.sh
. scripts/windows-build.sh
trap wine_session_stop EXIT
wine_display_start
mkdir -p build
wine_prefix_prepare "$PWD/build/wineprefix"
windows_build Tessavor minimal_window keystroke_bench startup_bench paste_bench >/dev/null
# Both word sizes for the size figures, whichever tree runs here.
for preset in windows windows-x64; do
  cmake --preset $preset >/dev/null && cmake --build --preset $preset -j"$(nproc)" --target Tessavor minimal_window >/dev/null
done

# KiB of a stripped copy; the build keeps its symbols.
stripped_kib() {
  cp "$2" build/stripped.exe
  "$1" build/stripped.exe
  echo $(( ($(stat -c %s build/stripped.exe) + 1023) / 1024 ))
  rm build/stripped.exe
}
size_row() {
  printf '| %s, stripped: i686 / x86-64 | %s KiB / %s KiB |\n' "$1" \
    "$(stripped_kib i686-w64-mingw32-strip "build/windows/$2")" \
    "$(stripped_kib x86_64-w64-mingw32-strip "build/windows-x64/$2")"
}

bench="$windows_tree/bench/window"
arch=$([ "$windows_tree" = build/windows ] && echo i686 || echo "x86-64 (this kernel cannot run 32-bit code)")
echo
echo "Machine: $(lscpu | sed -n 's/^Model name: *//p' | head -1), $(nproc) cores; $(/usr/lib/wine/wine64 --version 2>/dev/null || wine --version); program measured: $arch build"
echo
echo "| Figure | Value |"
echo "|---|---|"
scripts/wine-run "$bench/keystroke_bench.exe" "$windows_tree/Tessavor.exe" "$keystrokes" | tr -d '\r'
scripts/wine-run "$bench/startup_bench.exe" "$windows_tree/Tessavor.exe" "$bench/minimal_window.exe" "$runs" | tr -d '\r'
size_row "Tessavor.exe (target: i686 ≤ 256 KiB)" Tessavor.exe
size_row "minimal window" bench/window/minimal_window.exe
echo
scripts/wine-run "$bench/paste_bench.exe" "$windows_tree/Tessavor.exe" "$paste_seconds" | tr -d '\r'
