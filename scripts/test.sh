#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds (the browser edition too), and runs every
# test, the page test in headless Chromium included. With --sanitize the
# build and the whole suite run under AddressSanitizer and
# UndefinedBehaviorSanitizer, stopping at the first report.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build_dir=$(scripts/build.sh "$@" | tail -n 1)
# The browser edition's site, for its page test (the sanitizers' build has none).
[ "${1:-}" = "--sanitize" ] || scripts/web.sh >/dev/null

export QT_QPA_PLATFORM=offscreen
if [ "${1:-}" = "--sanitize" ]; then
  suppressions="$PWD/tests/sanitizer"
  export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:abort_on_error=1"
  export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
  export LSAN_OPTIONS="suppressions=$suppressions/lsan.supp:print_suppressions=0"
fi
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
