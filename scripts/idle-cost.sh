#!/usr/bin/env bash
# What an idle game costs: the real program from a saved game on a virtual X screen and on a
# Wayland compositor (weston's headless backend), its clock running and no input, beside a bare
# Qt program that wakes every 10 ms, all at once. Prints for each the wake-ups a second
# (voluntary context switches of all its threads), the CPU time and the resident memory.
#
#   scripts/idle-cost.sh [SECONDS]     (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
source scripts/builds.sh
scripts/setup.sh
configure_normal_build >/dev/null
cmake --build build --target tessaro bare_timer_probe -j"$(nproc)" >/dev/null

source scripts/virtual-screen.sh
work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; stop_virtual_screen; rm -rf "$work"' EXIT
start_virtual_screen
start_weston_screen
export HOME=$work

# An early game: mood and money last the minute, and the virus day is weeks away.
cp tests/fuzz/corpus/saved/early.tso "$work/idle.tso"
build/src/tessaro "$work/idle.tso" >/dev/null 2>&1 &
pids+=($!)
env -u DISPLAY QT_QPA_PLATFORM=wayland build/src/tessaro "$work/idle.tso" >/dev/null 2>&1 &
pids+=($!)
build/tests/bare_timer_probe >/dev/null 2>&1 &
pids+=($!)
sleep 3

# Voluntary context switches of each thread ("tid count" lines), and CPU time in clock ticks.
switches() {
  for task in /proc/"$1"/task/*; do
    echo "${task##*/} $(awk '/^voluntary_ctxt_switches/ { print $2 }' "$task/status" 2>/dev/null)"
  done
}
# The switches between two lists: a thread that ended in between (Qt's idle pooled threads do)
# counts the one wake-up that ended it.
woken() { awk 'NR == FNR { before[$1] = $2; next } { n += $2 - before[$1]; delete before[$1] }
               END { for (t in before) n += 1; print n }' "$1" "$2"; }
cpu() { awk '{ print $14 + $15 }' /proc/"$1"/stat; }
rss() { awk '/^VmRSS/ { print $2 }' /proc/"$1"/status; }

declare -A c0
for pid in "${pids[@]}"; do
  switches "$pid" >"$work/$pid.before"
  c0[$pid]=$(cpu "$pid")
done
sleep "$seconds"
hz=$(getconf CLK_TCK)
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
printf '%-26s %14s %16s %10s\n' "over ${seconds} s, clock on" "wake-ups/s" "CPU time" "RSS"
names=("Tessaro on X11" "Tessaro on Wayland" "bare Qt, 10 ms timer")
for i in 0 1 2; do
  pid=${pids[$i]}
  kill -0 "$pid" 2>/dev/null || { echo "${names[$i]} ended early" >&2; exit 1; }
  switches "$pid" >"$work/$pid.after"
  awk -v name="${names[$i]}" -v s="$(woken "$work/$pid.before" "$work/$pid.after")" \
      -v c="$(( $(cpu "$pid") - c0[$pid] ))" -v hz="$hz" -v t="$seconds" -v rss="$(rss "$pid")" \
      'BEGIN { printf "%-26s %14.1f %9d ms %4.2f%% %7.1f MB\n", name, s / t, c * 1000 / hz, c * 100 / hz / t, rss / 1024 }'
done
