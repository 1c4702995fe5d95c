#!/usr/bin/env bash
# Sets up, builds the game for release and makes its Debian package:
#   build-release/tessaro_1.1.0_<architecture>.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build-release -j"$(nproc)"
(cd build-release && cpack -G DEB)
ls build-release/tessaro_*.deb
