#!/usr/bin/env bash
# Makes the zip for Windows users from a cross build tree and checks that it holds the two
# programs and the readme, and nothing else.
# check-package.sh cpack build-tree
set -eu
cpack=$1
tree=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$cpack" --config "$tree/CPackConfig.cmake" -B "$out" >/dev/null
zip=$(ls "$out"/pemoka-*-win32.zip "$out"/pemoka-*-win64.zip 2>/dev/null || true)
[ -n "$zip" ] && [ "$(echo "$zip" | wc -l)" = 1 ] || { echo "no single zip made: $(ls "$out")"; exit 1; }
have=$(cd "$out" && cmake -E tar tf "$zip" | sort | tr '\n' ' ')
want="Quillet.exe Tovrin.exe readme.txt "
[ "$have" = "$want" ] || { echo "${zip##*/} holds: $have; want: $want"; exit 1; }
echo "${zip##*/} holds $have"
