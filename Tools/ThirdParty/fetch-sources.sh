#!/usr/bin/env bash
# Fetches the libraries that the Windows and web builds compile themselves from Debian's source
# packages and unpacks each, Debian's patches applied, into a folder of DIR: libpng1.6 into
# DIR/libpng, tinyxml into DIR/tinyxml, zlib into DIR/zlib.
# The sources come through an apt configuration of their own: one deb-src line for bookworm
# main on the machine's own Debian mirror, with its own lists and cache under DIR, so the
# machine's apt set-up is never changed. The upstream versions are pinned; bookworm's latest
# revision of each (its security fixes) is taken. Nothing is fetched once DIR holds them all.
# Usage: fetch-sources.sh DIR PACKAGE...
set -euo pipefail
dir=$(mkdir -p "$1" && cd "$1" && pwd)
shift
declare -A upstream=([libpng1.6]=1.6.39 [tinyxml]=2.6.2 [zlib]=1.2.13.dfsg)
declare -A folder=([libpng1.6]=libpng [tinyxml]=tinyxml [zlib]=zlib)
# A file each unpacked folder holds.
declare -A header=([libpng1.6]=png.h [tinyxml]=tinyxml.h [zlib]=zlib.h)

wanted=()
for pkg in "$@"; do
  if [ -z "${upstream[$pkg]:-}" ]; then
    echo "fetch-sources: no pinned version of $pkg" >&2
    exit 1
  fi
  [ -f "$dir/${folder[$pkg]}/${header[$pkg]}" ] || wanted+=("$pkg")
done
[ ${#wanted[@]} -eq 0 ] && exit 0

# The mirror is slow or busy at times: three tries, a pause between them.
retry() {
  local n
  for n in 1 2 3; do
    "$@" && return 0
    echo "fetch-sources: try $n of 3 failed: $*" >&2
    sleep $((n * 5))
  done
  return 1
}

apt_dir=$dir/apt
mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$dir/download"
mirror=$(apt-get indextargets --format '$(REPO_URI) $(CODENAME) $(COMPONENT)' 'Identifier: Packages' |
         awk '$2 == "bookworm" && $3 == "main" { print $1; exit }')
if [ -z "$mirror" ]; then
  echo "fetch-sources: the machine's apt sources name no Debian bookworm main repository" >&2
  exit 1
fi
echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror bookworm main" > "$apt_dir/sources.list"
opts=(-q -o Dir::Etc::SourceList="$apt_dir/sources.list" -o Dir::Etc::SourceParts=/dev/null
      -o Dir::State::Lists="$apt_dir/lists" -o Dir::Cache="$apt_dir/cache")
[ "$(id -u)" -eq 0 ] && opts+=(-o APT::Sandbox::User=root)
retry apt-get "${opts[@]}" update >/dev/null

for pkg in "${wanted[@]}"; do
  version=$(apt-cache "${opts[@]}" showsrc "$pkg" | awk '/^Version:/ { print $2 }' |
            grep -F "${upstream[$pkg]}-" | sort -V | tail -n1 || true)
  if [ -z "$version" ]; then
    echo "fetch-sources: bookworm has no $pkg ${upstream[$pkg]}" >&2
    exit 1
  fi
  echo "fetch-sources: $pkg $version"
  (cd "$dir/download" && retry apt-get "${opts[@]}" source --download-only "$pkg=$version" >/dev/null)
  rm -rf "$dir/${folder[$pkg]}" "$dir/${folder[$pkg]}.new"
  # NOTE: apt has checked the files against the signed index; gpgv's notes on the .dsc's own
  # signature (no maintainer keyring here) are kept out of the way.
  # The .dsc's name leaves out the version's epoch ("1:").
  (cd "$dir/download" && dpkg-source -q -x "${pkg}_${version#*:}.dsc" "$dir/${folder[$pkg]}.new" >"$dir/unpack.log" 2>&1) ||
    { cat "$dir/unpack.log" >&2; exit 1; }
  mv "$dir/${folder[$pkg]}.new" "$dir/${folder[$pkg]}"
  rm -f "$dir"/*.orig.tar.*
done
