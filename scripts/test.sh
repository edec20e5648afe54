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

. scripts/wine-session.sh
. scripts/windows-build.sh
trap wine_session_stop EXIT
mkdir -p build/test-wine
wine_session_start build/test-wine
step "Windows builds"
windows_build all || exit 1
if [ "$windows_tree" != build/windows ]; then
  # What needs no Wine is still checked on the shipped 32-bit program.
  ctest --test-dir build/windows -R tessavor_imports_only_system_dlls --output-on-failure || status=1
fi

step "Windows tests under Wine ($windows_tree)"
# One at a time: the window tests share the display and the foreground.
ctest --test-dir "$windows_tree" --output-on-failure || status=1
wine_session_stop

step "fuzzers, short run"
bash scripts/fuzz.sh smoke || status=1

step "result: $([ $status = 0 ] && echo all passed || echo FAILURES)"
exit $status
