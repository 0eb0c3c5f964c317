#!/usr/bin/env bash
# Runs a replay script and checks what the game prints and draws. Lines of the script:
#   "# expect: LINE"  a line the replay must print
#   "# check: ARGS"   scenario-pixels ARGS must hold, run in the folder the shots were saved in
#   "# config: XML"   the game reads this config.xml, beside links to the rest of the data;
#                     @LANG@ in it stands for $SCENARIO_LANG (En when unset)
# Usage: run-scenario.sh REPLAY PIXELS SCRIPT [replay options...]
set -u
replay=$1; pixels=$2; script=$3; shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

config=$(sed -n 's/^# config: //p' "$script" | sed "s/@LANG@/${SCENARIO_LANG:-En}/g")
if [ -n "$config" ]; then
  mkdir -p "$work/data/Data"
  for entry in "$(dirname "$replay")"/Data/*; do
    [ "$(basename "$entry")" = config.xml ] || ln -s "$(realpath "$entry")" "$work/data/Data/"
  done
  printf '%s\n' "$config" > "$work/data/Data/config.xml"
  set -- --data "$work/data/Data" "$@"
fi

out=$(cd "$work" && "$replay" "$@" "$script" 2>&1)
status=$?
echo "$out"
[ $status -eq 0 ] || { echo "FAIL: replay exited with $status"; exit 1; }
fail=0
while IFS= read -r want; do
  grep -qxF -- "$want" <<<"$out" || { echo "FAIL: expected line '$want'"; fail=1; }
done < <(sed -n 's/^# expect: //p' "$script")
while IFS= read -r args; do
  # shellcheck disable=SC2086  # the arguments are words
  (cd "$work" && "$pixels" $args) || { echo "FAIL: check '$args'"; fail=1; }
done < <(sed -n 's/^# check: //p' "$script")
exit $fail
