#!/usr/bin/env bash
# The real program in a real window under Xvfb: title, client size, Cross leaving the intro for
# the browser and the right arrow turning its cards, taps of 10 ms each taking a step (one made
# while the cards turn too), Triangle opening the main menu and Circle
# closing it, the aspect rule on resize, and Escape ending the process with exit code 0.
# Screenshots are copies of Xvfb's screen file (XWD).
set -u
program=$1; pixels=$2
work=$(mktemp -d)
# A player's folder of its own: what the game saves here no other test reads.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_DATA_HOME=$work/home/data
source "$(dirname "$0")/xvfb.sh"
xvfb_pid=""; game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

start_xvfb || fail "Xvfb did not start"

# The game exits from its frame with its states in place, as it is meant to: under the leak
# checker that exit is left unchecked here; the replay, which plays the same states, ends them.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" "$program" >"$work/game.log" 2>&1 &
game_pid=$!
win=$(timeout 20 xdotool search --sync --onlyvisible --name '^Fudemaru Mac$' | head -n1)
[ -n "$win" ] || { cat "$work/game.log"; fail "no window titled 'Fudemaru Mac'"; }

size() { xwininfo -id "$win" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}'; }
[ "$(size)" = "480x272" ] || fail "client size is $(size), not 480x272"
echo "window $win: 480x272"

# At rest on the intro the program sleeps between its frames. Its main thread's time on a
# processor or waiting for one (/proc/PID/schedstat) over 3 s shows it: a loop that asks the clock
# again and again is awake all the time but for its waits on the X server, whereas a resting one is
# awake for its frames alone. Unlike the CPU share, this does not fall when a loaded machine gives
# the program less time.
awake() { awk '{printf "%.0f\n", $1 + $2}' "/proc/$game_pid/schedstat"; }
cpu() { awk '{print $14 + $15}' "/proc/$game_pid/stat"; }
sleep 1
a0=$(awake); c0=$(cpu); t0=$(date +%s%N)
sleep 3
a1=$(awake); c1=$(cpu); t1=$(date +%s%N)
awake_pct=$(( (a1 - a0) * 100 / (t1 - t0) ))
cpu_pct=$(( (c1 - c0) * 1000000000 / $(getconf CLK_TCK) * 100 / (t1 - t0) ))
echo "at rest on the intro: awake ${awake_pct}% of the time, ${cpu_pct}% of a processor (load $(cut -d' ' -f1 /proc/loadavg))"
[ "$awake_pct" -lt 60 ] || fail "at rest on the intro the program is awake ${awake_pct}% of the time: it does not sleep between frames"

# Keys are sampled once a frame: each one is held long enough for a frame to see it.
press() { xdotool keydown --window "$win" "$1"; sleep 0.3; xdotool keyup --window "$win" "$1"; }
shot() { cp "$work/fb/Xvfb_screen0" "$work/$1"; }
origin=$(xwininfo -id "$win" | awk '/Absolute upper-left X:/{x=$4} /Absolute upper-left Y:/{y=$4} END{print x, y}')
read -r wx wy <<<"$origin"
# The left edge of the front card, with its red inner line; the intro and loading windows lie elsewhere.
card_edge="$((wx + 150)) $((wy + 100)) 8 80 D85E48"
cards="$((wx + 150)) $((wy + 60)) 180 150"

xdotool windowfocus --sync "$win" 2>/dev/null || true
sleep 1
press d
browser=no
for _ in $(seq 50); do
  shot browser.xwd
  "$pixels" none "$work/browser.xwd" $card_edge >/dev/null
  [ $? -eq 1 ] && { browser=yes; break; }
  sleep 0.2
done
[ $browser = yes ] || fail "no kanji card after releasing d at the intro"
sleep 1
shot first.xwd
press Right
sleep 1.5
shot second.xwd
"$pixels" differ "$work/first.xwd" "$work/second.xwd" $cards >/dev/null || fail "the right arrow left the cards as they were"
echo "d leaves the intro for the browser; the right arrow turns the cards"

# Taps of 10 ms, shorter than a frame, each act; so does a tap made while the cards still turn.
# Each check steps away with taps and back with long presses, then compares the cards with the
# picture taken before: a lost tap would leave them elsewhere in the list.
tap() { xdotool keydown --window "$win" "$1" sleep 0.01 keyup --window "$win" "$1"; }
settle() {
  shot settle-a.xwd
  for _ in $(seq 40); do
    sleep 0.4
    shot settle-b.xwd
    "$pixels" same "$work/settle-a.xwd" "$work/settle-b.xwd" $cards >/dev/null && return 0
    cp "$work/settle-b.xwd" "$work/settle-a.xwd"
  done
  return 1
}
back_to_second() {
  for _ in $(seq "$1"); do press Left; settle || fail "the cards never came to rest"; done
  shot back.xwd
  "$pixels" like "$work/rest.xwd" $((wx + 150)) $((wy + 60)) "$work/back.xwd" $((wx + 150)) $((wy + 60)) 180 150 1 >/dev/null
}
settle || fail "the cards never came to rest"
shot rest.xwd
for _ in 1 2 3; do tap Right; settle || fail "the cards never came to rest"; done
back_to_second 3 || fail "three taps of 10 ms did not take three steps"
tap Right; sleep 0.1; tap Right
settle || fail "the cards never came to rest"
back_to_second 2 || fail "a tap during a turn was lost"
echo "taps of 10 ms each take a step, one made during a turn too"

# s opens the main menu, which takes the cards away; f closes it and brings them back.
press s
sleep 1.5
shot menu.xwd
"$pixels" none "$work/menu.xwd" $card_edge >/dev/null || fail "s left the cards in place of the menu"
press f
closed=no
for _ in $(seq 30); do
  shot closed.xwd
  "$pixels" none "$work/closed.xwd" $card_edge >/dev/null
  [ $? -eq 1 ] && { closed=yes; break; }
  sleep 0.2
done
[ $closed = yes ] || fail "f did not close the menu"
echo "s opens the main menu, f closes it"

# Too wide: the window is reshaped again and again until the ratio test passes exactly.
xdotool windowsize "$win" 960 400
for _ in $(seq 50); do [ "$(size)" = "690x391" ] && break; sleep 0.1; done
[ "$(size)" = "690x391" ] || fail "960x400 settled at $(size), not 690x391"
echo "960x400 settles at 690x391"

xdotool key --window "$win" Escape
for _ in $(seq 20); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game_pid" 2>/dev/null && fail "Escape did not end the program within 2 seconds"
wait "$game_pid"; status=$?
game_pid=""
[ $status -eq 0 ] || fail "exit code $status after Escape"
echo "Escape: exit code 0"
