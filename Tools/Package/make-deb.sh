#!/usr/bin/env bash
# make-deb.sh BUILD OUT: the Debian package of the game built in BUILD, written as
# OUT/fudemaru_<version>_amd64.deb. The package's tree is what `cmake --install` lays out under
# /usr, with the programs stripped, the manual pages and changelog compressed, the copyright
# file, and a control file whose library dependencies dpkg-shlibdeps finds.
set -euo pipefail
build=$(realpath "$1")
mkdir -p "$2"
out=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
root=$stage/root
# Files 0644 and folders 0755, whatever the caller's umask.
umask 022

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
# As dh_strip does: no symbols, no comments, no build notes.
strip --strip-unneeded --remove-section=.comment --remove-section=.note "$root"/usr/games/*

man=$root/usr/share/man/man6
gzip -9n "$man/fudemaru.6"
ln -s fudemaru.6.gz "$man/fudemaru-inspect.6.gz"
doc=$root/usr/share/doc/fudemaru
mkdir -p "$doc"
install -m 0644 "$here/copyright" "$doc/copyright"
gzip -9n <"$build/Package/changelog.Debian" >"$doc/changelog.Debian.gz"
chmod 0644 "$doc/changelog.Debian.gz"

# dpkg-shlibdeps reads a source package's control file: a minimal one, in the stage.
mkdir -p "$stage/debian" "$root/DEBIAN"
printf 'Source: fudemaru\n\nPackage: fudemaru\nArchitecture: amd64\n' >"$stage/debian/control"
depends=$(cd "$stage" && dpkg-shlibdeps -O -e root/usr/games/fudemaru -e root/usr/games/fudemaru-inspect \
  2>/dev/null | sed -n 's/^shlibs:Depends=//p')
[ -n "$depends" ] || { echo "make-deb: dpkg-shlibdeps found no dependencies" >&2; exit 1; }
size=$(du -s -k --apparent-size "$root" | cut -f1)
{
  grep -v '^Description:\|^ ' "$build/Package/control"
  echo "Installed-Size: $size"
  echo "Depends: $depends"
  sed -n '/^Description:/,$p' "$build/Package/control"
} >"$root/DEBIAN/control"
(cd "$root" && find usr -type f -print0 | sort -z | xargs -0 md5sum) >"$root/DEBIAN/md5sums"
chmod 0644 "$root/DEBIAN/control" "$root/DEBIAN/md5sums"

version=$(sed -n 's/^Version: //p' "$root/DEBIAN/control")
deb=$out/fudemaru_${version}_amd64.deb
dpkg-deb --root-owner-group -Zxz --build "$root" "$deb" >/dev/null
echo "$deb"
