#!/usr/bin/env bash
# Installs what is missing, builds and runs every test tier once. Exits non-zero on any failure.
#
#   test.sh --repeat N   soak: builds once and runs the Win32 and end-to-end tiers N times in one
#                        session, then says how many runs failed and which tests, how often.
#   test.sh --shuffle N  the Win32 and end-to-end tiers each in one process, N rounds in a new
#                        order each: what one test leaves behind must not decide a later one.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
repeat=0 shuffle=0
if [ $# -gt 0 ]; then
  if [ $# = 2 ] && [ "$1" = --repeat ] && [[ $2 =~ ^[1-9][0-9]*$ ]]; then
    repeat=$2
  elif [ $# = 2 ] && [ "$1" = --shuffle ] && [[ $2 =~ ^[1-9][0-9]*$ ]]; then
    shuffle=$2
  else
    echo "usage: test.sh [--repeat N | --shuffle N]" >&2
    exit 2
  fi
fi

bash "$here/scripts/setup.sh"
source "$here/scripts/wine-env.sh"
wine_way testing
bash "$here/scripts/build.sh"

if [ "$shuffle" != 0 ]; then
  source "$here/scripts/session.sh"
  trap stop_session EXIT
  start_session --input
  status=0
  for tier in win_tests e2e_tests; do
    echo "== $tier: $shuffle rounds in one process, shuffled (Wine on $DISPLAY)"
    "$PEMOKA_WINE" "$PEMOKA_TREE/bin/$tier.exe" --gtest_repeat="$shuffle" --gtest_shuffle --gtest_brief=1 || status=1
  done
  exit "$status"
fi

if [ "$repeat" = 0 ]; then
  echo "== unit tests (native, sanitizers)"
  ctest --test-dir "$here/build/native" --output-on-failure
  if [ "$PEMOKA_WINE_ARCH" = win64 ]; then
    echo "== imports and zip of the i686 build, which cannot run here"
    ctest --test-dir "$here/build/win" --output-on-failure -R '^(imports|package)$'
  fi
fi

source "$here/scripts/session.sh"
trap stop_session EXIT
start_session --input
if [ "$repeat" = 0 ]; then
  echo "== Win32 and end-to-end tests (Wine on $DISPLAY)"
  ctest --test-dir "$PEMOKA_TREE" --output-on-failure --timeout 600
  exit
fi

logs=$PEMOKA_TREE/soak
rm -rf "$logs"
mkdir -p "$logs"
echo "== Win32 and end-to-end tests, $repeat runs (Wine on $DISPLAY; logs in $logs)"
failed_runs=0
for run in $(seq "$repeat"); do
  log=$logs/run-$run.log
  if ctest --test-dir "$PEMOKA_TREE" --output-on-failure --timeout 600 -E '^(imports|package)$' >"$log" 2>&1; then
    echo "run $run: passed"
  else
    failed_runs=$((failed_runs + 1))
    names=$(awk -f "$here/scripts/failed-tests.awk" "$log")
    [ -z "$names" ] || echo "$names" >>"$logs/failed"
    echo "run $run: FAILED: ${names//$'\n'/, } (see ${log##*/})"
  fi
done
echo "== $failed_runs of $repeat runs failed"
[ -s "$logs/failed" ] && sort "$logs/failed" | uniq -c | sort -rn
[ "$failed_runs" = 0 ]
