# Sourced, not run: builds Windows targets in the tree whose programs this
# machine's Wine can run, and sets windows_tree to it. The product is the
# 32-bit build; where the kernel cannot execute 32-bit code, only the 64-bit
# Wine runs, and the x86-64 build of the same sources stands in for it.
#   windows_build TARGET...   (from the top of the source tree, WINEPREFIX set)

windows_build() {
  windows_tree=build/windows
  cmake --preset windows >/dev/null &&
    cmake --build --preset windows -j"$(nproc)" --target tessavor-convert "$@" || return 1
  if ! timeout 120 "$(dirname "${BASH_SOURCE[0]}")/wine-run" build/windows/tessavor-convert.exe --help >/dev/null 2>&1; then
    echo "this machine cannot run 32-bit Windows programs: using the x86-64 build" >&2
    windows_tree=build/windows-x64
    cmake --preset windows-x64 >/dev/null &&
      cmake --build --preset windows-x64 -j"$(nproc)" --target "$@" || return 1
  fi
}
