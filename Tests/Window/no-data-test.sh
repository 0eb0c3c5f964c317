#!/usr/bin/env bash
# The real program without its Data folder beside it (a copy of it alone in a folder), in a virtual
# X screen: it opens no window, says on standard error which folder it looked in, and exits with
# a code other than 0. Then --version and --help, which need no screen: the folders --help names
# are the ones the game reads (the data beside the program, the player's XDG folders).
set -u
program=$1
work=$(mktemp -d)
source "$(dirname "$0")/xvfb.sh"
xvfb_pid=""
cleanup() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

start_xvfb || fail "Xvfb did not start"
mkdir "$work/alone"
cp "$program" "$work/alone/MacFudemaru"
timeout 10 "$work/alone/MacFudemaru" >"$work/out" 2>"$work/err"
status=$?
[ $status -ne 0 ] && [ $status -ne 124 ] || fail "exit code $status without a Data folder"
grep -qF "Fudemaru cannot start: it found no Data folder at $work/alone/Data." "$work/err" ||
  { cat "$work/err"; fail "the message does not name $work/alone/Data"; }
[ -z "$(xdotool search --name 'Fudemaru' 2>/dev/null)" ] || fail "a window was opened"
echo "no Data folder: exit code $status, no window; $(head -n1 "$work/err")"

unset DISPLAY
out=$(HOME=$work/home XDG_CONFIG_HOME=$work/cfg XDG_DATA_HOME=$work/share "$program" --version) || fail "--version failed"
[[ $out =~ ^Fudemaru\ [0-9] ]] || fail "--version printed '$out'"
out=$(HOME=$work/home XDG_CONFIG_HOME= XDG_DATA_HOME=$work/share "$program" --help) || fail "--help failed"
for want in "Data:          $(dirname "$(realpath "$program")")/Data" \
            "Your settings: $work/home/.config/fudemaru/config.xml" \
            "Your lists:    $work/share/fudemaru/KanjiList/" "  d           Cross: confirm, open"; do
  grep -qxF -- "$want" <<<"$out" || { echo "$out"; fail "--help has no line '$want'"; }
done
"$program" --frobnicate 2>/dev/null; [ $? -eq 2 ] || fail "an unknown option is not refused with code 2"
[ ! -e "$work/home" ] && [ ! -e "$work/share" ] || fail "the player's folder was created"
echo "--version: $(HOME=$work/home "$program" --version); --help names the folders the game reads"
