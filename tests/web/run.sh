#!/usr/bin/env bash
# The page of the game in a real browser: Debian's Chromium, headless, driven by playwright-core
# (the library only: it starts the system's Chromium and downloads no browser), against the
# built page served on a loopback port. The Linux build's program takes part where a saved game
# goes between the two.
#   tests/web/run.sh BUILD_WEB [LINUX_PROGRAM]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
page=$(cd "$1" && pwd)
linux=$(realpath "${2:-$here/../../build/src/tessaro}")
packages=(chromium)
command -v npm >/dev/null || packages+=(nodejs npm)
"$here/../../scripts/setup.sh" "${packages[@]}"
(cd "$here" && npm ci --no-audit --no-fund --loglevel=error)
cd "$here"
TESSARO_PAGE=$page TESSARO_LINUX=$linux node --test page.test.mjs
