#!/usr/bin/env bash
# Builds the native tree (unit tests) and the cross tree (programs, Win32 and end-to-end tests).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
cmake -S "$here" -B "$here/build/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$here/build/native" -j "$jobs"
cmake -S "$here" -B "$here/build/win" -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$here/build/win" -j "$jobs"
