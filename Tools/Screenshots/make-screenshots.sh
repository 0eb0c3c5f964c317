#!/usr/bin/env bash
# Makes the README's screenshots: runs screenshots.replay on the built game, in English, into
# docs/screenshots, and checks that each screen was reached (its "# expect:" lines).
# Usage: make-screenshots.sh BUILD OUT
set -eu
build=$(realpath "$1"); out=$2
script=$(realpath "$(dirname "$0")/screenshots.replay")
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
mkdir -p "$data/Data" "$out"
for entry in "$build"/Data/*; do
  [ "$(basename "$entry")" = config.xml ] || ln -s "$entry" "$data/Data/"
done
printf '<Config Lang="En" StartupList="Grade 1" QuizCardCount="10"/>\n' > "$data/Data/config.xml"
printed=$(cd "$out" && "$build/fudemaru-replay" --data "$data/Data" "$script")
fail=0
while IFS= read -r want; do
  grep -qxF -- "$want" <<<"$printed" || { echo "screenshots: not reached: '$want'"; fail=1; }
done < <(sed -n 's/^# expect: //p' "$script")
[ $fail -eq 0 ] && ls "$out"/*.png
exit $fail
