#!/bin/bash
# The whole test suite: the host build's tests, then the Windows tests under
# Wine on a private Xvfb display, then a short run of each fuzzer. Installs
# what it needs first. Everything it starts it stops again.
set -u
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh || exit 1
jobs=$(nproc)
status=0
step() { printf '\n=== %s\n' "$*"; }

step "host build and tests"
cmake --preset native >/dev/null && cmake --build --preset native -j"$jobs" || exit 1
ctest --preset native -j"$jobs" || status=1

step "32-bit Windows build (the product)"
cmake --preset windows >/dev/null && cmake --build --preset windows -j"$jobs" || exit 1

. scripts/wine-session.sh
trap wine_session_stop EXIT
# A machine whose kernel cannot execute 32-bit code cannot run the 32-bit
# Wine either; there the Windows tests run on the x86-64 build of the same
# sources under the 64-bit Wine.
windows_tree=build/windows
wine_session_start build/windows
if ! timeout 120 scripts/wine-run build/windows/tessavor-convert.exe --help >/dev/null 2>&1; then
  wine_session_stop
  # What needs no Wine is still checked on the shipped 32-bit program.
  ctest --test-dir build/windows -R tessavor_imports_only_system_dlls --output-on-failure || status=1
  step "this machine cannot run 32-bit Windows programs: Windows tests run on the x86-64 build"
  cmake --preset windows-x64 >/dev/null && cmake --build --preset windows-x64 -j"$jobs" || exit 1
  windows_tree=build/windows-x64
  wine_session_start build/windows-x64
fi

step "Windows tests under Wine ($windows_tree)"
# One at a time: the window tests share the display and the foreground.
ctest --test-dir "$windows_tree" --output-on-failure || status=1
wine_session_stop

if [ -x scripts/fuzz.sh ]; then
  step "fuzzers, short run"
  bash scripts/fuzz.sh smoke || status=1
fi

step "result: $([ $status = 0 ] && echo all passed || echo FAILURES)"
exit $status
