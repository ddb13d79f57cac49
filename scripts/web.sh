#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the browser edition with Debian's emscripten into build-web/site/:
# index.html and everything it loads (the script and WebAssembly, the
# language files and help pages, both styles' pictures in both colours), a
# static site for any web server. The desktop build's glyphtool (built here
# when missing) enciphers the language files and draws the dark pictures.
set -euo pipefail
cd "$(dirname "$0")/.."

# emscripten runs its JavaScript optimiser under node, which needs acorn from
# Debian's node modules.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
[ -n "${CI:-}" ] && options+=(-DGLYPH_WERROR=ON)
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja "${options[@]}" >/dev/null
cmake --build build --target glyphtool >/dev/null

# -O2: -Os makes the WebAssembly a sixth smaller but a rated draw three times slower.
web=(-DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" -DGLYPH_GLYPHTOOL="$PWD/build/src/glyphtool")
[ -n "${CI:-}" ] && web+=(-DGLYPH_WERROR=ON)
# emcmake names the toolchain; it says so on standard error.
emcmake cmake -S . -B build-web/cmake -G Ninja "${web[@]}" >/dev/null 2> >(grep -v '^configure: ' >&2)
cmake --build build-web/cmake >/dev/null

site=build-web/site
rm -rf "$site"
mkdir -p "$site"
cp site/index.html site/*.css site/*.js build-web/cmake/src/glyphmatic.{js,wasm,data} help/*.html "$site/"
build/src/glyphtool pictures "$site/pictures" >/dev/null
cp assets/icons/glyphmatic.svg "$site/pictures/"
echo "$site"
