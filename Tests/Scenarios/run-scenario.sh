#!/usr/bin/env bash
# Runs a replay script and checks what the game prints and draws. Lines of the script:
#   "# expect: LINE"  a line the replay must print
#   "# check: ARGS"   scenario-pixels ARGS must hold, run in the folder the shots were saved in
#   "# config: XML"   the game reads this config.xml, beside links to the rest of the data;
#                     @LANG@ in it stands for $SCENARIO_LANG (En when unset)
#   "# data-file: NAME TEXT"  the data file Data/NAME holds this text instead (a broken file)
#   "# log: LINE"     a line the log of data problems in the player's folder must hold
#   "# own-file: NAME TEXT"   the player's folder holds this file: config/fudemaru/NAME below
#                     XDG_CONFIG_HOME for config.xml, data/fudemaru/NAME below XDG_DATA_HOME else
# Every scenario runs with its own empty player's folder (HOME and the XDG folders in the scratch).
# Usage: run-scenario.sh REPLAY PIXELS SCRIPT [replay options...]
set -u
replay=$1; pixels=$2; script=$3; shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_DATA_HOME=$work/home/data
config=$(sed -n 's/^# config: //p' "$script" | sed "s/@LANG@/${SCENARIO_LANG:-En}/g")
if [ -n "$config" ] || grep -q '^# data-file: ' "$script"; then
  mkdir -p "$work/data/Data"
  for entry in "$(dirname "$replay")"/Data/*; do ln -s "$(realpath "$entry")" "$work/data/Data/"; done
  [ -z "$config" ] || { rm "$work/data/Data/config.xml"; printf '%s\n' "$config" > "$work/data/Data/config.xml"; }
  set -- --data "$work/data/Data" "$@"
fi
# A changed file's folder becomes a folder of links, the file itself a copy of the text.
while read -r name text; do
  dir=$(dirname "$name"); data=$work/data/Data
  if [ "$dir" != . ] && [ -L "$data/$dir" ]; then
    target=$(realpath "$data/$dir"); rm "$data/$dir"; mkdir "$data/$dir"
    for entry in "$target"/*; do ln -s "$entry" "$data/$dir/"; done
  fi
  rm -f "$data/$name"; printf '%s\n' "$text" > "$data/$name"
done < <(sed -n 's/^# data-file: //p' "$script")
while read -r name text; do
  if [ "$name" = config.xml ]; then own=$XDG_CONFIG_HOME/fudemaru/$name; else own=$XDG_DATA_HOME/fudemaru/$name; fi
  mkdir -p "$(dirname "$own")"; printf '%s\n' "$text" > "$own"
done < <(sed -n 's/^# own-file: //p' "$script" | sed "s/@LANG@/${SCENARIO_LANG:-En}/g")

out=$(cd "$work" && "$replay" "$@" "$script" 2>&1)
status=$?
echo "$out"
[ $status -eq 0 ] || { echo "FAIL: replay exited with $status"; exit 1; }
fail=0
while IFS= read -r want; do
  grep -qxF -- "$want" <<<"$out" || { echo "FAIL: expected line '$want'"; fail=1; }
done < <(sed -n 's/^# expect: //p' "$script" | sed "s|@HOME@|$HOME|g")
while IFS= read -r want; do
  grep -qxF -- "$want" "$XDG_DATA_HOME/fudemaru/fudemaru.log" 2>/dev/null || { echo "FAIL: no log line '$want'"; fail=1; }
done < <(sed -n 's/^# log: //p' "$script")
while IFS= read -r args; do
  # shellcheck disable=SC2086  # the arguments are words
  (cd "$work" && "$pixels" $args) || { echo "FAIL: check '$args'"; fail=1; }
done < <(sed -n 's/^# check: //p' "$script")
exit $fail
