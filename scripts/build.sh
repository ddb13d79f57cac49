#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds into build/ (or build-sanitize/ with --sanitize).
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=build
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
  build_dir=build-sanitize
  options=(-DCMAKE_BUILD_TYPE=Debug -DGLYPH_SANITIZE=ON -DGLYPH_BUILD_BENCH=OFF)
fi

# CI treats every warning as an error.
[ -n "${CI:-}" ] && options+=(-DGLYPH_WERROR=ON)

cmake -S . -B "$build_dir" -G Ninja "${options[@]}" >/dev/null
cmake --build "$build_dir"
echo "$build_dir"
