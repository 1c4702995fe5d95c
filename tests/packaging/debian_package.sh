#!/usr/bin/env bash
# Builds the Debian package with CPack and checks its name, its contents and the libraries
# dpkg-shlibdeps found for it.
#   debian_package.sh BUILD_FOLDER APP_ID
build=$1
id=$2
source "$(dirname "$0")/scratch.sh"
out=$scratch

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >/dev/null
package=$out/tessaro_1.1.0_$(dpkg --print-architecture).deb
[ -f "$package" ] || fail "no package $(basename "$package"): $(ls "$out")"

listing=$(dpkg-deb -c "$package" | awk '{print $6}')
expected=(
  ./usr/games/tessaro
  "./usr/share/applications/$id.desktop"
  "./usr/share/metainfo/$id.metainfo.xml"
  "./usr/share/mime/packages/$id.xml"
  "./usr/share/icons/hicolor/scalable/apps/$id.svg"
  ./usr/share/man/man6/tessaro.6.gz
  ./usr/share/man/ru/man6/tessaro.6.gz
)
for size in 16 32 48 64 128 256; do
  expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for path in "${expected[@]}"; do
  grep -qxF "$path" <<<"$listing" || fail "the package lacks $path"
done

depends=$(dpkg-deb -f "$package" Depends)
for library in libc6 libqt6core6 libqt6gui6 libqt6widgets6 fonts-wine qt6-qpa-plugins; do
  grep -q "\b$library\b" <<<"$depends" || fail "the package does not depend on $library: $depends"
done
# A Wayland desktop gets Qt's Wayland platform with the game, and with it sharp windows.
grep -q "\bqt6-wayland\b" <<<"$(dpkg-deb -f "$package" Recommends)" ||
  fail "the package does not recommend qt6-wayland"
[ "$(dpkg-deb -f "$package" Section)" = games ] || fail "the package is not among the games"
echo "package: $(basename "$package") holds all ${#expected[@]} files"
