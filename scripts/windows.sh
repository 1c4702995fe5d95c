#!/usr/bin/env bash
# Builds Tessaro for 64-bit Windows here, with Debian's MinGW-w64 against a Qt built from
# Debian's own source (scripts/windows-qt.sh, once), runs its tests under Wine, and leaves the
# portable zip and the installer:
#   scripts/windows.sh
# gives build-windows/tessaro-1.1.0-windows.zip and build-windows/tessaro-1.1.0-setup.exe.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh g++-mingw-w64-x86-64-posix wine wine64 nsis ninja-build googletest zip unzip xz-utils \
  xclip
qt=$(scripts/windows-qt.sh)
# A Wine prefix of the build's own, which the first run sets up (the slowest start).
export WINEPREFIX=${WINEPREFIX:-$PWD/build-windows/wine}
mkdir -p build-windows
cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSARO_WERROR=ON \
  -DTESSARO_SANITIZE=OFF -DTESSARO_FUZZ=OFF -DBUILD_TESTING=ON \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/packaging/windows/mingw-w64.cmake" \
  -DCMAKE_PREFIX_PATH="$qt" -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$PWD/packaging/windows/wine.sh;$qt"
# The prefix is set up once, before the build runs its first program under Wine (the icon
# files, the tests' discovery): programs started together on a new prefix each wait for it.
WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= wineboot --init
wineserver --wait
cmake --build build-windows
# Wine now and then loses a program as it starts ("wine client error: recvmsg: Connection
# reset by peer", a test that ends at once with no output): a test is run a second time before
# it counts as failed; one that fails twice fails.
ctest --test-dir build-windows --output-on-failure --no-tests=error --timeout 600 -j"$(nproc)" \
  --repeat until-pass:2
cmake --build build-windows --target windows_zip windows_installer
tests/windows/unpacked.sh build-windows/tessaro-*-windows.zip
tests/windows/installer.sh build-windows/tessaro-*-setup.exe
ls -l build-windows/tessaro-*-windows.zip build-windows/tessaro-*-setup.exe
