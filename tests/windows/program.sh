#!/usr/bin/env bash
# The game built for Windows, as a player meets it, under Wine on a virtual X screen: the start
# window shows, a Cyrillic name starts a game that the save dialog (the system's own) writes in
# Windows-1251, and a saved game made on Linux comes back byte for byte through the game's own
# reader and writer; a lock left by a killed game is taken over.
#   program.sh WINE_WRAPPER QT_FOLDER TESSARO.EXE ROUND_TRIP.EXE LINUX_GAME.tso
set -euo pipefail
wine=("$1" "$2")
program=$3 round_trip=$4 linux_game=$5
# shellcheck source=wine-screen.sh
source "$(dirname "$0")/wine-screen.sh"

# A saved game made by the game on Linux: read and written again on Windows, the same bytes.
"${wine[@]}" "$round_trip" "$(windows_path "$linux_game")" "$(windows_path "$work/again.tso")" ||
  fail "the round trip did not run"
cmp "$linux_game" "$work/again.tso" || fail "Windows wrote the saved game otherwise"
# A save that fails says why in the game's words, from the system's own error.
if "${wine[@]}" "$round_trip" "$(windows_path "$linux_game")" 'Z:\no\such\folder\game.tso' \
    2>"$work/error.txt"; then
  fail "a save into a folder that is not there succeeded"
fi
grep -q "Нет такого файла или папки" "$work/error.txt" ||
  fail "a failed save did not say why: $(cat "$work/error.txt")"

export LANGUAGE=ru
# The prefix is kept between runs: no last game of an earlier run.
find "$WINEPREFIX/drive_c/users" -name 'last-game.tso*' -exec rm -rf {} + 2>/dev/null || true
"${wine[@]}" "$program" --language ru &
pid=$!
# A new Wine prefix starts slowly: wait for the window, not for a time.
timeout 240 xdotool search --sync --onlyvisible --name "^Tessaro 1.1$" >/dev/null ||
  fail "the start window did not show"
sleep 1
# Typed as a player with a Russian keyboard would, through the clipboard: Wine reads the
# keyboard's layout once, and a letter that xdotool maps to a spare key reaches no program.
printf 'Иван' | xclip -selection clipboard
xdotool key ctrl+v Return
# Ctrl+S once the main window has the keyboard, which Wine gives it on a screen with no window
# manager a moment after it shows.
dialog=
for _ in $(seq 20); do
  sleep 2
  xdotool key ctrl+s
  if timeout 3 xdotool search --sync --onlyvisible --name "^Сохранение игры$" >/dev/null; then
    dialog=yes
    break
  fi
done
[ -n "$dialog" ] || fail "no save dialog: the name did not start a game"
sleep 1
xdotool type --delay 30 "$(windows_path "$work/new.tso")"
xdotool key Return
for _ in $(seq 50); do [ -s "$work/new.tso" ] && break; sleep 0.2; done
[ -s "$work/new.tso" ] || fail "the save dialog wrote nothing"
[ "$(head -c 6 "$work/new.tso" | od -An -tx1 | tr -d ' \n')" = "c8e2e0ed0d0a" ] ||
  fail "the name is not «Иван» in Windows-1251: $(head -c 16 "$work/new.tso" | od -An -c)"
[ "$(grep -c $'\r$' "$work/new.tso")" -eq 120 ] || fail "not 120 lines"

# The game keeps itself within 30 s of play and holds the slot's lock. Killed, it leaves the lock
# behind, naming a number that Wine gives to the next program: the next game takes it over, and
# a close request (taskkill without /f) lets it go.
slot=
for _ in $(seq 40); do
  sleep 1
  slot=$(find "$WINEPREFIX/drive_c/users" -name last-game.tso 2>/dev/null | head -n 1)
  [ -n "$slot" ] && [ -e "$slot.lock" ] && break
done
[ -n "$slot" ] || fail "the game kept nothing in 40 s"
"${wine[@]}" taskkill /f /im tessaro.exe >/dev/null 2>&1 || true
wait "$pid" || true
[ -e "$slot.lock" ] || fail "a killed game left no lock to take over"
killed=$(sed -n 6p "$slot")
"${wine[@]}" "$program" --continue &
pid=$!
timeout 60 xdotool search --sync --onlyvisible --name "^Tessaro 1.1$" >/dev/null ||
  fail "the game did not continue"
sleep 5
"${wine[@]}" taskkill /im tessaro.exe >/dev/null 2>&1 || true
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
! kill -0 "$pid" 2>/dev/null || fail "a close request did not end the game"
pid=
[ "$(sed -n 6p "$slot")" != "$killed" ] || fail "the next game did not take the slot over"
[ ! -e "$slot.lock" ] || fail "a closed game left its lock behind"
echo "PASS"
