#!/usr/bin/env bash
# Sets up, builds and runs every test twice: in the package's build (Release) with warnings as
# errors, and in a build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/builds.sh
scripts/setup.sh

configure_normal_build
cmake --build build -j"$(nproc)"
run_tests build

configure_sanitizer_build
cmake --build build-sanitize -j"$(nproc)"
run_tests build-sanitize
