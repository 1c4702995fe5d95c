#!/usr/bin/env bash
# Sets up, builds and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/builds.sh
scripts/setup.sh
configure_normal_build
cmake --build build --target tessaro -j"$(nproc)"
exec build/src/tessaro "$@"
