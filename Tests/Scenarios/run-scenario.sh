#!/usr/bin/env bash
# Runs a replay script and checks its "# expect:" lines against what the replay prints.
# Usage: run-scenario.sh REPLAY SCRIPT [replay options...]
set -u
replay=$1; script=$2; shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
out=$(cd "$work" && "$replay" "$@" "$script" 2>&1)
status=$?
echo "$out"
[ $status -eq 0 ] || { echo "FAIL: replay exited with $status"; exit 1; }
fail=0
while IFS= read -r line; do
  want=${line#\# expect: }
  grep -qxF -- "$want" <<<"$out" || { echo "FAIL: expected line '$want'"; fail=1; }
done < <(grep '^# expect: ' "$script")
exit $fail
