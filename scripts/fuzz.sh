#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang and runs each for a bounded time
# (FUZZ_SECONDS, default 30) on a copy of its seed corpus, from a fixed seed
# (FUZZ_SEED, default 1). Any crash,
# sanitizer report or leak fails the run; its input is left in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(clang libclang-rt-14-dev)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake --preset fuzz >/dev/null
cmake --build build-fuzz

seconds=${FUZZ_SECONDS:-30}
# A fixed seed makes a CI run repeatable; FUZZ_SEED=0 lets libFuzzer choose.
seed=${FUZZ_SEED:-1}
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
for target in decrypt puzzle_text saved_game language_files datagram; do
  work="build-fuzz/corpus-$target"
  rm -rf "$work"
  mkdir -p "$work"
  cp fuzz/corpus/$target/* "$work/"
  echo "== fuzz_$target for ${seconds}s"
  log="build-fuzz/fuzz_$target.log"
  if ! (cd build-fuzz && ./fuzz_$target -seed="$seed" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
          -print_final_stats=1 "corpus-$target" >"../$log" 2>&1); then
    tail -n 60 "$log"
    echo "fuzz_$target found a problem; the input is in build-fuzz/"
    exit 1
  fi
  grep -E 'stat::(number_of_executed_units|new_units_added)' "$log" || true
done
echo "fuzzing: no crash, no sanitizer report, no leak"
