#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's own source of the Qt that the Linux build uses,
# once: the result is kept in a cache folder named after the Qt version, this script's
# configure line and the toolchain file, and a later run with the same three reuses it.
# Prints the folder that holds the built Qt.
#   scripts/windows-qt.sh
# The cache is $TESSARO_CACHE, else ~/.cache/tessaro. A prebuilt Qt of the same key that
# ../shared/cache offers is taken as it is; else Qt's source comes from the mirror this machine
# gets its packages from (scripts/qt-source.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/qt-source.sh
toolchain=$PWD/packaging/windows/mingw-w64.cmake
cache=${TESSARO_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tessaro}
version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)

# Only what the game and its tests use: Core, Gui, Widgets, Test, the Windows platform and
# style. Linux's moc, rcc, uic and lrelease serve as the host's tools. The tablet headers are
# not in Debian's source; without OpenGL the static GL context must be off as well; the
# DirectWrite font database needs Direct2D.
configure=(
  -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_tabletevent=OFF
  -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_opengl_dynamic=OFF -DFEATURE_dynamicgl=OFF
  -DFEATURE_vulkan=OFF
  -DFEATURE_direct2d=ON -DFEATURE_direct2d1_1=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_icu=OFF -DFEATURE_zstd=OFF
  -DFEATURE_pkg_config=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
)
key=$( (echo "$version"; printf '%s\n' "${configure[@]}"; cat "$toolchain") | sha256sum | cut -c1-16)
qt_build "$cache" "$version" "qt-$version-windows-$key" "$toolchain" "${configure[@]}"
