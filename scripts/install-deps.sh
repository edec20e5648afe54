#!/bin/bash
# Installs the Debian packages the build and the tests need, when missing:
# nothing happens on a machine that has them all. Runs apt-get as root, or
# through sudo.
set -eu
packages=(cmake g++ make libgtest-dev googletest libbenchmark-dev libgmp-dev libfast-float-dev
  clang libclang-rt-dev
  g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32 binutils-mingw-w64-i686
  wine wine64 wine32:i386 xvfb x11-apps imagemagick fonts-wine fonts-wqy-microhei locales)
as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  dpkg --print-foreign-architectures | grep -qx i386 || as_root dpkg --add-architecture i386
  as_root apt-get update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
fi

# Wine runs in the Chinese locale so its ANSI code page is 936; some tests
# also run in an English one (code page 1252).
for loc in zh_CN.UTF-8 en_US.UTF-8; do
  if ! locale -a 2>/dev/null | grep -qix "${loc/UTF-8/utf8}"; then
    as_root sed -i "s/^# *\($loc UTF-8\)/\1/" /etc/locale.gen
    need_gen=1
  fi
done
if [ -n "${need_gen:-}" ]; then as_root locale-gen >/dev/null; fi
