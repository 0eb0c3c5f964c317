#!/usr/bin/env bash
# Installs every Debian package the build, the data and the tests need.
# Idempotent and silent when everything is already there.
#   setup.sh           what `make run` and `make test` need
#   setup.sh windows   also the cross compiler and Wine of the Windows build (`make windows`)
#   setup.sh web       also Emscripten and Chromium, for the web build (`make web`) and its test
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  freeglut3-dev libosmesa6-dev
  libpng-dev zlib1g-dev libtinyxml-dev
  # data builders and their sources
  libcairo2-dev libfreetype-dev
  kanjidic kanjidic-xml edict xfonts-75dpi xfonts-intl-japanese fonts-ipafont-gothic pcf2bdf
  # real-window tests
  xvfb xdotool x11-utils
  # the Debian package (make package) and its checks
  dpkg-dev lintian desktop-file-utils appstream
  # the Windows zip (make windows-zip) and its check
  zip unzip
  # the loaders' fuzzers (make fuzz)
  clang libclang-rt-14-dev
)
if [ "${1:-}" = windows ]; then
  packages+=(
    # the cross compiler with the Direct3D 9 and DirectInput 8 headers and libraries, zlib
    g++-mingw-w64-x86-64-posix libz-mingw-w64-dev
    # libpng and TinyXML are built for the target from Debian's sources (Tools/Windows)
    dpkg-dev xz-utils
    # the program under Wine, for its test
    wine64
  )
fi
if [ "${1:-}" = web ]; then
  packages+=(
    # emcc with its own clang, lld and binaryen; zlib, libpng and TinyXML are built with it from
    # Debian's sources (Tools/Web)
    emscripten dpkg-dev xz-utils
    # the page in a real browser, drawn in software (its test)
    chromium
  )
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
command -v npm >/dev/null 2>&1 || missing+=(npm)

[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get -o DPkg::Lock::Timeout=600 update -qq
$sudo apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
