#!/bin/bash
# Black-box test of tessavor-convert as a separate process: the examples,
# the batch mode and the usage errors, with their exit codes.
#   cli_test.sh [EMULATOR] PROGRAM
set -u
run=("$@")
failures=0

# expect NAME WANT_STATUS WANT_STDOUT [ARGS...]: stdout compared byte for
# byte after dropping the CRs of a Windows console.
expect() {
  local name=$1 want_status=$2 want=$3
  shift 3
  local got status
  "${run[@]}" "$@" </dev/null >/tmp/cli_test_stdout.$$ 2>/tmp/cli_test_stderr.$$
  status=$?
  got=$(tr -d '\r' </tmp/cli_test_stdout.$$)
  if [ "$status" != "$want_status" ] || [ "$got" != "$want" ]; then
    printf 'FAIL %s: status %s (want %s), output [%s] (want [%s])\n' "$name" "$status" "$want_status" "$got" "$want"
    failures=$((failures + 1))
  else
    printf 'ok   %s\n' "$name"
  fi
}

expect "1 cm at 72"        0 28.34645669292        --dpi 72 --cm 1
expect "5.69 cm at 96"     0 215.0551181103        --dpi 96 --cm 5.69
expect "193.16 cm at 72"   0 5475.401574803        --dpi 72 --cm 193.16
expect "1e308 cm at 2"     0 7.874015748032e+307   --dpi 2 --cm 1e308
expect "1 px, no dpi"      0 1.#INF                --dpi "" --px 1
expect "0 px, no dpi"      0 -1.#IND               --dpi "" --px 0
expect "default dpi 72"    0 2.54                  --px 72
expect "5 cm typed"        0 141.7322834646        --cm 5
# Texts are the window's GBK bytes. Under Wine the argument travels as
# UTF-8 and reaches the program in its ANSI code page 936.
if [ $# -gt 1 ]; then fullwidth_72='７２'; else fullwidth_72=$(printf '\xa3\xb7\xa3\xb2'); fi
expect "full-width text"   0 2.54                  --px "$fullwidth_72"
expect "junk reads as 0"   0 0                     --cm "abc"

# Batch: one text per line in, one result per line out.
got=$(printf '1\n2.54\n\n1e400\n' | "${run[@]}" --dpi 72 --cm - | tr -d '\r')
want=$(printf '28.34645669292\n72\n0\n1.#INF')
if [ "$got" != "$want" ]; then
  printf 'FAIL batch: [%s] want [%s]\n' "$got" "$want"; failures=$((failures + 1))
else
  printf 'ok   batch\n'
fi

# Bad usage: a message on standard error, nothing on standard output, status 2.
expect "no length"         2 ""   --dpi 72
expect "both lengths"      2 ""   --cm 1 --px 1
expect "unknown option"    2 ""   --inch 1
expect "missing value"     2 ""   --cm
if ! grep -q usage /tmp/cli_test_stderr.$$; then
  printf 'FAIL usage message missing on standard error\n'; failures=$((failures + 1))
fi
expect_help=$("${run[@]}" --help | tr -d '\r' | head -n 1)
case "$expect_help" in usage:*) printf 'ok   help\n' ;; *) printf 'FAIL help: [%s]\n' "$expect_help"; failures=$((failures + 1)) ;; esac
rm -f /tmp/cli_test_stdout.$$ /tmp/cli_test_stderr.$$
exit $((failures > 0))
