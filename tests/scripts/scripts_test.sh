#!/usr/bin/env bash
# The scripts' own decisions: which Wine a run takes, the environment each Wine gets, and which
# tests a soak run names as failed.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
expect() {  # what, got, wanted
  [ "$2" = "$3" ] || { echo "FAIL $1: got '$2', wanted '$3'"; failures=$((failures + 1)); }
}

# Loaders standing in for the 32-bit Wine: one that starts, one the kernel cannot execute.
printf '#!/bin/sh\nexit 0\n' >"$tmp/starts"
printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000\002\000\003\000' >"$tmp/no-exec"
chmod +x "$tmp/starts" "$tmp/no-exec"

# forced value | 32-bit loader | arch (or "error") | first words of the line
while IFS='|' read -r forced loader arch line; do
  got=$(
    unset PEMOKA_WINE_ARCH PEMOKA_WINE_WHY
    [ -z "$forced" ] || export PEMOKA_WINE_ARCH=$forced
    source "$root/scripts/wine-env.sh"
    wine32_loader=$tmp/$loader
    wine_way testing 2>/dev/null && echo "$PEMOKA_WINE_ARCH" || echo error
  )
  expect "arch with '$forced' and $loader" "${got##*$'\n'}" "$arch"
  [ "$arch" = error ] || expect "line with '$forced' and $loader" "${got%%:*}" "$line"
done <<'TABLE'
|starts|win32|32-bit programs run here
|no-exec|win64|no 32-bit execution here
|missing|win64|no 32-bit execution here
win64|starts|win64|PEMOKA_WINE_ARCH=win64
win32|no-exec|win32|PEMOKA_WINE_ARCH=win32
win16|starts|error|
TABLE

# Each architecture gets its own loader, prefix and build tree, and the two never share.
envs=$(
  source "$root/scripts/wine-env.sh"
  for arch in win32 win64; do
    use_wine_env "$arch"
    echo "$arch ${PEMOKA_WINE##*/} ${WINEPREFIX#$root/} ${PEMOKA_TREE#$root/} $WINEARCH $LC_ALL"
  done
)
expect "environments" "$envs" "win32 wine build/wineprefix build/win win32 ja_JP.UTF-8
win64 wine64 build/wineprefix64 build/win64 win64 ja_JP.UTF-8"
english=$(source "$root/scripts/wine-env.sh"; PEMOKA_LOCALE=en_US.UTF-8 use_wine_env win64; echo "$LANG $LC_ALL $PEMOKA_WINE")
expect "an English run" "$english" "en_US.UTF-8 en_US.UTF-8 /usr/lib/wine/wine64"

# Soak runs: failed and unfinished tests are named once each; a run with no test output names
# ctest's failed tests instead.
cr=$'\r'
cat >"$tmp/run.log" <<LOG
Test project /work/main/build/win
2/3 Test #2: e2e ..............................***Failed   21.51 sec
[ RUN      ] MoveResize.ArrowKeysMove$cr
[       OK ] MoveResize.ArrowKeysMove (10 ms)$cr
[ RUN      ] MoveResize.TakingTheCaptureEndsTheDrag$cr
move_resize_test.cpp:169: Failure$cr
[  FAILED  ] MoveResize.TakingTheCaptureEndsTheDrag (8481 ms)$cr
[ RUN      ] Widths/PaintGuides.Thirds/1$cr
[  FAILED  ] Widths/PaintGuides.Thirds/1, where GetParam() = 2 (3 ms)$cr
[ RUN      ] Guides.Skipped$cr
[  SKIPPED ] Guides.Skipped (0 ms)$cr
[  FAILED  ] 2 tests, listed below:$cr
[  FAILED  ] MoveResize.TakingTheCaptureEndsTheDrag$cr
[  FAILED  ] Widths/PaintGuides.Thirds/1, where GetParam() = 2$cr
[ RUN      ] Dialogs.CountDialog$cr
The following tests FAILED:
	  1 - win (Timeout)
	  2 - e2e (Failed)
Errors while running CTest
LOG
expect "failed tests" "$(awk -f "$root/scripts/failed-tests.awk" "$tmp/run.log")" \
"MoveResize.TakingTheCaptureEndsTheDrag
Widths/PaintGuides.Thirds/1
Dialogs.CountDialog (did not finish)"
printf 'The following tests FAILED:\n\t  2 - e2e (Exit code 0xc0000005)\n' >"$tmp/bare.log"
expect "failed ctest tests" "$(awk -f "$root/scripts/failed-tests.awk" "$tmp/bare.log")" \
  "e2e (Exit code 0xc0000005)"

[ $failures = 0 ] && echo "scripts: all passed"
exit $((failures > 0))
