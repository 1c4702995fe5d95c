# shellcheck shell=bash
# Sourced by the scripts and the desktop tests: a virtual X screen of their own, and on it, where
# asked, the openbox window manager; or a Wayland compositor of their own. Xvfb picks a display number that no other server holds
# and says it once it accepts connections, so that two screens started at once never share
# one; the window manager counts as started only once it has said so on the screen.
#
#   start_virtual_screen          Xvfb at 1024x768; exports DISPLAY and QT_QPA_PLATFORM=xcb
#   start_window_manager          openbox with no session or configuration of the user's
#   start_session_bus             a D-Bus session bus of its own, as every desktop has;
#                                 exports DBUS_SESSION_BUS_ADDRESS
#   start_accessibility_bus       the accessibility bus (AT-SPI) on that session bus, as a
#                                 desktop with a screen reader has it; Qt programs started
#                                 after it speak on it
#   start_weston_screen           weston's headless backend, a Wayland compositor that draws
#                                 into memory and needs no screen, nor has a seat; exports
#                                 WAYLAND_DISPLAY
#   start_weston_seat_screen      weston in a window of a virtual X screen that gives it the
#                                 keyboard: a seat with a keyboard and a pointer, and windows
#                                 activated as on a desktop; exports WAYLAND_DISPLAY
#   start_mutter_screen           mutter, GNOME's compositor, headless on a session bus of its
#                                 own, whose remote desktop service takes a pointer and keys
#                                 as a player's; exports WAYLAND_DISPLAY
#   stop_virtual_screen           ends them all (call it from the caller's EXIT trap)

virtual_screen_pids=()
virtual_screen_dir=

# A folder of this screen's own for what it keeps, the runtime folder among it: sockets go there,
# never to one that a desktop shares.
screen_folder() {
  [ -n "$virtual_screen_dir" ] || virtual_screen_dir=$(mktemp -d)
  export XDG_RUNTIME_DIR=$virtual_screen_dir/runtime
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
}

start_virtual_screen() {
  screen_folder
  # There before Xvfb opens it, so that a look at it before then finds it empty, not missing.
  : >"$virtual_screen_dir/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp \
    3>"$virtual_screen_dir/display" >"$virtual_screen_dir/xvfb.log" 2>&1 &
  virtual_screen_pids+=($!)
  local number=
  for _ in $(seq 200); do
    number=$(head -n 1 "$virtual_screen_dir/display")
    [ -n "$number" ] && break
    kill -0 "${virtual_screen_pids[-1]}" 2>/dev/null || break
    sleep 0.05
  done
  if [ -z "$number" ]; then
    echo "the virtual X screen did not start:" >&2
    cat "$virtual_screen_dir/xvfb.log" >&2
    return 1
  fi
  export DISPLAY=:$number QT_QPA_PLATFORM=xcb
}

start_window_manager() {
  HOME=$virtual_screen_dir openbox --sm-disable >"$virtual_screen_dir/openbox.log" 2>&1 &
  virtual_screen_pids+=($!)
  for _ in $(seq 400); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    kill -0 "${virtual_screen_pids[-1]}" 2>/dev/null || break
    sleep 0.05
  done
  echo "the window manager did not start on $DISPLAY:" >&2
  cat "$virtual_screen_dir/openbox.log" >&2
  return 1
}

start_session_bus() {
  local started
  if ! started=$(dbus-daemon --session --fork --print-address=1 --print-pid=1 \
    2>"$virtual_screen_dir/bus.log"); then
    echo "the session bus did not start:" >&2
    cat "$virtual_screen_dir/bus.log" >&2
    return 1
  fi
  DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$started")
  export DBUS_SESSION_BUS_ADDRESS
  virtual_screen_pids+=("$(sed -n 2p <<<"$started")")
}

start_accessibility_bus() {
  screen_folder
  /usr/libexec/at-spi-bus-launcher --launch-immediately >"$virtual_screen_dir/atspi.log" 2>&1 &
  virtual_screen_pids+=($!)
  for _ in $(seq 200); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
      >/dev/null 2>&1 && break
    sleep 0.05
  done
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

start_weston_screen() {
  screen_folder
  weston --backend=headless-backend.so --use-pixman --socket=tessaro --idle-time=0 \
    >"$virtual_screen_dir/compositor.log" 2>&1 &
  virtual_screen_pids+=($!)
  await_compositor weston
}

start_weston_seat_screen() {
  start_virtual_screen
  weston --backend=x11-backend.so --use-pixman --socket=tessaro --idle-time=0 \
    --width=1024 --height=768 >"$virtual_screen_dir/compositor.log" 2>&1 &
  virtual_screen_pids+=($!)
  await_compositor weston
  # The X screen gives weston's window the keyboard, which weston gives its seat.
  local window=
  for _ in $(seq 200); do
    window=$(xwininfo -root -children | awk '/"Weston Compositor/ { print $1; exit }')
    [ -n "$window" ] && break
    sleep 0.05
  done
  if [ -z "$window" ]; then
    echo "weston's window did not show on $DISPLAY:" >&2
    cat "$virtual_screen_dir/compositor.log" >&2
    return 1
  fi
  xdotool windowfocus --sync "$window"
}

start_mutter_screen() {
  screen_folder
  # Its services go to a bus of this screen's own, never to the desktop's, where a GNOME
  # session's mutter holds the same names.
  start_session_bus
  mutter --headless --wayland --no-x11 --virtual-monitor 1024x768 --wayland-display tessaro \
    >"$virtual_screen_dir/compositor.log" 2>&1 &
  virtual_screen_pids+=($!)
  await_compositor mutter
}

# Until the compositor just started (NAME) listens on its socket.
await_compositor() {
  for _ in $(seq 200); do
    [ -S "$XDG_RUNTIME_DIR/tessaro" ] && break
    kill -0 "${virtual_screen_pids[-1]}" 2>/dev/null || break
    sleep 0.05
  done
  if [ ! -S "$XDG_RUNTIME_DIR/tessaro" ]; then
    echo "$1 did not start:" >&2
    cat "$virtual_screen_dir/compositor.log" >&2
    return 1
  fi
  export WAYLAND_DISPLAY=tessaro
}

stop_virtual_screen() {
  local pid
  for pid in "${virtual_screen_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${virtual_screen_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  [ -n "$virtual_screen_dir" ] && rm -rf "$virtual_screen_dir"
  virtual_screen_pids=()
  virtual_screen_dir=
}
