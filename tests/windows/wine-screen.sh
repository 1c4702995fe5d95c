# shellcheck shell=bash
# Sourced by the tests of the Windows program: a virtual X screen for Wine, a work folder, and
# both gone at the end. The Wine prefix is the test's own, kept between runs: Wine's desktop
# process belongs to the first program of a prefix and stays without a screen where that
# program had none (the offscreen tests). `pid` is the program's, ended with them.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
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
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

start_virtual_screen
unset QT_QPA_PLATFORM
export WINEPREFIX=${WINEPREFIX:-$HOME/.wine}-screen
