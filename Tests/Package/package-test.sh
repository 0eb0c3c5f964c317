#!/usr/bin/env bash
# package-test.sh MODE SOURCE BUILD DEB_DIR [PIXELS]: the Debian package's checks.
#   build     makes DEB_DIR/fudemaru_<version>_amd64.deb from BUILD
#   lintian   no error; each warning left is named in README.md, which says why
#   metadata  the unpacked package's layout; desktop-file-validate and appstreamcli pass
#   window    the unpacked package's program reaches the browser in a real window
set -u
mode=$1; src=$2; build=$3; deb_dir=$4; pixels=${5:-}
fail() { echo "FAIL: $*"; exit 1; }

if [ "$mode" = build ]; then
  rm -rf "$deb_dir"
  "$src/Tools/Package/make-deb.sh" "$build" "$deb_dir" || fail "make-deb.sh failed"
  exit 0
fi
deb=$(ls "$deb_dir"/fudemaru_*_amd64.deb 2>/dev/null | head -n1)
[ -n "$deb" ] || fail "no package in $deb_dir"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

case "$mode" in
lintian)
  # As root lintian refuses to run without being told the unpacking is safe here.
  lintian --allow-root --tag-display-limit 0 "$deb" >"$work/lintian.txt" 2>&1
  cat "$work/lintian.txt"
  grep -q '^E: ' "$work/lintian.txt" && fail "lintian found errors"
  for tag in $(sed -n 's/^W: fudemaru[^:]*: \([a-z0-9-]*\).*/\1/p' "$work/lintian.txt" | sort -u); do
    grep -q -- "\`$tag\`" "$src/README.md" || fail "lintian warning $tag is not named in README.md"
  done
  echo "lintian: no error, every warning named in README.md"
  ;;
metadata)
  root=$work/root
  dpkg -x "$deb" "$root" || fail "dpkg -x failed"
  for f in usr/games/fudemaru usr/games/fudemaru-inspect; do
    [ -x "$root/$f" ] || fail "no program $f"
  done
  for f in usr/share/games/fudemaru/Data/kanjidic usr/share/games/fudemaru/Data/NOTICE \
           usr/share/applications/fudemaru.desktop usr/share/metainfo/org.fudemaru.Fudemaru.metainfo.xml \
           usr/share/man/man6/fudemaru.6.gz usr/share/doc/fudemaru/copyright usr/share/doc/fudemaru/changelog.Debian.gz; do
    [ -f "$root/$f" ] || fail "no file $f"
  done
  for size in 16 32 48 256; do
    [ -f "$root/usr/share/icons/hicolor/${size}x${size}/apps/fudemaru.png" ] || fail "no ${size}x${size} icon"
  done
  desktop-file-validate "$root/usr/share/applications/fudemaru.desktop" || fail "desktop-file-validate"
  appstreamcli validate --no-net "$root/usr/share/metainfo/org.fudemaru.Fudemaru.metainfo.xml" || fail "appstreamcli validate"
  # Every kanji list the build ships is in the package, and the installed inspector finds them.
  lists=$(ls "$build/Data/KanjiList" | wc -l)
  [ "$(ls "$root/usr/share/games/fudemaru/Data/KanjiList" | wc -l)" -eq "$lists" ] || fail "kanji lists missing"
  HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/share \
    "$root/usr/games/fudemaru-inspect" check >"$work/check.txt" 2>&1 || { cat "$work/check.txt"; fail "fudemaru-inspect check"; }
  # The manual page gives each key README's table gives, with the same button.
  zcat "$root/usr/share/man/man6/fudemaru.6.gz" >"$work/fudemaru.6"
  sed -n '/^## Keys/,/^## /p' "$src/README.md" | awk -F'|' 'NF > 3 && $2 !~ /Key|---/ && $4 !~ /not used/ {
      gsub(/^ +| +$/, "", $2); gsub(/^ +| +$/, "", $3); print $2 "|" $3 }' >"$work/keys"
  [ -s "$work/keys" ] || fail "no keys found in README.md"
  while IFS='|' read -r key button; do
    line=$(grep -A1 -x -F ".B $key" "$work/fudemaru.6" | sed -n 2p)
    [ -n "$line" ] || fail "the manual page does not give the key $key"
    lower=${line,,}
    [[ -z "$button" || "$lower" == "${button,,}"* ]] || fail "the manual page gives $key as '$line', README as $button"
  done <"$work/keys"
  echo "layout, desktop entry and AppStream file pass; the inspector reads the installed data; the manual page gives README's keys"
  ;;
window)
  root=$work/root
  dpkg -x "$deb" "$root" || fail "dpkg -x failed"
  # The game may keep the player's things: a scratch home, never the real one.
  mkdir -p "$work/home"
  HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/share \
    "$src/Tests/Window/window-test.sh" "$root/usr/games/fudemaru" "$pixels"
  ;;
*) fail "unknown mode $mode" ;;
esac
