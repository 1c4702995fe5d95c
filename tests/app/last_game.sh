#!/usr/bin/env bash
# The last game survives the program's end, as a player meets it: the real program on a virtual
# X screen with a window manager, its slot in a data folder of its own.
#   last_game.sh PROGRAM SLOT_KEEPER SESSION_MANAGER
set -euo pipefail
program=$1 keeper=$2 manager=$3
source "$(dirname "$0")/../../scripts/virtual-screen.sh"
trap stop_virtual_screen EXIT
start_virtual_screen
start_window_manager
export XDG_DATA_HOME=$virtual_screen_dir/data XDG_CONFIG_HOME=$virtual_screen_dir/config
export LANGUAGE=en LANG=en_GB.UTF-8
slot="$XDG_DATA_HOME/Tessaro 1.1/last-game.tso"
log=$virtual_screen_dir/program.log

full=$virtual_screen_dir/full
fail() {
  echo "FAIL: $*" >&2
  cat "$log" >&2 || true
  kill -KILL "$pid" 2>/dev/null || true
  umount "$full" 2>/dev/null || true
  exit 1
}
# A line of a saved game, counted from 1, and the day it holds (its sixth line).
line_of() { sed -n "$2p" "$1" | tr -d '\r'; }
day_of() { line_of "$1" 6; }
# Until a window of the game with this title shows.
await_window() { timeout 20 xdotool search --sync --onlyvisible --name "$1" >/dev/null || fail "no window «$1»"; }
# Ends the program with a signal and waits for it.
end_with() {
  kill "-$1" "$pid"
  wait "$pid" || true
}
# Asks the program to end and waits for it, 10 s at most: a game frozen on a file fails.
end_in_time() {
  kill -TERM "$pid"
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  ! kill -0 "$pid" 2>/dev/null || fail "$1: the game did not end when asked"
  wait "$pid" 2>/dev/null || true
}

# No slot yet: --continue says so and shows the start window; nothing is kept from there.
"$program" --continue 2>"$log" &
pid=$!
await_window "^Tessaro 1.1$"
grep -q "No autosaved game found" "$log" || fail "--continue without a slot said nothing"
end_with TERM
[ ! -e "$slot" ] || fail "the start window kept a game"

# A new game played 40 s and killed: the slot holds it at most 30 s of play behind (a day is
# 2.41 s: 40 s are some 16 days, 30 s some 12).
"$program" 2>"$log" &
pid=$!
await_window "^Tessaro 1.1$"
xdotool type --delay 20 Ivan
xdotool key Return
sleep 40
end_with KILL
[ -e "$slot" ] || fail "no slot after 40 s of play"
killed_day=$(day_of "$slot")
[ "$killed_day" -ge 4 ] && [ "$killed_day" -le 18 ] || fail "the slot holds day $killed_day"

# --continue starts it, and SIGTERM keeps it as it stands: a few days later, not a new game.
"$program" --continue 2>"$log" &
pid=$!
await_window "^Tessaro 1.1$"
sleep 5
end_with TERM
termed_day=$(day_of "$slot")
[ "$termed_day" -gt "$killed_day" ] && [ "$termed_day" -le $((killed_day + 3)) ] ||
  fail "continued from day $killed_day, kept day $termed_day"
[ "$(sed -n 1p "$slot" | tr -d '\r')" = Ivan ] || fail "the slot holds another player"

# Play in an activity window is kept too. The shop holds the day clock, and nothing changes by
# itself there: a purchase made some 5 s after the game was last kept (here, when it was
# continued) and nothing after it is kept at the latest 30 s after that.
"$program" --continue 2>"$log" &
pid=$!
await_window "^Tessaro 1.1$"
xdotool key Tab Tab Return
await_window "^Computer Parts$"
# Opened by a key, the shop starts with its first part in hand.
sleep 4
xdotool key Return
sleep 35
end_with KILL
[ "$(line_of "$slot" 23)" = 1 ] || fail "the part bought in the shop was not kept"
[ "$(day_of "$slot")" -le $((termed_day + 2)) ] || fail "days passed in the shop"

# A game over empties the slot only where the slot holds it. A friend's won game, opened from
# its file, leaves the slot as it was.
cp "$slot" "$virtual_screen_dir/keeper.tso"
sed '10s/^[0-9]*/1001/' "$slot" >"$virtual_screen_dir/friend-won.tso"
"$program" "$virtual_screen_dir/friend-won.tso" 2>"$log" &
pid=$!
await_window "^Congratulations!$"
sleep 2
end_with TERM
cmp -s "$slot" "$virtual_screen_dir/keeper.tso" || fail "a friend's won game took the slot"
# The slot's own game lost, its message waiting: asked to end then, the game is over all the
# same, and nothing is left to continue.
sed -e '5s/^[0-9]*/1/' -e '8s/^[0-9]*/180/' "$virtual_screen_dir/keeper.tso" >"$slot"
"$program" --continue 2>"$log" &
pid=$!
await_window "^Tessaro 1.1$"
sleep 2
end_with TERM
[ ! -e "$slot" ] || fail "a lost game can be continued"

# A link in the slot's place is replaced by the game's own file, never written through.
cp "$virtual_screen_dir/keeper.tso" "$virtual_screen_dir/important.tso"
ln -s "$virtual_screen_dir/important.tso" "$slot"
"$program" 2>"$log" &
pid=$!
await_window "^Tessaro 1.1$"
xdotool type --delay 20 Neo
xdotool key Return
sleep 3
# Asked to end while the save dialog waits: the game as it stood when the dialog opened.
xdotool key ctrl+s
await_window "^Save Game$"
end_with TERM
cmp -s "$virtual_screen_dir/important.tso" "$virtual_screen_dir/keeper.tso" ||
  fail "the game wrote through a link in the slot's place"
[ -f "$slot" ] && [ ! -L "$slot" ] || fail "the link is still the slot"
[ "$(line_of "$slot" 1)" = Neo ] || fail "the save dialog's wait kept another game"

# A folder that takes no file (a limit of file size): the game says so, once, and plays on. What
# it says goes through a pipe, which the limit does not hold.
rm -f "$slot"
bash -c 'ulimit -f 0 && exec "$0"' "$program" 2> >(cat >"$log") &
pid=$!
await_window "^Tessaro 1.1$"
xdotool type --delay 20 Neo
xdotool key Return
sleep 1
end_with TERM
sleep 0.5
[ "$(grep -c "no file can be created" "$log")" = 1 ] && ! grep -q "Another" "$log" ||
  fail "an unwritable slot was not told as it is"

# The desktop's session ends (a session manager of XSMP asks the game to save itself as at a
# logout): the game keeps its game and gives `--continue` as its restart command. The logout
# cancelled, the game goes on.
rm -f "$slot"
mkfifo "$virtual_screen_dir/ask"
"$manager" <"$virtual_screen_dir/ask" >"$virtual_screen_dir/manager.out" 2>&1 &
manager_pid=$!
exec 7>"$virtual_screen_dir/ask"
for _ in $(seq 100); do
  [ -s "$virtual_screen_dir/manager.out" ] && break
  sleep 0.05
done
SESSION_MANAGER=$(head -n 1 "$virtual_screen_dir/manager.out") "$program" --continue 2>"$log" &
pid=$!
await_window "^Tessaro 1.1$"
xdotool type --delay 20 Ivan
xdotool key Return
sleep 3
echo logout >&7
for _ in $(seq 100); do
  grep -q "^restart" "$virtual_screen_dir/manager.out" && break
  sleep 0.05
done
grep -qx "restart $program --continue" "$virtual_screen_dir/manager.out" ||
  fail "the session manager heard: $(cat "$virtual_screen_dir/manager.out")"
[ -e "$slot" ] || fail "the end of the session kept no game"
sleep 1
kill -0 "$pid" 2>/dev/null || fail "the game ended with a logout that was cancelled"
end_with TERM
exec 7>&-
wait "$manager_pid" || true

# A slot that does not load: the usual error, the slot kept aside, the start window.
printf 'not a saved game\r\n' >"$slot"
"$program" --continue 2>"$log" &
pid=$!
await_window "^Tessaro 1.1$"
sleep 1
xdotool key Return
sleep 1
end_with TERM
[ ! -e "$slot" ] || fail "the unreadable slot is still the slot"
aside=$(find "$XDG_DATA_HOME/Tessaro 1.1" -name 'last-game-unreadable-*.tso')
[ -n "$aside" ] && grep -q "not a saved game" "$aside" || fail "the unreadable slot was not kept aside"

# A load that fails leaves the game in play with the slot: lost, it leaves nothing to continue.
sed -e '5s/^[0-9]*/6/' "$virtual_screen_dir/keeper.tso" >"$slot"
printf 'garbage\r\n' >"$virtual_screen_dir/garbage.tso"
"$program" --continue 2>"$log" &
pid=$!
await_window "^Tessaro 1.1$"
xdotool key ctrl+o
await_window "^Load Game$"
xdotool type --delay 20 "$virtual_screen_dir/garbage.tso"
xdotool key Return
sleep 1
xdotool key Return
await_window "^Tessaro 1.1$"
sleep 16
end_with TERM
[ ! -e "$slot" ] || fail "a game lost after a failed load can be continued"

# Only a running copy of the game holds the slot. Whatever else is found where its lock should
# be (a pipe, garbage, an empty file, a folder, the lock of a copy that has gone) is taken over:
# the game plays on, keeps its game and lets the lock go as it ends.
lock="$slot.lock"
for stale in pipe garbage empty folder gone; do
  cp "$virtual_screen_dir/keeper.tso" "$slot"
  rm -rf "$lock"
  case $stale in
  pipe) mkfifo "$lock" ;;
  garbage) printf 'not a lock\n' >"$lock" ;;
  empty) : >"$lock" ;;
  folder) mkdir "$lock" ;;
  gone)
    sleep 0 &
    gone=$!
    wait "$gone"
    printf '%s\ntessaro\n%s\n' "$gone" "$(hostname)" >"$lock"
    ;;
  esac
  "$program" --continue 2>"$log" &
  pid=$!
  await_window "^Tessaro 1.1$"
  sleep 3
  end_in_time "a lock that is $stale"
  [ "$(day_of "$slot")" -gt "$(day_of "$virtual_screen_dir/keeper.tso")" ] ||
    fail "a lock that is $stale kept the game from the slot"
  ! grep -q "Another" "$log" || fail "a lock that is $stale was taken for another copy's"
  [ ! -e "$lock" ] || fail "the game left its lock behind"
done

# A game lost on a full disk leaves nothing to continue: deleting takes no room, though no lock
# can be made there.
if mkdir -p "$full" && mount -t tmpfs -o size=64k tmpfs "$full" 2>/dev/null; then
  mkdir -p "$full/Tessaro 1.1"
  sed -e '5s/^[0-9]*/1/' -e '8s/^[0-9]*/180/' "$virtual_screen_dir/keeper.tso" >"$full/Tessaro 1.1/last-game.tso"
  dd if=/dev/zero of="$full/filler" bs=4k 2>/dev/null || true
  XDG_DATA_HOME=$full "$program" --continue 2>"$log" &
  pid=$!
  await_window "^Tessaro 1.1$"
  sleep 3
  end_with TERM
  [ ! -e "$full/Tessaro 1.1/last-game.tso" ] || fail "a game lost on a full disk can be continued"
  umount "$full"
else
  echo "skipped the full disk: no tmpfs can be mounted here (needs root)"
fi

# «Новая» starts the new program with the options this one was given, not the game it left.
rm -f "$slot"
LANGUAGE=ru LANG=ru_RU.UTF-8 "$program" --language en 2>"$log" &
pid=$!
await_window "^Tessaro 1.1$"
xdotool type --delay 20 Ivan
xdotool key Return
sleep 1
xdotool key alt+g n
wait "$pid" || true
pid=
for _ in $(seq 100); do
  for process in /proc/[0-9]*; do
    [ "$(tr '\0' ' ' <"$process/cmdline" 2>/dev/null | cut -d' ' -f1)" = "$program" ] &&
      pid=${process#/proc/}
  done
  [ -n "$pid" ] && break
  sleep 0.1
done
[ -n "$pid" ] || fail "«Новая» started no program"
[ "$(tr '\0' ' ' <"/proc/$pid/cmdline")" = "$program --language en " ] ||
  fail "«Новая» started: $(tr '\0' ' ' <"/proc/$pid/cmdline")"
end_in_time "the new game"

# Killed at 100 random moments while it keeps its game as fast as it can: every slot left
# behind loads.
rm -f "$slot"
kept=0
for round in $(seq 100); do
  "$keeper" "$slot" 2>>"$log" &
  pid=$!
  sleep "0.0$((RANDOM % 90 + 10))"
  kill -KILL "$pid"
  wait "$pid" 2>/dev/null || true
  [ -e "$slot" ] || continue
  # The day it loads with (a leak check's word at exit is not the slot's).
  day=$("$keeper" --check "$slot" 2>>"$log" || true)
  [[ "$day" =~ ^[0-9]+$ ]] || fail "round $round left a slot that does not load"
  kept=$((kept + 1))
done
[ "$kept" -gt 90 ] || fail "the keeper kept a game in $kept rounds of 100"
echo "the last game survives"
