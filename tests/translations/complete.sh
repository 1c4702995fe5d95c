#!/usr/bin/env bash
# The translations are complete: lupdate finds no text in the sources that a translation lacks or
# leaves unfinished, and no Russian text of the sources escapes the translation tools (a string
# with a Russian letter outside tr(), QT_TR_NOOP(), GAME_TEXT() or QCoreApplication::translate()).
#   complete.sh LUPDATE SOURCE_FOLDER TS_FILE... -- LUPDATE_OPTIONS...
set -euo pipefail
lupdate=$1 sources=$2
shift 2
ts_files=()
while [ "$1" != -- ]; do ts_files+=("$1"); shift; done
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

for ts in "${ts_files[@]}"; do
  copy=$work/$(basename "$ts")
  cp "$ts" "$copy"
  "$lupdate" "$@" "$sources" -ts "$copy" >/dev/null 2>&1
  # Each message's source and the state of its translation, one per line.
  unfinished=$(perl -0777 -ne 'while (/<source>([^<]*)<\/source>\s*<translation type="(unfinished|vanished|obsolete)"/sg) { print "  $2: $1\n" }' "$copy")
  if [ -n "$unfinished" ]; then
    echo "$(basename "$ts") lacks translations (cmake --build build --target update_translations, then Qt Linguist):"
    echo "$unfinished"
    status=1
  fi
done

# Russian strings that no translation tool reads: code, not comments.
escaped=$(find "$sources" -name '*.cpp' -o -name '*.h' | sort | xargs perl -CSD -ne '
  s{//.*$}{} unless /"[^"]*\/\/[^"]*"/;
  while (/((?:\b(?:tr|QT_TR_NOOP|GAME_TEXT)\(|"tessaro",)\s*)?"((?:[^"\\]|\\.)*)"/g) {
    my ($marked, $text) = ($1, $2);
    print "  $ARGV:$.: \"$text\"\n" if $text =~ /\p{Cyrillic}/ && $marked eq "";
  }
  close ARGV if eof;')
if [ -n "$escaped" ]; then
  echo "Russian text outside the translation tools' marks:"
  echo "$escaped"
  status=1
fi
exit $status
