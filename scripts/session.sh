# Sourced by run.sh, test.sh and bench.sh: a private X display with a compositor (or without,
# as a desktop may be), and a Wine prefix with its own wineserver for this run. stop_session
# ends only what start_session began.
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
decide_wine_arch
use_wine_env
session_pids=()

# A private display; with --no-compositor it has no compositing manager, which the input agent
# may also run instead (start_input_agent --compositor).
start_display() {
  local fifo fd display
  fifo=$(mktemp -u); mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  session_pids+=($!)
  read -r -t 20 display <"$fifo" || { rm -f "$fifo"; echo "Xvfb did not start" >&2; return 1; }
  rm -f "$fifo"
  export DISPLAY=":$display"
  [ "${1:-}" = --no-compositor ] && return
  xcompmgr -n >/dev/null 2>&1 &
  session_pids+=($!)
}

# The end-to-end tests' keyboard and mouse (tests/e2e/x_input_agent.cpp), on the session's
# display; the tests find it by PEMOKA_INPUT_PORT. With --compositor it runs the display's
# compositing manager, so that a test can run for a while without one.
start_input_agent() {
  local port
  coproc agent { exec "$pemoka_root/build/native/x-input-agent" "$@"; }
  session_pids+=($!)
  read -r -t 20 port <&"${agent[0]}" || { echo "the input agent did not start" >&2; return 1; }
  export PEMOKA_INPUT_PORT=$port
}

start_wine() {
  mkdir -p "$WINEPREFIX"
  wineserver -p   # one server for the whole run, ended by stop_session
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Setting up the Wine prefix in $WINEPREFIX"
    "$PEMOKA_WINE" wineboot -i >/dev/null 2>&1 || true
  fi
  # Without a window manager Wine waits two seconds for every window it hides unless its
  # windows are unmanaged.
  if ! grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
    "$PEMOKA_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
  fi
  # The dialogs ask for the Windows Japanese fonts by name; without a substitute Wine takes a
  # fixed-pitch face whose wider kana do not fit the labels. The IPA fonts have their metrics.
  if ! grep -q 'IPAPGothic' "$WINEPREFIX/system.reg" 2>/dev/null; then
    local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
    "$PEMOKA_WINE" reg add "$key" /v 'ＭＳ Ｐゴシック' /d IPAPGothic /f >/dev/null 2>&1 || true
    "$PEMOKA_WINE" reg add "$key" /v 'ＭＳ ゴシック' /d IPAGothic /f >/dev/null 2>&1 || true
  fi
  "$PEMOKA_WINE" wineboot >/dev/null 2>&1 || true   # start the prefix's services once for the run
}

# Everything a run needs, in one call: a private display with its compositor (the display the
# caller has, with --keep-display, when there is one), the input agent with --input, and Wine.
# --no-compositor leaves the private display without a compositing manager.
start_session() {
  local input=0 keep=0 compositor=1 own=0 arg
  for arg in "$@"; do
    case $arg in
      --input) input=1 ;;
      --keep-display) keep=1 ;;
      --no-compositor) compositor=0 ;;
      *) echo "start_session: unknown option $arg" >&2; return 2 ;;
    esac
  done
  if [ "$keep" = 0 ] || [ -z "${DISPLAY:-}" ]; then
    own=1
    # With input the agent runs the compositor, so that a test can stop it for its own time.
    if [ "$compositor" = 1 ] && [ "$input" = 0 ]; then start_display || return
    else start_display --no-compositor || return; fi
  fi
  if [ "$input" = 1 ]; then
    if [ "$own" = 1 ] && [ "$compositor" = 1 ]; then start_input_agent --compositor || return
    else start_input_agent || return; fi
  fi
  start_wine
}

stop_session() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1 || true
  local pid
  for pid in "${session_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${session_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  session_pids=()
}
