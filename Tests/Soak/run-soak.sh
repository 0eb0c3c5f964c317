#!/usr/bin/env bash
# Plays a soak script from fudemaru-soak and checks it: the replay must end normally, and each
# time the game is back on the cards at rest (a print with the browser alone over the intro)
# its screens must hold the same texture slots, palettes and video memory as at the first rest.
# The replay's summary follows: frames, final stack, memory (peak included) and the frames spent
# on each screen.
# Usage: run-soak.sh SOAK REPLAY random SEED FRAMES   or   run-soak.sh SOAK REPLAY tour ROUNDS
set -u
soak=$(realpath "$1"); replay=$(realpath "$2"); shift 2
work=$(mktemp -d)
# A player's folder of its own: what the game saves here no other test reads.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_DATA_HOME=$work/home/data
trap 'rm -rf "$work"' EXIT

"$soak" "$@" > "$work/soak.replay" || { echo "FAIL: fudemaru-soak $*"; exit 1; }
# A small frame and one drawing thread: the soak is about the game, not the driver's speed.
(cd "$work" && LP_NUM_THREADS=0 "$replay" --keep-running --size 120x68 soak.replay) > "$work/out.txt" 2>&1
status=$?
sed -n '/^frames: /,$p' "$work/out.txt"
[ $status -eq 0 ] || { tail -n 40 "$work/out.txt"; echo "FAIL: replay exited with $status"; exit 1; }

awk '
	/^stack: / { browser = ($0 == "stack: CState_Intro CState_KanjiList") }
	/^list: / { empty = ($0 ~ / \(0\)$/) }
	/^memory: / {
		if (!browser) next
		held = $0; sub(/, heap .*/, "", held)
		kind = empty ? "an empty list" : "cards"
		++rests
		if (!(kind in first)) first[kind] = held
		else if (held != first[kind]) { printf "FAIL: at rest %d (%s) %s, at the first rest %s\n", rests, kind, held, first[kind]; bad = 1 }
		last = $0
		if (rests == 1) firstline = $0
	}
	END {
		printf "first rest on the cards: %s\nlast rest on the cards: %s\n", firstline, last
		printf "rests on the cards: %d, each holding what the first held\n", rests
		if (rests < 2) { print "FAIL: fewer than two rests on the cards"; bad = 1 }
		exit bad
	}' "$work/out.txt"
