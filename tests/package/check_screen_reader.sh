#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the game on a virtual X display with the desktop's accessibility bus
# and reads it as a screen reader does (check_screen_reader.py): the grid is
# a table, and the reader follows the cursor from cell to cell.
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/session.sh" <<SESSION
set -euo pipefail
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 -p \$XDG_RUNTIME_DIR
"$build/src/glyphmatic" 2>"$work/game.log" &
game=\$!
trap 'kill \$game 2>/dev/null || true; wait \$game 2>/dev/null || true' EXIT  # it keeps its game as it quits
# No window manager here: the game's window gets the keyboard by hand.
for _ in \$(seq 100); do
  window=\$(xdotool search --onlyvisible --name '^Glyphmatic' 2>/dev/null | head -n 1 || true)
  [ -n "\$window" ] && break
  sleep 0.1
done
[ -n "\$window" ] || { echo "screen reader: the game showed no window"; cat "$work/game.log"; exit 1; }
xdotool windowfocus "\$window"
# The system's Python, which holds the AT-SPI bindings.
/usr/bin/python3 "$here/check_screen_reader.py"
# With the reader still listening the game quits cleanly, as at the end of a session.
kill -TERM \$game
status=0
wait \$game || status=\$?
[ \$status -eq 0 ] || { echo "screen reader: the game ended with status \$status"; tail -n 20 "$work/game.log"; exit 1; }
SESSION
xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- bash "$work/session.sh" 2>"$work/bus.log" || {
  grep -v "dbus-daemon" "$work/bus.log" | tail -n 20 || true
  exit 1
}
