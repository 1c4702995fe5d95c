#!/usr/bin/env bash
# Runs a program built for Windows under Wine, as the build and the tests run their own:
#   wine.sh QT_FOLDER PROGRAM.exe [ARGS...]
# Qt's and MinGW's libraries are found through WINEPATH; Qt's variables of the environment are
# passed on (Wine drops the variables that begin with QT_, and hands WINEQT_... to the program
# as QT_...); the offscreen platform finds its fonts in QT_QPA_FONTDIR, by default Wine's.
set -euo pipefail
qt=$1
shift
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
export WINEDEBUG=${WINEDEBUG:--all}
# No offer to install Mono or Gecko, which a prefix's first start would make.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEPATH="$(windows_path "$qt/bin");$(windows_path /usr/lib/gcc/x86_64-w64-mingw32/12-posix);$(windows_path /usr/x86_64-w64-mingw32/lib)"
export QT_QPA_FONTDIR=${QT_QPA_FONTDIR:-/usr/share/wine/fonts}
export QT_QPA_FONTDIR=$(windows_path "$QT_QPA_FONTDIR")
while IFS='=' read -r name _; do
  export "WINE$name=${!name}"
done < <(env | grep -E '^QT_[A-Z_]*=' || true)
exec wine "$@"
