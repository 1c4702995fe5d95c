#!/usr/bin/env bash
# Measures the game where speed matters and prints the figures: the benchmarks (day-clock
# ticks, a game day, a save and a load, the main window's refresh), then the day clock's pace
# in real time over five game days.
#   scripts/bench.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/builds.sh
scripts/setup.sh
configure_normal_build >/dev/null
cmake --build build --target benchmarks real_time -j"$(nproc)" >/dev/null
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
build/tests/benchmarks --benchmark_counters_tabular=true
build/tests/real_time 5
