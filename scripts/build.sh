#!/usr/bin/env bash
# Builds the native tree (unit tests) and the i686 cross tree (programs, Win32 and end-to-end
# tests); where the tests run under wine64, the x86_64 cross tree as well.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
source "$here/scripts/wine-env.sh"
decide_wine_arch
jobs=$(nproc)

build_tree() {  # folder, then cmake options
  local dir=$here/build/$1
  shift
  cmake -S "$here" -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
}
build_tree native -DCMAKE_BUILD_TYPE=Debug
build_tree win -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-i686.cmake"
[ "$PEMOKA_WINE_ARCH" = win32 ] || build_tree win64 -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-x86_64.cmake"
