#!/usr/bin/env bash
# Builds Tessaro for the browser here, with Debian's Emscripten against a Qt built from Debian's
# own source (scripts/web-qt.sh, once), and tests the page in Debian's Chromium and Firefox ESR:
#   scripts/web.sh
# gives build-web/ (index.html, the game's tessaro.js and tessaro.wasm, the page's script,
# style and icons), which any static web server serves as it is, and
# build-web/tessaro-1.1.0-web.zip, the same with index.html at its root.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh emscripten ninja-build zip unzip xz-utils
source scripts/builds.sh
qt=$(scripts/web-qt.sh)
source scripts/web-env.sh
# The page's icons are drawn by the game's own code, in the Linux build, whose program the tests
# move a saved game through.
[ -f build/CMakeCache.txt ] || configure_normal_build >/dev/null
cmake --build build --target tessaro_icon_files tessaro
cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel -DTESSARO_WERROR=ON \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$EMSCRIPTEN_TOOLCHAIN" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DTESSARO_ICON_TOOL="$PWD/build/packaging/tessaro_icon_files"
cmake --build build-web
cmake --build build-web --target web_zip
tests/web/run.sh build-web
ls -l build-web/tessaro-*-web.zip
