#!/usr/bin/env bash
# Random play over the rules for a long time: 10 000 game days with each of ten seeds, in
# the sanitizer build. A broken promise prints its seed; `build-sanitize/tests/longplay DAYS 1
# SEED` replays it.
#   scripts/soak.sh [DAYS] [SEEDS]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/builds.sh
scripts/setup.sh
configure_sanitizer_build >/dev/null
cmake --build build-sanitize --target longplay -j"$(nproc)" >/dev/null
build-sanitize/tests/longplay "${1:-10000}" "${2:-10}"
