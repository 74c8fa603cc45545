#!/usr/bin/env bash
# Installs what is missing, builds and starts Tovrin under Wine. Without a display it starts a
# private one, waits for the frame, saves a screenshot and closes the overlay again.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"
source "$here/scripts/wine-env.sh"
wine_way running
bash "$here/scripts/build.sh" >/dev/null
source "$here/scripts/session.sh"
trap stop_session EXIT
bin="$PEMOKA_TREE/bin"

if [ -n "${DISPLAY:-}" ]; then
  start_session --keep-display
  "$PEMOKA_WINE" "$bin/Tovrin.exe"
  exit 0
fi

start_session
# Something to look through the frame at.
xlogo -geometry 420x420+430+302 -bg '#d8e8f8' -fg '#30506f' >/dev/null 2>&1 &
session_pids+=($!)
"$PEMOKA_WINE" "$bin/Tovrin.exe" &
tovrin=$!
shot="$here/build/tovrin.png"
"$PEMOKA_WINE" "$bin/pemoka-ctl.exe" wait-frame 10000 >/dev/null
import -window root "$shot"
echo "Screenshot: $shot"
"$PEMOKA_WINE" "$bin/pemoka-ctl.exe" close-frame 10000 >/dev/null
wait "$tovrin" || true
echo "Settings written: $bin/pemoka.ini"
