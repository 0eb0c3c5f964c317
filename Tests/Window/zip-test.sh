#!/usr/bin/env bash
# The zip handed to Windows players (make windows-zip), made from the program the Wine test
# built: its name carries the version; it holds Fudemaru.exe, the whole Data folder, the
# licences and a README.txt with Windows' line ends naming the keys, the player's folder and
# the licences; and the program in it is the one built. Skipped, exit 77, when the program is not
# built.
# Usage: zip-test.sh SRC
set -u
src=$1; out=$src/build-win
[ -f "$out/Fudemaru.exe" ] || { echo "SKIP: $out/Fudemaru.exe is not built"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT

bash "$src/Tools/Windows/make-zip.sh" "$src" "$out" || fail "make-zip.sh failed"
version=$(sed -n 's/^project(Fudemaru VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")
zipfile=$out/Fudemaru-$version-win64.zip
[ -f "$zipfile" ] || fail "no $zipfile"
unzip -q "$zipfile" -d "$work/x" || fail "the zip does not unpack"

cmp -s "$out/Fudemaru.exe" "$work/x/Fudemaru.exe" || fail "Fudemaru.exe in the zip is not the one built"
diff -r "$out/Data" "$work/x/Data" >/dev/null || fail "Data in the zip differs from build-win/Data"
for f in libpng tinyxml zlib mingw-w64-runtime; do
  [ -s "$work/x/Licences/$f.txt" ] || fail "no Licences/$f.txt"
done
extra=$(cd "$work/x" && ls -A | grep -v -x -e Fudemaru.exe -e Data -e Licences -e README.txt)
[ -z "$extra" ] || fail "more at the zip's top than the program, its folders and README.txt: $extra"

readme=$work/x/README.txt
[ "$(grep -c $'\r$' "$readme")" -eq "$(wc -l <"$readme")" ] || fail "README.txt has lines without Windows' line end"
for want in "Fudemaru $version" 'Escape' 'Page Up' '%APPDATA%\Fudemaru\' 'fudemaru.log' 'Licences' 'csmt'; do
  grep -q -F "$want" "$readme" || fail "README.txt does not say '$want'"
done
echo "$(basename "$zipfile"): $(stat -c %s "$zipfile") bytes, $(unzip -Z1 "$zipfile" | wc -l) entries"
