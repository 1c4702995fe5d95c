#!/usr/bin/env bash
# Builds Qt for the browser (WebAssembly, static, one thread) with Debian's Emscripten from
# Debian's own source of the Qt that the Linux build uses, once: the result is kept in a cache
# folder named after the Qt version, the Emscripten version and this script's configure line,
# and a later run with the same three reuses it. Prints the folder that holds the built Qt.
#   scripts/web-qt.sh
# The cache is $TESSARO_CACHE, else ~/.cache/tessaro. A prebuilt Qt of the same key that
# ../shared/cache offers is taken as it is; else Qt's source comes from the mirror this machine
# gets its packages from (scripts/qt-source.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/qt-source.sh
source scripts/web-env.sh
cache=${TESSARO_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tessaro}
version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
emscripten=$(dpkg-query -W -f='${Version}' emscripten)

# Only what the game uses: Core, Gui, Widgets and the browser's platform. Linux's moc, rcc and
# uic serve as the host's tools. A page has one thread, no sockets of Qt's own, no D-Bus and no
# printer; the fonts are Qt's own (the game brings its own), and the libraries Qt bundles are
# built in, since the browser has none of the system's.
configure=(
  -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF
  -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_thread=OFF -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF
  -DFEATURE_testlib=OFF -DFEATURE_concurrent=OFF -DFEATURE_printsupport=OFF -DFEATURE_xml=OFF
  -DFEATURE_zstd=OFF -DFEATURE_fontconfig=OFF -DFEATURE_icu=OFF -DFEATURE_pkg_config=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
  -DFEATURE_system_doubleconversion=OFF
)
key=$( (echo "$version"; echo "$emscripten"; printf '%s\n' "${configure[@]}") | sha256sum | cut -c1-16)
qt_build "$cache" "$version" "qt-$version-web-$key" "$EMSCRIPTEN_TOOLCHAIN" "${configure[@]}"
