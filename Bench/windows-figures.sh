#!/usr/bin/env bash
# Figures of the Windows program beside the GLUT program's, on this machine, under Xvfb: each
# program's size, the time from its start to its first frame (the tooltip bar on screen; median
# of 5 starts, the screen read every few milliseconds), Fudemaru.exe's frames a second on the
# browser at rest (counted by Wine's fps channel over 10 seconds) and its process's CPU use
# (Wine's drawing thread and Mesa's llvmpipe threads included; the drawing thread spins while
# it waits, so this is no frame cost), and the OpenGL build's time a frame on the same browser,
# drawn offscreen by fudemaru-replay back to back with the same driver.
# Usage: Bench/windows-figures.sh (after make windows; from the source folder)
set -u
src=$(pwd); out=$src/build-win; host=$src/build
pixels=$host/Tests/bin/scenario-pixels
work=$(mktemp -d)
source "$src/Tests/Window/xvfb.sh"
xvfb_pid=""; game_pid=""
export WINEPREFIX=$out/wineprefix WINEDLLOVERRIDES="mscoree,mshtml="
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  "$wineserver" -k 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

start_xvfb || { echo "Xvfb did not start"; exit 1; }

now() { date +%s.%N; }
bar_at() { cp "$work/fb/Xvfb_screen0" "$work/s.xwd"; "$pixels" none "$work/s.xwd" $(($1 + 4)) $(($2 + 250)) 64 16 3634C6 >/dev/null; [ $? -eq 1 ]; }
origin() { xwininfo -id "$1" | awk '/Absolute upper-left X:/{x=$4} /Absolute upper-left Y:/{y=$4} END{print x, y}'; }

# Seconds from the start to the first frame of one run; $1 the title, then the command.
first_frame() {
  local title=$1; shift
  local start; start=$(now)
  "$@" >/dev/null 2>&1 &
  game_pid=$!
  local win; win=$(timeout 60 xdotool search --sync --onlyvisible --name "$title" | head -n1)
  read -r x y <<<"$(origin "$win")"
  until bar_at "$x" "$y"; do :; done
  awk -v a="$start" -v b="$(now)" 'BEGIN { printf "%.2f\n", b - a }'
  kill "$game_pid"; wait "$game_pid" 2>/dev/null; game_pid=""
  "$wineserver" -k 2>/dev/null; sleep 1
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

echo "Fudemaru.exe: $(stat -c %s "$out/Fudemaru.exe") bytes (static, stripped)"
strip -o "$work/MacFudemaru" "$host/MacFudemaru"
echo "MacFudemaru: $(stat -c %s "$host/MacFudemaru") bytes, $(stat -c %s "$work/MacFudemaru") stripped (shared libraries apart)"
"$wine" wineboot -i >/dev/null 2>&1
wine_first=$(for _ in 1 2 3 4 5; do (cd "$out" && WINEDEBUG=-all first_frame '^Fudemaru v2\.2$' "$wine" Fudemaru.exe); done | median)
glut_first=$(for _ in 1 2 3 4 5; do first_frame '^Fudemaru Mac$' "$host/MacFudemaru"; done | median)
echo "start to first frame: Fudemaru.exe under Wine ${wine_first} s, MacFudemaru ${glut_first} s (median of 5)"

# The browser at rest under Wine.
(cd "$out" && WINEDEBUG=fps exec "$wine" Fudemaru.exe) >"$work/fps.log" 2>&1 &
game_pid=$!
win=$(timeout 60 xdotool search --sync --onlyvisible --name '^Fudemaru v2\.2$' | head -n1)
read -r x y <<<"$(origin "$win")"
until bar_at "$x" "$y"; do sleep 0.1; done
xdotool windowfocus --sync "$win"; sleep 0.5
# d again until the front card shows (a key let go within one long frame is not seen).
card_at() { cp "$work/fb/Xvfb_screen0" "$work/s.xwd"; "$pixels" none "$work/s.xwd" $((x + 150)) $((y + 100)) 8 80 D85E48 >/dev/null; [ $? -eq 1 ]; }
until card_at; do xdotool keydown d; sleep 0.3; xdotool keyup d; sleep 5; done
sleep 5
cpu() { awk '{ print $14 + $15 }' "/proc/$game_pid/stat"; }
presents() { grep -c 'wined3d_cs_exec_present' "$work/fps.log"; }
c0=$(cpu); f0=$(presents); t0=$(now)
sleep 10
c1=$(cpu); f1=$(presents); t1=$(now)
# The fps channel reports once a second or so: frames are counted from its figures.
frames=$(grep 'wined3d_cs_exec_present' "$work/fps.log" | tail -n $((f1 - f0)) | awk '{ s += $(NF) + 0 } END { print s }' |
         sed 's/fps//')
awk -v c=$((c1 - c0)) -v t0="$t0" -v t1="$t1" -v f="$frames" -v n=$((f1 - f0)) -v hz="$(getconf CLK_TCK)" 'BEGIN {
  fps = f / n; secs = t1 - t0
  printf "Fudemaru.exe on the browser: %.1f frames a second, its process using %.0f%% of a core\n",
         fps, 100 * c / hz / secs }'
kill "$game_pid"; wait "$game_pid" 2>/dev/null; game_pid=""

# The same browser frames of the OpenGL build, offscreen: 1,000 more frames at rest.
printf 'frames 30\ntap Cross\nframes 300\n' >"$work/a.replay"
printf 'frames 30\ntap Cross\nframes 300\nframes 1000\n' >"$work/b.replay"
run_time() { local t; t=$(now); (cd "$work" && "$host/fudemaru-replay" "$1" >/dev/null); awk -v a="$t" -v b="$(now)" 'BEGIN { print b - a }'; }
ta=$(run_time a.replay); tb=$(run_time b.replay)
awk -v a="$ta" -v b="$tb" 'BEGIN { printf "OpenGL build, the browser offscreen: %.2f ms a frame\n", b - a }'
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
