#!/usr/bin/env bash
# Installs the game into a scratch folder as a system install (prefix /usr) would, and checks
# what the desktop relies on: the program among the games, a desktop entry that starts it and
# passes desktop-file-validate, the icon at every size of the theme, metainfo that
# appstreamcli accepts, the saved-game type that a file manager learns, and a manual page that
# groff reads without a warning.
#   installed_files.sh BUILD_FOLDER APP_ID
build=$1
id=$2
source "$(dirname "$0")/scratch.sh"
root=$scratch

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
usr=$root/usr

[ -x "$usr/games/tessaro" ] || fail "the program is not in /usr/games"
"$usr/games/tessaro" --version | grep -qx "Tessaro 1.1.0" || fail "the installed program does not start"

desktop=$usr/share/applications/$id.desktop
[ -f "$desktop" ] || fail "no desktop entry"
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
grep -qx "Exec=/usr/games/tessaro %f" "$desktop" || fail "the entry does not start the installed program with a file"
grep -qx "Icon=$id" "$desktop" || fail "the entry names another icon"
grep -qx "MimeType=application/x-tessaro-save;" "$desktop" || fail "the entry does not open saved games"
grep -qx "Exec=/usr/games/tessaro --continue" "$desktop" || fail "the entry offers no way to continue the last game"

for size in 16 32 48 64 128 256; do
  icon=$usr/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -f "$icon" ] || fail "no icon of $size pixels"
  file -b "$icon" | grep -q "^PNG image data, $size x $size, 8-bit/color RGBA" ||
    fail "the icon of $size pixels is $(file -b "$icon")"
done
grep -q "<svg " "$usr/share/icons/hicolor/scalable/apps/$id.svg" || fail "no scalable icon"

appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml" >/dev/null ||
  fail "appstreamcli rejects the metainfo: $(appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml")"
appstreamcli validate-tree --no-net "$root" >/dev/null ||
  fail "appstreamcli rejects the installed tree: $(appstreamcli validate-tree --no-net "$root")"

# The file manager's view of the saved-game type, built as the system builds it.
update-mime-database "$usr/share/mime" 2>/dev/null
grep -qx "50:application/x-tessaro-save:\*\.tso" "$usr/share/mime/globs2" ||
  fail "*.tso is not a saved game to the MIME database"
grep -qx "application/x-tessaro-save:$id" "$usr/share/mime/icons" || fail "saved games have no icon"

# The manual page in English and in Russian.
for page in "$usr/share/man/man6/tessaro.6.gz" "$usr/share/man/ru/man6/tessaro.6.gz"; do
  [ -f "$page" ] || fail "no manual page $page"
  warnings=$(zcat "$page" | groff -k -t -man -ww -z -Tutf8 2>&1)
  [ -z "$warnings" ] || fail "the manual page $page: $warnings"
  zcat "$page" | grep -q '^\.TH TESSARO 6 ' || fail "the manual page $page is not in section 6"
done
echo "installed files: all present and valid"
