#!/usr/bin/env bash
# Installs what is missing, builds both trees and runs every test tier. Exits non-zero on any
# failure.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"
source "$here/scripts/wine-env.sh"
wine_way testing
bash "$here/scripts/build.sh"

echo "== unit tests (native, sanitizers)"
ctest --test-dir "$here/build/native" --output-on-failure
if [ "$PEMOKA_WINE_ARCH" = win64 ]; then
  echo "== imports of the i686 build, which cannot run here"
  ctest --test-dir "$here/build/win" --output-on-failure -R '^imports$'
fi

source "$here/scripts/session.sh"
trap stop_session EXIT
start_display
start_wine
echo "== Win32 and end-to-end tests (Wine on $DISPLAY)"
ctest --test-dir "$PEMOKA_TREE" --output-on-failure --timeout 600
