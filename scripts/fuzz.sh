#!/bin/bash
# Builds the fuzzers of the conversion core with clang into build/fuzz and
# runs them one after the other:
#   scripts/fuzz.sh smoke           about 20 s each, from the seeds in fuzz/corpus
#   scripts/fuzz.sh long [SECONDS [FUZZER...]]
#                                   SECONDS each (600), growing build/fuzz/corpus-*;
#                                   all three fuzzers unless some are named
# Prints the executions of each fuzzer and exits non-zero on any finding,
# whose input is kept in build/fuzz/findings/. Nothing is left running.
set -u
cd "$(dirname "$0")/.."

mode=${1:-smoke}
case $mode in
  smoke) seconds=20 ;;
  long) seconds=${2:-600} ;;
  *) echo "usage: scripts/fuzz.sh smoke | long [SECONDS [FUZZER...]]" >&2; exit 2 ;;
esac
fuzzers=(fuzz_text_to_number fuzz_number_to_text fuzz_converter)
if [ "$mode" = long ] && [ $# -gt 2 ]; then fuzzers=("${@:3}"); fi

out=build/fuzz
cmake -S fuzz -B "$out" -DCMAKE_CXX_COMPILER=clang++ >/dev/null || exit 1
cmake --build "$out" -j2 >/dev/null || { cmake --build "$out" -j1; exit 1; }
mkdir -p "$out/findings"

# The fuzzer running now, stopped with this script. A fuzzer can hang on
# its way out of a SIGTERM, so it gets a few seconds and then SIGKILL.
running=
stop() {
  if [ -n "$running" ]; then
    kill "$running" 2>/dev/null
    for _ in 1 2 3 4 5 6 7 8 9 10; do kill -0 "$running" 2>/dev/null || break; sleep 0.5; done
    kill -9 "$running" 2>/dev/null
    wait "$running" 2>/dev/null
  fi
  exit 130
}
trap stop INT TERM

# Texts may be long (digit strings of a few thousand bytes); a double is 8
# bytes, or up to 16 when aimed at the rounding boundaries; the converter's
# inputs are sequences of short edits, and longer ones only run slower.
max_len() {
  case $1 in
    fuzz_number_to_text) echo 16 ;;
    fuzz_converter) echo 128 ;;
    *) echo 4096 ;;
  esac
}

status=0
for fuzzer in "${fuzzers[@]}"; do
  [ -f "fuzz/$fuzzer.cpp" ] || { echo "no fuzzer $fuzzer" >&2; status=1; continue; }
  if [ "$mode" = smoke ]; then
    corpus=$out/smoke-$fuzzer
    rm -rf "$corpus"
  else
    corpus=$out/corpus-$fuzzer
  fi
  mkdir -p "$corpus"
  log=$out/$fuzzer-$mode.log
  # New inputs go into the first folder only; the committed seeds stay as
  # they are.
  "$out/$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len="$(max_len $fuzzer)" -print_final_stats=1 \
    -artifact_prefix="$out/findings/$fuzzer-" \
    "$corpus" "fuzz/corpus/$fuzzer" >"$log" 2>&1 &
  running=$!
  wait "$running"
  rc=$?
  running=
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$')
  printf '%-20s %12s executions in %4d s, corpus %5d inputs, exit %d\n' \
    "$fuzzer" "${runs:-?}" "$seconds" "$(find "$corpus" -type f | wc -l)" "$rc"
  if [ "$rc" != 0 ]; then
    status=1
    echo "--- $fuzzer found a problem; log: $log"
    grep -A12 -m1 -E 'property broken|ERROR: (AddressSanitizer|libFuzzer)|runtime error' "$log"
  fi
done
exit $status
