#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the game once under a headless Wayland compositor (weston) and
# checks that it shows its window there and quits cleanly when the session
# ends (SIGTERM).
set -euo pipefail
build=$1
runtime=$(mktemp -d)
work=$(mktemp -d)
chmod 700 "$runtime"
weston=""
cleanup() {
  [ -n "$weston" ] && kill "$weston" 2>/dev/null || true
  rm -rf "$runtime" "$work"
}
trap cleanup EXIT
fail() { echo "wayland: $*"; sed 's/^/  /' "$work"/*.log | tail -n 20; exit 1; }

export XDG_RUNTIME_DIR=$runtime
weston --backend=headless-backend.so --socket=glyph-wayland --idle-time=0 >"$work/weston.log" 2>&1 &
weston=$!
for _ in $(seq 200); do [ -S "$runtime/glyph-wayland" ] && break; sleep 0.1; done
[ -S "$runtime/glyph-wayland" ] || fail "weston did not start"

HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data WAYLAND_DISPLAY=glyph-wayland \
  QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$build/src/glyphmatic" 2>"$work/game.log" &
game=$!
# The window is there once the game gives its toplevel surface its title.
shown='xdg_toplevel@[0-9]*\.set_title("Glyphmatic'
for _ in $(seq 300); do
  grep -q "$shown" "$work/game.log" && break
  kill -0 "$game" 2>/dev/null || break
  sleep 0.1
done
grep -q "$shown" "$work/game.log" || fail "no window shown"
kill -TERM "$game"
status=0
wait "$game" || status=$?
[ "$status" -eq 0 ] || fail "the game ended with status $status"
echo "wayland: the game showed its window under weston and quit cleanly"
