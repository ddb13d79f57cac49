#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts the game. Arguments are passed
# to the game (for example a saved game to open). With --web [PORT] it builds
# the browser edition instead and serves it on http://127.0.0.1:PORT/ (8080
# by default) until interrupted.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
if [ "${1:-}" = "--web" ]; then
  port=${2:-8080}
  site=$(scripts/web.sh | tail -n 1)
  echo "Glyphmatic in the browser: http://127.0.0.1:$port/ (Ctrl+C stops the server)"
  exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site"
fi
scripts/build.sh
exec build/src/glyphmatic "$@"
