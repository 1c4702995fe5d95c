#!/usr/bin/env bash
# The translations are complete: lupdate finds no text in the sources that a translation lacks or
# leaves unfinished, and no Russian text of the sources escapes the translation tools (a string
# with a Russian letter outside tr(), QT_TR_NOOP(), GAME_TEXT() or QCoreApplication::translate()).
# The other way round, no English prose is built in code for the Russian game, but the frames of
# a load error that the game has always shown in English.
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
# English prose (two lowercase words in a row) in a string outside the marks. A programmer's
# own words are not the player's: an assertion's message, a saved line's field name, a style
# sheet or a picture's markup.
english=$(find "$sources" -name '*.cpp' -o -name '*.h' | sort | xargs perl -CSD -0777 -ne '
  s{^((?:[^"\n/]|"(?:[^"\\\n]|\\.)*"|/(?!/))*)//.*$}{$1}mg;
  s{static_assert\s*\((?:[^;"]|"(?:[^"\\]|\\.)*")*\);}{}g;
  s{\b(?:flag|number|text|indexed)\(\s*"[^"]*"}{}g;
  while (/((?:\b(?:tr|QT_TR_NOOP|GAME_TEXT)\(|"tessaro",)\s*)?"((?:[^"\\]|\\.)*)"/g) {
    my ($marked, $text) = ($1, $2);
    next if $marked ne "" || $text =~ /\p{Cyrillic}|[<;]/;
    next if $text =~ /^ is not a valid (?:boolean|integer) value|^Cannot (?:create|open) file /;
    print "  $ARGV: \"$text\"\n" if $text =~ /\b[a-z]{2,}\s+[a-z]{2,}\b/;
  }')
if [ -n "$english" ]; then
  echo "English text outside the translation tools' marks (a Russian game would show it):"
  echo "$english"
  status=1
fi
exit $status
