#!/usr/bin/env bash
# The portable zip as a player unpacks it: under Wine on a virtual X screen, with nothing but
# what the zip holds (no Qt, no MinGW beside it), the start window shows, in Russian for a
# Russian desktop, with Qt's own texts in Russian too.
#   unpacked.sh TESSARO.zip
set -euo pipefail
zip=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../../scripts/virtual-screen.sh
source "$here/../../scripts/virtual-screen.sh"
work=$(mktemp -d)
pid=
cleanup() {
  [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
  stop_virtual_screen
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$work" && unzip -q "$zip")
start_virtual_screen
unset QT_QPA_PLATFORM
export WINEPREFIX=${WINEPREFIX:-$HOME/.wine}-screen WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
export LANG=ru_RU.UTF-8
wine "$work"/tessaro-*-windows/tessaro.exe &
pid=$!
timeout 240 xdotool search --sync --onlyvisible --name "^Tessaro 1.1$" >/dev/null ||
  fail "the start window of the unpacked zip did not show"
echo "PASS: the start window shows from the unpacked zip"
