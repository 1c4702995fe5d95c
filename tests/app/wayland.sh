#!/usr/bin/env bash
# Runs a test program on a Wayland compositor of its own: weston in a window of a virtual X
# screen, with a seat as on a desktop, or GNOME's mutter, headless, whose remote desktop service
# takes a pointer and keys as a player's (tests/app/remote_desktop.py).
#   wayland.sh --weston|--mutter PROGRAM [ARGS...]
set -euo pipefail
source "$(dirname "$0")/../../scripts/virtual-screen.sh"
trap stop_virtual_screen EXIT
case "$1" in
  --weston) start_weston_seat_screen ;;
  --mutter) start_mutter_screen ;;
  *) echo "usage: wayland.sh --weston|--mutter PROGRAM [ARGS...]" >&2; exit 2 ;;
esac
export TESSARO_COMPOSITOR=${1#--}
shift
export QT_QPA_PLATFORM=wayland
unset DISPLAY
# What the program says to the compositor, for the test to read; the rest of what it prints
# goes on to the terminal.
export WAYLAND_DEBUG=client TESSARO_PROTOCOL_LOG=$virtual_screen_dir/protocol.log
status=0
"$@" 2>"$TESSARO_PROTOCOL_LOG" || status=$?
grep -av '^\[' "$TESSARO_PROTOCOL_LOG" >&2 || true
if [ "$status" != 0 ]; then
  echo "what the compositor printed:" >&2
  cat "$virtual_screen_dir/compositor.log" >&2
fi
exit "$status"
