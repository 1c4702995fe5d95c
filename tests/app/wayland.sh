#!/usr/bin/env bash
# Runs a test program on a Wayland compositor of its own: weston's headless backend, which
# draws into memory and needs no screen.
#   wayland.sh PROGRAM [ARGS...]
set -euo pipefail
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
weston --backend=headless-backend.so --use-pixman --socket=tessaro-test --idle-time=0 \
  >"$runtime/weston.log" 2>&1 &
weston=$!
trap 'kill "$weston" 2>/dev/null || true; wait "$weston" 2>/dev/null || true; rm -rf "$runtime"' EXIT
for _ in $(seq 200); do
  [ -S "$runtime/tessaro-test" ] && break
  kill -0 "$weston" 2>/dev/null || break
  sleep 0.05
done
if [ ! -S "$runtime/tessaro-test" ]; then
  echo "weston did not start:" >&2
  cat "$runtime/weston.log" >&2
  exit 1
fi
unset DISPLAY
export WAYLAND_DISPLAY=tessaro-test QT_QPA_PLATFORM=wayland
"$@"
