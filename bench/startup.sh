#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Inside an X display: the median of seven start-ups, in milliseconds from
# launch until the program's window is shown, for two programs in turn.
# Usage: startup.sh PROGRAM TITLE-REGEX FLOOR-PROGRAM FLOOR-TITLE-REGEX
set -u
log=$(mktemp)
trap 'rm -f "$log"' EXIT
once() {
  local start end pid
  start=$(date +%s%N)
  "$1" >/dev/null 2>"$log" &
  pid=$!
  until xdotool search --onlyvisible --name "$2" >/dev/null 2>&1; do
    # A program that died (no display, say) never shows a window.
    kill -0 "$pid" 2>/dev/null || { echo "$1 ended before showing a window:" >&2; cat "$log" >&2; exit 1; }
    sleep 0.005
  done
  end=$(date +%s%N)
  kill "$pid"
  wait "$pid" 2>/dev/null
  echo $(((end - start) / 1000000))
}
median_of_seven() {
  for i in 1 2 3 4 5 6 7; do once "$1" "$2"; done | sort -n | sed -n 4p
}
echo "$(median_of_seven "$1" "$2") $(median_of_seven "$3" "$4")"
