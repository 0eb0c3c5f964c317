#!/usr/bin/env bash
# Builds the web program into OUT: fudemaru.js and fudemaru.wasm (Emscripten), fudemaru.data (the
# Linux build's Data folder, packed to be read at /Data) with its loader fudemaru-data.js, the page
# index.html and licences/, the licences of the data and of the libraries in the program. Installs
# what it needs first (setup.sh web) and fetches the zlib, libpng and TinyXML sources once
# (Tools/ThirdParty/fetch-sources.sh, cached in OUT/deps).
# Usage: build.sh SRC OUT DATA [WERROR=ON|OFF]
set -euo pipefail
src=$1; out=$2; data=$3; werror=${4:-OFF}

bash "$src/Tools/setup.sh" web
bash "$src/Tools/ThirdParty/fetch-sources.sh" "$out/deps" zlib libpng1.6 tinyxml
# Emscripten's JavaScript tools need acorn, which Debian's node does not find by itself.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S "$src" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release -DFUDEMARU_WERROR="$werror" \
        -DFUDEMARU_BACKEND=web -DFUDEMARU_THIRDPARTY_SOURCES="$out/deps" >/dev/null
cmake --build "$out" -j "${JOBS:-2}"
# Named from the output folder, so that the loader holds no path of this machine; the packager's
# reminder of FORCE_FILESYSTEM (which the program has) is kept out of the way.
(cd "$out" && python3 /usr/share/emscripten/tools/file_packager.py fudemaru.data --preload "$data@/Data" \
        --js-output=fudemaru-data.js --no-node >/dev/null 2>file_packager.log && rm file_packager.log) ||
  { cat "$out/file_packager.log" >&2; exit 1; }
cp "$src/Tools/Web/index.html" "$out/index.html"
rm -rf "$out/licences"
mkdir -p "$out/licences"
cp "$data/NOTICE" "$out/licences/data.txt"
cp "$out/deps/libpng/LICENSE" "$out/licences/libpng.txt"
cp "$out/deps/zlib/debian/copyright" "$out/licences/zlib.txt"
cp "$out/deps/tinyxml/debian/copyright" "$out/licences/tinyxml.txt"
cp /usr/share/doc/emscripten/copyright "$out/licences/emscripten.txt"
