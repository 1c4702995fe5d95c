#!/usr/bin/env bash
# Installs the Debian packages that building, testing and packaging Tessaro need, and any
# further packages named on its command line. Runs apt-get only for what is missing; as root
# directly, otherwise through sudo.
#   scripts/setup.sh [PACKAGE...]
# libc6-dbg names the dynamic loader's functions for the leak check: the loader grows each
# thread's table of thread-local blocks (__tls_get_addr) when a plugin with thread-local
# storage loads, a table that only the thread's own storage points to. The leak check knows
# that table and passes over it, but only where it can name the function that allocated it;
# without the loader's symbols every window test would fail at exit on its 8 bytes.
set -euo pipefail
packages=("$@" git g++ make cmake qt6-base-dev qt6-qpa-plugins qt6-translations-l10n
  qt6-l10n-tools qt6-tools-dev libgtest-dev libbenchmark-dev libfontconfig-dev libxcb1-dev fonts-wine clang-format libc6-dbg
  dpkg-dev file desktop-file-utils appstream shared-mime-info groff-base
  xvfb openbox x11-utils xdotool dbus at-spi2-core python3-pyatspi python3-gi orca weston mutter qt6-wayland
  libsm-dev)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update
"${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
