#!/usr/bin/env bash
# The portable zip as a player unpacks it: under Wine on a virtual X screen, with nothing but
# what the zip holds (no Qt, no MinGW beside it), the start window shows.
#   unpacked.sh TESSARO.zip
set -euo pipefail
zip=$(realpath "$1")
# shellcheck source=wine-screen.sh
source "$(dirname "$0")/wine-screen.sh"

(cd "$work" && unzip -q "$zip")
export WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
wine "$work"/tessaro-*-windows/tessaro.exe &
pid=$!
timeout 240 xdotool search --sync --onlyvisible --name "^Tessaro 1.1$" >/dev/null ||
  fail "the start window of the unpacked zip did not show"
echo "PASS: the start window shows from the unpacked zip"
