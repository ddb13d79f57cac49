#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the figures of the README's performance table on this machine and
# prints them as a Markdown table. Needs a built tree (scripts/build.sh), the
# browser edition's site (scripts/web.sh) and the packages xvfb, xdotool,
# time, chromium, chromium-driver and python3-selenium.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build
tool=$build/src/glyphtool
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data LANG=en_US.UTF-8

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# 1. The core, from Google Benchmark.
$build/bench/glyph_bench --benchmark_min_time=1 --benchmark_format=json > "$work/bench.json" 2>/dev/null
read -r puzzles count encrypt decrypt hint hintMid rate hard expert worst p99 middle < <(python3 - "$work/bench.json" <<'PY'
import json, sys
b = {x["name"].split("/min_time")[0].split("/iterations")[0]: x for x in json.load(open(sys.argv[1]))["benchmarks"]}
w = b["BM_WorstExpertHint"]
print(round(b["BM_MakePuzzle"]["items_per_second"]), round(b["BM_CountSolutions"]["real_time"], 1),
      round(b["BM_Encrypt42"]["real_time"]), round(b["BM_Decrypt42"]["real_time"]),
      round(b["BM_Hint"]["real_time"]), round(b["BM_HintMidGame"]["real_time"]),
      round(b["BM_RatePuzzle"]["real_time"], 2), round(b["BM_MakeRatedPuzzle/3"]["real_time"], 1),
      round(b["BM_MakeRatedPuzzle/4"]["real_time"], 1),
      round(w["worst_ms"], 2), round(w["p99_ms"], 2), round(w["median_ms"], 3))
PY
)

# 2. One resize step of the main window (offscreen), in milliseconds.
resize=$($build/bench/window_bench --benchmark_format=json 2>/dev/null | python3 -c '
import json, sys
print(round(next(b for b in json.load(sys.stdin)["benchmarks"] if b.get("aggregate_name") == "median")["real_time"], 1))')

# 3. Start-up to the first shown window under Xvfb, the game against the
#    minimal window, in the same display and run.
read -r game floor < <(xvfb-run -a -s "-screen 0 800x600x24" bench/startup.sh \
  "$build/src/glyphmatic" '^Glyphmatic' "$build/bench/minimal_window" '^Minimal$' 2>/dev/null)

# 4. Printing 1,000 puzzles with their solutions to PDF.
print_time() {
  for i in 1 2 3; do
    /usr/bin/time -f %e "$tool" print --pdf "$work/p.pdf" --count 1000 --solutions "$@" 2>&1 >/dev/null | tail -n 1
  done | median
}
printed=$(print_time)
printedGrid=$(print_time --grid)
hardBatch=$(for i in 1 2 3; do
  /usr/bin/time -f %e "$tool" print --pdf "$work/h.pdf" --count 100 --difficulty hard --seed $i 2>&1 >/dev/null | tail -n 1
done | median)

# 5. Peak memory of a race of ten peers: the host's game logic and sockets.
port=26111
/usr/bin/time -f %M -o "$work/host.rss" "$tool" host --local 127.0.0.1 --port $port --start-after 3 --min-players 9 \
  --solve-after 3 --max-seconds 60 --linger 1 > /dev/null 2>&1 &
host=$!
for i in $(seq 2 10); do
  "$tool" join --local 127.0.0.$i --host 127.0.0.1 --port $port --name "P$i" --solve-after $((2 + i % 4)) \
    --max-seconds 60 --linger 1 > /dev/null 2>&1 &
done
wait
hostRss=$(cat "$work/host.rss")
# The game's own window, idle with a puzzle on the board. Only the copy
# started here is ended (the child of its time process), never a player's.
gameRss=$(xvfb-run -a -s "-screen 0 800x600x24" bash -c "
  /usr/bin/time -f %M -o $work/game.rss $build/src/glyphmatic >/dev/null 2>&1 & timer=\$!
  sleep 3; pkill -TERM -P \$timer; wait \$timer; tail -n 1 $work/game.rss" 2>/dev/null)

# 6. The browser edition (the site of scripts/web.sh): its size, the time
#    from navigation to its first board in headless Chromium, and the core
#    in the page against the same program built here.
read -r webScript webPictures webBoard pageHint nativeHint pageDraw nativeDraw < <(
  /usr/bin/python3 bench/web_report.py build-web/site build-web/cmake/bench "$build/bench/web_bench" | python3 -c '
import json, sys
r = json.load(sys.stdin)
print(r["script_and_wasm_kb"], r["pictures_kb"], r["first_board_ms"], r["page"]["hint_us"], r["native"]["hint_us"],
      r["page"]["expert_draw_ms"], r["native"]["expert_draw_ms"])')
ratio() { python3 -c "print(round($1 / $2, 2))"; }

cat <<TABLE
| Figure | Measured | Floor or target |
|---|---|---|
| Puzzles generated (\`MakePuzzle\`, one core) | $puzzles per second | well over 20,000 |
| One solution count | $count µs | well under 100 µs |
| Enciphering / deciphering a 42-character line | $encrypt ns / $decrypt ns | |
| A hint (empty grid / half way) | $hint µs / $hintMid µs | under 5 ms |
| Rating a puzzle (mean) / drawing one rated hard / expert | $rate ms / $hard ms / $expert ms | draws under 10 ms |
| Hints along 300 expert chains (worst / 99th percentile / median) | $worst ms / $p99 ms / $middle ms | worst under 5 ms |
| A print batch of 100 puzzles rated hard, to PDF | $hardBatch s | under 10 s |
| Start-up to the first shown window (Xvfb, median of 7) | $game ms | minimal Qt window: $floor ms |
| One resize step: lay out and repaint the whole window | $resize ms | under 16 ms |
| 1,000 puzzles with solutions to PDF | $printed s (with grids: $printedGrid s) | under 5 s |
| Peak memory, race of 10 peers (headless host) | $((hostRss / 1024)) MiB | |
| Peak memory, the game's window with a puzzle | $((gameRss / 1024)) MiB | |
| Browser edition: script and WebAssembly / pictures (uncompressed) | $webScript KB / $webPictures KB | together under 1 MB |
| Browser edition: navigation to the first board (headless Chromium, median of 7) | $webBoard ms | under 500 ms |
| A hint on an empty grid: in the page / native | $pageHint µs / $nativeHint µs ($(ratio "$pageHint" "$nativeHint")×) | within 1.5× |
| Drawing a puzzle rated expert: in the page / native | $pageDraw ms / $nativeDraw ms ($(ratio "$pageDraw" "$nativeDraw")×) | within 1.5× |
TABLE
