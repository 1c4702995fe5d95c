#!/usr/bin/env bash
# Runs a test program on a virtual X screen of its own under the openbox window manager, as a
# player's desktop would show the game; with --screen-reader also on a session bus with the
# accessibility bus, as a blind player's desktop has them.
#   desktop.sh [--screen-reader] PROGRAM [ARGS...]
set -euo pipefail
source "$(dirname "$0")/../../scripts/virtual-screen.sh"
trap stop_virtual_screen EXIT
start_virtual_screen
start_window_manager
window_manager=${virtual_screen_pids[-1]}
if [ "${1:-}" = --screen-reader ]; then
  shift
  # Orca starts only where no other Orca of the user runs, and `--replace` ends every other one:
  # two runs of the screen-reader test at once (the two builds side by side) take turns.
  exec 9>"${TMPDIR:-/tmp}/tessaro-screen-reader.lock"
  flock 9
  start_session_bus
  start_accessibility_bus
fi
status=0
"$@" || status=$?
if [ "$status" != 0 ]; then
  kill -0 "$window_manager" 2>/dev/null || echo "the window manager had ended" >&2
  echo "what the window manager printed:" >&2
  cat "$virtual_screen_dir/openbox.log" >&2
fi
exit "$status"
