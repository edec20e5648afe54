#!/bin/bash
# A long random walk of the real window against its model, under Wine on a
# private display: prints the actions run, each divergence with its shortest
# reproducer, and the count of divergences.
#   scripts/model-walk.sh [STEPS] [SEED]
# STEPS defaults to 100000 and SEED to a random one. MODEL_WALK_BUILD names
# the configured Windows build tree (default build/windows-x64). Each slot
# (MODEL_WALK_SLOT, default 1) has a Wine prefix of its own, so walks in
# different slots can run side by side; MODEL_WALK_MAX_DIVERGENCES (default
# 5) ends a walk early.
set -u
cd "$(dirname "$0")/.."
steps=${1:-100000}
seed=${2:-$(od -An -N4 -tu4 /dev/urandom | tr -d ' ')}
build=${MODEL_WALK_BUILD:-build/windows-x64}
slot=${MODEL_WALK_SLOT:-1}

if [ ! -f "$build/CMakeCache.txt" ]; then
  echo "no configured build tree in $build (cmake --preset windows-x64, or set MODEL_WALK_BUILD)" >&2
  exit 2
fi
cmake --build "$build" --target model_walk_test -j2 >/dev/null || { echo "build failed" >&2; exit 2; }

session="$build/model-walk/slot-$slot"
mkdir -p "$session"
log="$session/walk-$seed.log"
. scripts/wine-session.sh
trap wine_session_stop EXIT
wine_session_start "$session"

echo "model walk: $steps steps, seed $seed, log $log"
TESSAVOR_SEED=$seed TESSAVOR_WALK_STEPS=$steps TESSAVOR_MAX_DIVERGENCES=${MODEL_WALK_MAX_DIVERGENCES:-5} \
  scripts/wine-run "$build/tests/model/model_walk_test.exe" 2>&1 | sed -u 's/\r$//' | tee "$log" |
  grep --line-buffered -v -E '^(\[|Running main|$)'
status=${PIPESTATUS[0]}

summary=$(grep -E '^model walk: seed .* actions run' "$log" | tail -1)
if [ -z "$summary" ]; then
  echo "the walk ended without its summary (status $status); see $log"
  exit 1
fi
actions=$(sed -E 's/.* ([0-9]+) actions run.*/\1/' <<<"$summary")
divergences=$(sed -E 's/.* ([0-9]+) divergences.*/\1/' <<<"$summary")
echo "actions run: $actions; divergences: $divergences"
exit "$status"
