#!/usr/bin/env bash
# Runs a test program on a Wayland compositor of its own: weston's headless backend, which
# draws into memory and needs no screen.
#   wayland.sh PROGRAM [ARGS...]
set -euo pipefail
source "$(dirname "$0")/../../scripts/virtual-screen.sh"
trap stop_virtual_screen EXIT
start_wayland_screen
# weston's headless backend has no seat, and Qt 6.4's input method for Wayland text input
# dereferences the missing keyboard when a line edit draws its cursor.
export QT_IM_MODULE=none QT_QPA_PLATFORM=wayland
unset DISPLAY
"$@"
