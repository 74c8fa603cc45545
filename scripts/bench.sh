#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine on a private display; prints ratios.
# bench.sh [startup|paint|drag|capture ...]: only the parts named.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"
source "$here/scripts/wine-env.sh"
wine_way benchmarking
bash "$here/scripts/build.sh" >/dev/null
source "$here/scripts/session.sh"
trap stop_session EXIT
start_session
"$PEMOKA_WINE" "$PEMOKA_TREE/bin/overlay_bench.exe" "$@"
