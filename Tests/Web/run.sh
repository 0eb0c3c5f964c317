#!/usr/bin/env bash
# Runs one of the web build's Node scripts with the pinned modules of package-lock.json, which
# `npm ci` installs into MODULES_DIR (a build folder) when the lock file changed.
# Usage: run.sh MODULES_DIR SCRIPT.mjs [arguments...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
modules=$1; script=$2; shift 2

command -v node >/dev/null && command -v npm >/dev/null || { echo "FAIL: no node or npm: Tools/setup.sh installs them"; exit 1; }
mkdir -p "$modules"
if ! cmp -s "$here/package-lock.json" "$modules/package-lock.json" || [ ! -d "$modules/node_modules" ]; then
  cp "$here/package.json" "$here/package-lock.json" "$modules/"
  (cd "$modules" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error) || { echo "FAIL: npm ci in $modules"; exit 1; }
fi
NODE_PATH=$modules/node_modules exec node "$here/$script" "$@"
