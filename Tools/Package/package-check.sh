#!/usr/bin/env bash
# package-check.sh BUILD: installs BUILD's .deb with dpkg -i, plays the installed game in a real
# window under Xvfb (the window test), removes it with dpkg --purge and checks that nothing of it
# is left. It changes the machine's /usr: run it where that is fine.
set -u
build=$(realpath "$1")
src=$(cd "$(dirname "$0")/../.." && pwd)
fail() { echo "FAIL: $*"; exit 1; }

version=$(sed -n 's/^Version: //p' "$build/Package/control")
deb=$build/fudemaru_${version}_amd64.deb
[ -f "$deb" ] || fail "no package $deb: make package first"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
dpkg-query -W -f='${Status}' fudemaru 2>/dev/null | grep -q installed && fail "fudemaru is installed already: purge it first"

# dpkg, waiting up to 10 minutes while another apt or dpkg holds its lock.
run_dpkg() {
  for _ in $(seq 300); do
    $sudo dpkg "$@" 2>"$work/dpkg.err" && return 0
    grep -q 'lock' "$work/dpkg.err" || { cat "$work/dpkg.err"; return 1; }
    sleep 2
  done
  cat "$work/dpkg.err"; return 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./|/|; s|/$||' | grep -v '^$' >"$work/paths"

run_dpkg -i "$deb" || fail "dpkg -i failed"
echo "installed: $(dpkg-query -W -f='${Package} ${Version}, ${Installed-Size} kB' fudemaru)"
mkdir -p "$work/home"
HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/share \
  "$src/Tests/Window/window-test.sh" /usr/games/fudemaru "$build/Tests/bin/scenario-pixels"
played=$?
run_dpkg --purge fudemaru || fail "dpkg --purge failed"
[ $played -eq 0 ] || fail "the installed game did not pass the window test"

dpkg-query -W -f='${Status}' fudemaru 2>/dev/null | grep -q installed && fail "fudemaru is still installed"
# A file of the package must be gone; a folder may stay only when another package owns it.
left=0
while IFS= read -r path; do
  if [ -e "$path" ] || [ -L "$path" ]; then
    if [ -d "$path" ] && [ ! -L "$path" ] && dpkg -S "$path" >/dev/null 2>&1; then
      continue
    fi
    echo "left: $path"
    left=$((left + 1))
  fi
done <"$work/paths"
[ $left -eq 0 ] || fail "$left paths of the package are left after dpkg --purge"
echo "dpkg --purge left nothing of the package"
