#!/usr/bin/env bash
# Packs the Windows program built in OUT (Tools/Windows/build.sh) into
# OUT/Fudemaru-VERSION-win64.zip: Fudemaru.exe, Data\, Licences\ and README.txt (the keys, the
# player's folder, the licences) at the zip's top (Windows' "Extract all" makes the folder),
# README.txt with Windows' line ends. Prints the zip's path and size.
# Usage: make-zip.sh SRC OUT
set -euo pipefail
src=$1; out=$2
version=$(sed -n 's/^project(Fudemaru VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")
[ -n "$version" ] || { echo "make-zip: no version in $src/CMakeLists.txt" >&2; exit 1; }
for f in Fudemaru.exe Data Licences; do
  [ -e "$out/$f" ] || { echo "make-zip: $out/$f is missing: build it first (make windows)" >&2; exit 1; }
done
command -v zip >/dev/null || bash "$src/Tools/setup.sh"
zipfile=$out/Fudemaru-$version-win64.zip
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$out/Fudemaru.exe" "$stage/"
cp -r "$out/Data" "$out/Licences" "$stage/"
sed "s/@VERSION@/$version/" "$src/Tools/Windows/README.txt.in" | sed 's/$/\r/' >"$stage/README.txt"
rm -f "$zipfile"
# Fixed dates, so that the same files give the same zip.
find "$stage" -exec touch -d 2026-01-01T00:00:00 {} +
(cd "$stage" && zip -q -r -X "$zipfile" Fudemaru.exe Data Licences README.txt)
echo "$zipfile: $(stat -c %s "$zipfile") bytes"
