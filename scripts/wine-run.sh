#!/usr/bin/env bash
# Runs a Windows program under the project's Wine: wine-run.sh win32|win64 program [argument...]
# The cross builds use it as their emulator, each naming the architecture of its programs.
source "$(dirname "$0")/wine-env.sh"
use_wine_env "$1" || exit 125
shift
exec "$PEMOKA_WINE" "$@"
