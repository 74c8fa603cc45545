#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine on a private display; prints ratios.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"
bash "$here/scripts/build.sh" >/dev/null
source "$here/scripts/session.sh"
trap stop_session EXIT
start_display
start_wine
wine "$here/build/win/bin/overlay_bench.exe"
