#!/usr/bin/env bash
# Builds the Windows program: OUT/Fudemaru.exe, cross-built with mingw-w64, OUT/Data, a copy of
# the Linux build's Data folder, and OUT/Licences, the licences of the libraries linked into the
# program. Installs what it needs first (setup.sh windows) and fetches the libpng and TinyXML
# sources once (Tools/ThirdParty/fetch-sources.sh, cached in OUT/deps).
# Usage: build.sh SRC OUT DATA [WERROR=ON|OFF]
set -euo pipefail
src=$1; out=$2; data=$3; werror=${4:-OFF}

bash "$src/Tools/setup.sh" windows
bash "$src/Tools/ThirdParty/fetch-sources.sh" "$out/deps" libpng1.6 tinyxml
cmake -S "$src" -B "$out" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$src/Tools/Windows/mingw-w64.cmake" \
      -DCMAKE_BUILD_TYPE=Release -DFUDEMARU_WERROR="$werror" -DFUDEMARU_THIRDPARTY_SOURCES="$out/deps" >/dev/null
cmake --build "$out" -j "${JOBS:-2}"
rm -rf "$out/Data"
cp -r "$data" "$out/Data"
mkdir -p "$out/Licences"
cp "$out/deps/libpng/LICENSE" "$out/Licences/libpng.txt"
cp "$out/deps/tinyxml/debian/copyright" "$out/Licences/tinyxml.txt"
cp /usr/share/doc/libz-mingw-w64-dev/copyright "$out/Licences/zlib.txt"
cp /usr/share/doc/mingw-w64-common/copyright "$out/Licences/mingw-w64-runtime.txt"
