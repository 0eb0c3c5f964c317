#!/usr/bin/env bash
# The Windows program under Wine, in a real window under Xvfb: built first (Tools/Windows/build.sh,
# which installs what it needs), then its window's title and client size, d leaving the intro for
# the browser, the browser's screenshot against the GLUT program's of the same screen (the same
# card, the same tooltip bar; small differences of drawing allowed), the picture keeping its ratio
# in a window made larger and wider (a black bar on the right), and Escape and the window's
# closing each ending it with exit code 0. Wine's own D3DX is switched off, as a stock Windows has
# none, and so is its command-stream thread (csmt), which on a loaded machine drops the game to a
# few frames a second. Skipped, exit 77, only when Wine cannot start at all.
# Usage: wine-test.sh SRC HOST_BUILD MACFUDEMARU PIXELS [WERROR]
set -u
src=$1; host=$2; glut=$3; pixels=$4; werror=${5:-OFF}
out=$src/build-win
work=$(mktemp -d)
source "$(dirname "$0")/xvfb.sh"
xvfb_pid=""; game_pid=""
export WINEPREFIX=$out/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;d3dx9_43=d"
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -x "$wineserver" ] && "$wineserver" -k 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; [ -f "$work/game.log" ] && tail -n 20 "$work/game.log"; [ -n "$game_pid" ] && ! kill -0 "$game_pid" 2>/dev/null && echo "(the program had ended)"; exit 1; }
now() { date +%s.%N; }
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.2f", b - a }'; }

echo "building the Windows program in $out"
bash "$src/Tools/Windows/build.sh" "$src" "$out" "$host/Data" "$werror" >"$work/build.log" 2>&1 ||
  { tail -n 30 "$work/build.log"; fail "the Windows build failed"; }
echo "Fudemaru.exe: $(stat -c %s "$out/Fudemaru.exe") bytes"

start_xvfb || fail "Xvfb did not start"

# The prefix is made once and kept in the build folder; Wine is slow to start the first time.
booted=no
for try in 1 2 3; do
  if timeout 180 "$wine" wineboot -i >"$work/wineboot.log" 2>&1; then booted=yes; break; fi
  echo "wineboot: try $try failed"; "$wineserver" -k 2>/dev/null; sleep 2
done
if [ $booted = no ]; then
  tail -n 20 "$work/wineboot.log"
  echo "SKIP: Wine cannot start on this machine"
  exit 77
fi

# The command-stream thread off, as README tells players under Wine (WINE_CSMT=1 keeps it on, to
# compare).
timeout 60 "$wine" reg add 'HKCU\Software\Wine\Direct3D' /v csmt /t REG_DWORD /d "${WINE_CSMT:-0}" /f \
  >"$work/reg.log" 2>&1 || { cat "$work/reg.log"; fail "could not set csmt"; }

shot() { cp "$work/fb/Xvfb_screen0" "$work/$1"; }
press() { xdotool keydown "$1"; sleep 0.3; xdotool keyup "$1"; }
# The browser's front card: its left edge with the red inner line, at (150, 100) in the window.
card_at() { "$pixels" none "$work/$1" $(($2 + 150)) $(($3 + 100)) 8 80 D85E48 >/dev/null; [ $? -eq 1 ]; }
# The tooltip bar, which the intro draws in its first frame.
bar_at() { "$pixels" none "$work/$1" $(($2 + 4)) $(($3 + 250)) 64 16 3634C6 >/dev/null; [ $? -eq 1 ]; }
# The first visible window of that title, searched again for up to $2 seconds: a search over
# windows that Wine creates and destroys meanwhile can fail with BadWindow, and is then retried.
find_window() {
  local found=""
  for _ in $(seq $(($2 * 4))); do
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1)
    [ -n "$found" ] && break
    sleep 0.25
  done
  echo "$found"
}
origin() { xwininfo -id "$1" | awk '/Absolute upper-left X:/{x=$4} /Absolute upper-left Y:/{y=$4} END{print x, y}'; }
size() { xwininfo -id "$1" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}'; }

# Starts the Windows program and waits for its window and first frame: sets win, wx, wy.
start_wine() {
  # A server still winding down from the last run would hold the new one up.
  local start try
  # NOTE: on a loaded machine Wine now and then starts no window at all (a server of the last
  # run that had not quite gone): then everything of Wine is stopped and the program started
  # once more.
  for try in 1 2; do
    timeout 30 "$wineserver" -w 2>/dev/null || "$wineserver" -k 2>/dev/null
    start=$(now)
    (cd "$out" && exec "$wine" Fudemaru.exe) >"$work/game.log" 2>&1 &
    game_pid=$!
    win=$(find_window '^Fudemaru v2\.2$' 60)
    [ -n "$win" ] && break
    echo "start $try: no window after 60 s"
    kill "$game_pid" 2>/dev/null; "$wineserver" -k 2>/dev/null; wait "$game_pid" 2>/dev/null; game_pid=""
  done
  [ -n "$win" ] || fail "no window titled 'Fudemaru v2.2'"
  read -r wx wy <<<"$(origin "$win")"
  for _ in $(seq 600); do shot frame.xwd; bar_at frame.xwd "$wx" "$wy" && break; sleep 0.1; done
  bar_at frame.xwd "$wx" "$wy" || fail "nothing drawn in the window"
  echo "Fudemaru.exe: first frame $(since "$start") s after the start"
  xdotool windowfocus --sync "$win" 2>/dev/null || true
  sleep 0.5
}

# Leaves the intro with d and waits for the browser's card; then takes its shot.
to_browser() {
  local name=$1 x=$2 y=$3 start
  shot "$name-intro.xwd"
  press d; start=$(now)
  for i in $(seq 600); do
    shot "$name.xwd"
    card_at "$name.xwd" "$x" "$y" && break
    # Wine may drop the first key while the window takes the focus: d again, while the intro shows.
    if [ $((i % 50)) -eq 0 ] && "$pixels" same "$work/$name-intro.xwd" "$work/$name.xwd" $((x + 90)) $((y + 76)) 300 120 >/dev/null; then
      press d
    fi
    sleep 0.1
  done
  card_at "$name.xwd" "$x" "$y" || fail "$name: no kanji card after releasing d at the intro"
  echo "$name: the browser $(since "$start") s after d"
  # The cards slide in: the shot is taken once two in a row are the same (a slow machine draws
  # few frames a second).
  for _ in $(seq 60); do
    sleep 0.5
    shot "$name-next.xwd"
    "$pixels" same "$work/$name.xwd" "$work/$name-next.xwd" "$x" "$y" 480 272 >/dev/null && break
    mv "$work/$name-next.xwd" "$work/$name.xwd"
  done
}

# Waits for the program to end; its exit code must be 0.
ended() {
  for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$game_pid" 2>/dev/null && fail "$1 did not end the program within 10 seconds"
  wait "$game_pid"; local status=$?
  game_pid=""
  [ $status -eq 0 ] || fail "exit code $status after $1"
  echo "$1: exit code 0"
}

start_wine
[ "$(size "$win")" = "480x272" ] || fail "client size is $(size "$win"), not 480x272"
echo "window $win 'Fudemaru v2.2': 480x272"
to_browser wine "$wx" "$wy"
"$pixels" crop "$work/wine.xwd" "$wx" "$wy" 480 272 "$out/wine-browser.png" >/dev/null

# A window of 1000 x 544 holds the picture at twice its size, 960 x 544, at its left, and black on
# the right: the tooltip bar reaches x 960, not the window's edge.
xdotool windowsize "$win" 1000 544
for _ in $(seq 100); do [ "$(size "$win")" = 1000x544 ] && break; sleep 0.1; done
[ "$(size "$win")" = 1000x544 ] || fail "the window was not resized: $(size "$win")"
read -r wx wy <<<"$(origin "$win")"
for _ in $(seq 100); do
  sleep 0.2; shot large.xwd
  "$pixels" none "$work/large.xwd" $((wx + 8)) $((wy + 500)) 128 32 3634C6 >/dev/null || break
done
"$pixels" none "$work/large.xwd" $((wx + 8)) $((wy + 500)) 128 32 3634C6 >/dev/null &&
  fail "no tooltip bar at twice its place in the larger window"
"$pixels" none "$work/large.xwd" $((wx + 300)) $((wy + 200)) 16 160 D85E48 >/dev/null &&
  fail "no card at twice its place in the larger window"
"$pixels" none "$work/large.xwd" $((wx + 966)) $((wy + 500)) 34 32 3634C6 >/dev/null ||
  fail "the picture is stretched past its ratio into the bar on the right"
"$pixels" crop "$work/large.xwd" "$wx" "$wy" 1000 544 "$out/wine-large.png" >/dev/null
echo "resized to 1000x544: the picture at 960x544, a black bar on the right"
press Escape
ended Escape

# The same screen drawn by the GLUT program.
"$glut" >"$work/glut.log" 2>&1 &
game_pid=$!
gwin=$(find_window '^Fudemaru Mac$' 20)
[ -n "$gwin" ] || fail "no GLUT window"
read -r gx gy <<<"$(origin "$gwin")"
xdotool windowfocus --sync "$gwin" 2>/dev/null || true
sleep 1
to_browser glut "$gx" "$gy"
"$pixels" crop "$work/glut.xwd" "$gx" "$gy" 480 272 "$out/glut-browser.png" >/dev/null
kill "$game_pid"; wait "$game_pid" 2>/dev/null; game_pid=""

# Both shots stay beside the program for a look: wine-browser.png, glut-browser.png.
# Same card, same tooltip bar, at the same places: a missing or moved card differs in far more
# than these shares of its pixels.
"$pixels" like "$work/wine.xwd" $((wx + 150)) $((wy + 60)) "$work/glut.xwd" $((gx + 150)) $((gy + 60)) 180 155 3 ||
  fail "the front card differs from the GLUT program's"
"$pixels" like "$work/wine.xwd" "$wx" $((wy + 240)) "$work/glut.xwd" "$gx" $((gy + 240)) 480 32 3 ||
  fail "the tooltip bar differs from the GLUT program's"
"$pixels" like "$work/wine.xwd" "$wx" "$wy" "$work/glut.xwd" "$gx" "$gy" 480 272 3 ||
  fail "the browser differs from the GLUT program's"
echo "the browser under Wine matches the GLUT program's: same card, same tooltip bar"

# Closing the window ends the program too (Alt+F4 closes it, as on Windows).
start_wine
xdotool key alt+F4
ended "closing the window"

# Without its Data folder (the program alone in a folder) it shows a message box naming the folder
# it looked in, instead of a black window, and ends with code 1 once the box is closed.
mkdir "$work/alone"
cp "$out/Fudemaru.exe" "$work/alone/"
timeout 30 "$wineserver" -w 2>/dev/null || "$wineserver" -k 2>/dev/null
(cd "$work/alone" && exec "$wine" Fudemaru.exe) >"$work/game.log" 2>&1 &
game_pid=$!
box=$(find_window '^Fudemaru v2\.2$' 60)
[ -n "$box" ] || fail "no message box without the Data folder"
read -r bx by <<<"$(origin "$box")"
[ "$(size "$box")" != 480x272 ] || fail "the game's window opened without the Data folder"
[ "$(xdotool search --onlyvisible --name '^Fudemaru v2\.2$' 2>/dev/null | wc -l)" -eq 1 ] ||
  fail "another window opened beside the message box"
sleep 1
shot nodata.xwd
"$pixels" crop "$work/nodata.xwd" "$bx" "$by" "$(size "$box" | cut -dx -f1)" "$(size "$box" | cut -dx -f2)" \
  "$out/wine-nodata.png" >/dev/null
xdotool windowfocus --sync "$box" 2>/dev/null || true
xdotool key --window "$box" Return
for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game_pid" 2>/dev/null && fail "closing the message box did not end the program"
wait "$game_pid"; status=$?
game_pid=""
[ $status -eq 1 ] || fail "exit code $status without the Data folder, not 1"
echo "no Data folder: a message box ($(size "$box")), exit code 1 once it is closed"
