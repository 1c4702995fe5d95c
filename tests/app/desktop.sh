#!/usr/bin/env bash
# Runs a test program on a virtual X screen of its own under the openbox window manager, as a
# player's desktop would show the game.
#   desktop.sh PROGRAM [ARGS...]
set -euo pipefail
source "$(dirname "$0")/../../scripts/virtual-screen.sh"
trap stop_virtual_screen EXIT
start_virtual_screen
start_window_manager
status=0
"$@" || status=$?
if [ "$status" != 0 ]; then
  kill -0 "${virtual_screen_pids[-1]}" 2>/dev/null || echo "the window manager had ended" >&2
  echo "what the window manager printed:" >&2
  cat "$virtual_screen_dir/openbox.log" >&2
fi
exit "$status"
