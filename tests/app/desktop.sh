#!/usr/bin/env bash
# Runs a test program on a virtual X screen of its own under the openbox window manager, as a
# player's desktop would show the game.
#   desktop.sh PROGRAM [ARGS...]
set -euo pipefail
display=
for n in $(seq 150 250); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=:$n; break; fi
done
[ -n "$display" ] || { echo "no free X display" >&2; exit 1; }
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
openbox_pid=
trap '[ -n "$openbox_pid" ] && kill "$openbox_pid" 2>/dev/null; kill "$xvfb" 2>/dev/null; wait 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.05; done
export DISPLAY=$display QT_QPA_PLATFORM=xcb
# A window manager of its own, with no session or configuration of the machine's user.
HOME=$(mktemp -d) openbox --sm-disable >/dev/null 2>&1 &
openbox_pid=$!
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.05; done
"$@"
