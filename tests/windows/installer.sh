#!/usr/bin/env bash
# The installer as Windows runs it (silently, under Wine): the game lands in Program Files with
# its Start menu entry and its uninstaller, .tso files open in it, and the uninstaller takes
# all of that away again.
#   installer.sh TESSARO-SETUP.exe
set -euo pipefail
setup=$(realpath "$1")
# shellcheck source=wine-screen.sh
source "$(dirname "$0")/wine-screen.sh"
export WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
folder="$WINEPREFIX/drive_c/Program Files/Tessaro 1.1"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tessaro 1.1"
file_type='HKLM\Software\Classes\Tessaro.SavedGame\shell\open\command'
opens_tso() { wine reg query "$file_type" /ve 2>/dev/null | tr -d '\r'; }

wine "$setup" /S
wineserver --wait
[ -f "$folder/tessaro.exe" ] && [ -f "$folder/platforms/qwindows.dll" ] ||
  fail "the installer did not install the game"
[ -f "$menu/Tessaro 1.1.lnk" ] || fail "no Start menu entry"
opens_tso | grep -qF 'tessaro.exe" "%1"' || fail ".tso files do not open in the game"
[ -f "$folder/uninstall.exe" ] || fail "no uninstaller"

# The uninstaller copies itself away and waits for nothing: wait for the folder to go.
wine "$folder/uninstall.exe" /S
wineserver --wait
for _ in $(seq 30); do [ -e "$folder/tessaro.exe" ] || break; sleep 1; done
[ ! -e "$folder" ] || fail "the uninstaller left $(ls "$folder")"
[ ! -e "$menu" ] || fail "the uninstaller left the Start menu entry"
! wine reg query "$file_type" /ve >/dev/null 2>&1 || fail "the uninstaller left the .tso file type"
echo "PASS: the installer installs and uninstalls the game"
