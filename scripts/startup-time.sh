#!/usr/bin/env bash
# Times the program from its start to its start window on screen, against a bare Qt Widgets
# program that shows one window, empty or with the start window's text in the game's font, on a
# virtual X screen. A watcher outside the programs
# (tests/startup/MapWatch.cpp) starts each and stops the clock when its first window is mapped,
# so that neither program's own code nor its end counts. Prints the medians and their ratio.
#
#   scripts/startup-time.sh [RUNS]     (default 30 runs of each, alternating)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-30}
source scripts/builds.sh
scripts/setup.sh xvfb libxcb1-dev dbus-daemon
configure_normal_build >/dev/null
cmake --build build --target tessaro map_watch bare_window_probe -j"$(nproc)" >/dev/null

source scripts/virtual-screen.sh
work=$(mktemp -d)
trap 'stop_virtual_screen; rm -rf "$work"' EXIT
start_virtual_screen
# Every desktop has a session bus, and Qt's accessibility bridge asks it about screen readers
# at a window's first label. Without one, the bridge would first try to start a bus of its
# own, which no player's desktop does.
start_session_bus
# A home of its own: no saved games or settings of the machine's user.
export HOME=$work

# Milliseconds from launching a program until its first window is mapped.
elapsed() { build/tests/map_watch "$@" 2>/dev/null; }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

line="Введите ваше имя: Tessaro"
# One run of each first, so that none pays for a cold disk cache.
elapsed build/src/tessaro >/dev/null
elapsed build/tests/bare_window_probe >/dev/null
elapsed build/tests/bare_window_probe "$line" >/dev/null
game=() bare=() text=()
for _ in $(seq "$runs"); do
  game+=("$(elapsed build/src/tessaro)")
  bare+=("$(elapsed build/tests/bare_window_probe)")
  text+=("$(elapsed build/tests/bare_window_probe "$line")")
done
game_ms=$(printf '%s\n' "${game[@]}" | median)
bare_ms=$(printf '%s\n' "${bare[@]}" | median)
text_ms=$(printf '%s\n' "${text[@]}" | median)
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
echo "start window on screen:        ${game_ms} ms (median of $runs)"
echo "bare Qt window:                ${bare_ms} ms"
echo "bare Qt window, game's text:   ${text_ms} ms"
awk -v g="$game_ms" -v b="$bare_ms" -v t="$text_ms" \
  'BEGIN { printf "ratio: %.2f against the bare window (goal: at most 1.25), %.2f against the text\n", g / b, g / t }'
