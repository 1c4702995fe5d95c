#!/usr/bin/env bash
# The page of the game in real browsers, against the built page served on a loopback port:
# Debian's Chromium, headless, driven by playwright-core, and Debian's Firefox ESR, driven by
# puppeteer-core, in a window on a virtual X screen of its own (headless Firefox draws no WebGL
# here). Both libraries are the libraries only: they start the system's browsers and download
# none. The Linux build's program takes part where a saved game goes between the page and Linux.
#   tests/web/run.sh BUILD_WEB [LINUX_PROGRAM]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
page=$(cd "$1" && pwd)
linux=$(realpath "${2:-$here/../../build/src/tessaro}")
packages=(chromium firefox-esr libgl1-mesa-dri)
command -v npm >/dev/null || packages+=(nodejs npm)
"$here/../../scripts/setup.sh" "${packages[@]}"
(cd "$here" && npm ci --no-audit --no-fund --loglevel=error)
cd "$here"
export TESSARO_PAGE=$page
# One browser at a time: the start window's time is measured.
TESSARO_LINUX=$linux node --test page.test.mjs
source "$here/../../scripts/virtual-screen.sh"
trap stop_virtual_screen EXIT
start_virtual_screen
node --test firefox.test.mjs
