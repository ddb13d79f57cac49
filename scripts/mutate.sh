#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plants small faults in the game's logic, one at a time, and shows which
# of them the test suite misses. A fault is a comparison turned around
# (== and !=, < and <=, > and >=), && and || swapped, or a number that a
# comparison is made against moved up by one. Sites are drawn with a seed
# from the logic folders; for each, the file is changed, the build brought up
# to date, the suite run with a time limit, and the file put back. A planted
# fault that makes a test fail (or the suite time out) is caught; one that
# does not build is not counted; the rest survive and are listed.
#
#   scripts/mutate.sh [--sites N] [--seed S] [--timeout SECONDS] [--with-e2e] [FILE...]
#
# Files given narrow the draw to them. The build lives in build-mutate/;
# the end-to-end tests (real processes, about half a minute) run only with
# --with-e2e. Interrupting puts the file in hand back.
set -euo pipefail
cd "$(dirname "$0")/.."

sites=80
seed=1
timeout_seconds=300
labels=(-LE e2e)
files=()
while [ $# -gt 0 ]; do
  case "$1" in
    --sites) sites=$2; shift 2 ;;
    --seed) seed=$2; shift 2 ;;
    --timeout) timeout_seconds=$2; shift 2 ;;
    --with-e2e) labels=(-E PackageContents); shift ;;
    -h|--help) sed -n '2,16p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    -*) echo "mutate.sh: unknown option $1" >&2; exit 2 ;;
    *) files+=("$1"); shift ;;
  esac
done
if [ ${#files[@]} -eq 0 ]; then
  mapfile -t files < <(find src/core src/storage src/i18n src/net src/print src/options src/session \
    -name '*.cpp' | sort)
fi

scripts/install-deps.sh
build=build-mutate
# No debug information and the gold linker: every planted fault relinks
# the programs and the tests, and linking is most of the time a site takes.
linker=()
command -v ld.gold >/dev/null && linker=(-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=gold)
# The standard library's checks make a planted index past an array's end
# abort instead of reading its neighbour unseen.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGLYPH_BUILD_BENCH=OFF -DCMAKE_CXX_FLAGS=-D_GLIBCXX_ASSERTIONS \
  "${linker[@]}" >/dev/null
echo "Building $build/ ..."
cmake --build "$build" >/dev/null
export QT_QPA_PLATFORM=offscreen
if ! ctest --test-dir "$build" "${labels[@]}" -j "$(nproc)" >/dev/null; then
  echo "mutate.sh: the suite fails without any planted fault; fix that first" >&2
  exit 1
fi

# Every site: file, line, column, the text there and what it becomes.
# Comments and string literals are masked first, so that only code is
# changed; binary operators are recognised by the blanks around them.
list_sites() {
  awk '
    BEGIN { quote = sprintf("%c", 39) }
    function mask(text,    out, i, c, inString) {
      out = ""; inString = 0
      for (i = 1; i <= length(text); i++) {
        c = substr(text, i, 1)
        if (!inString && substr(text, i, 2) == "//") { while (length(out) < length(text)) out = out " "; return out }
        if (c == "\\" && inString) { out = out "  "; i++; continue }
        if (c == "\"" || (c == quote && !inString)) {
          if (c == quote) { out = out "   "; i += 2; continue }
          inString = !inString; out = out " "; continue
        }
        out = out (inString ? " " : c)
      }
      return out
    }
    function emit(col, from, to) { printf "%s\t%d\t%d\t%s\t%s\n", FILENAME, FNR, col, from, to }
    /^[ \t]*#/ { next }
    {
      code = mask($0)
      n = split("== != <= >= && || < >", ops, " ")
      split("!= == < > || && <= >=", swaps, " ")
      for (k = 1; k <= n; k++) {
        pattern = " " ops[k] " "
        from = 1
        while ((at = index(substr(code, from), pattern)) > 0) {
          col = from + at
          emit(col, ops[k], swaps[k])
          rest = substr(code, col + length(ops[k]) + 1)
          if (ops[k] ~ /[<>=!]/ && match(rest, /^[0-9]+/)) {
            number = substr(rest, 1, RLENGTH)
            if (substr(rest, RLENGTH + 1, 1) !~ /[.xXa-zA-Z_]/) emit(col + length(ops[k]) + 1, number, number + 1)
          }
          from = col + length(ops[k])
        }
      }
    }' "$@"
}

backup=$(mktemp)
current=""
restore() {
  if [ -n "$current" ]; then
    cp "$backup" "$current"
    current=""
  fi
}
trap 'restore; rm -f "$backup"' EXIT
trap 'exit 130' INT TERM

all_sites=$(list_sites "${files[@]}")
total=$(printf '%s\n' "$all_sites" | grep -c . || true)
drawn=$(printf '%s\n' "$all_sites" | awk -v seed="$seed" 'BEGIN { srand(seed) } { printf "%.12f\t%s\n", rand(), $0 }' |
  sort -n | head -n "$sites" | cut -f2-)
echo "Planting $(printf '%s\n' "$drawn" | grep -c .) of $total sites (seed $seed)."

caught=0
survived=0
unbuilt=0
survivors=()
while IFS=$'\t' read -r file line col from to; do
  [ -z "$file" ] && continue
  cp "$file" "$backup"
  current=$file
  if ! awk -v L="$line" -v C="$col" -v F="$from" -v T="$to" \
    'FNR == L { if (substr($0, C, length(F)) != F) exit 3; $0 = substr($0, 1, C - 1) T substr($0, C + length(F)) } { print }' \
    "$backup" >"$file"; then
    restore
    continue
  fi
  where="$file:$line:$col: $(sed -n "${line}p" "$backup" | sed 's/^ *//') [$from -> $to]"
  if ! cmake --build "$build" >/dev/null 2>&1; then
    unbuilt=$((unbuilt + 1))
    verdict="does not build"
  elif timeout "$timeout_seconds" ctest --test-dir "$build" "${labels[@]}" -j "$(nproc)" --stop-on-failure \
    >/dev/null 2>&1; then
    survived=$((survived + 1))
    survivors+=("$where")
    verdict="SURVIVED"
  else
    caught=$((caught + 1))
    verdict="caught"
  fi
  restore
  echo "$verdict: $where"
done <<<"$drawn"
cmake --build "$build" >/dev/null 2>&1 || true  # back to the unchanged sources

echo
echo "Survivors:"
if [ ${#survivors[@]} -eq 0 ]; then echo "  none"; else printf '  %s\n' "${survivors[@]}"; fi
counted=$((caught + survived))
if [ "$counted" -gt 0 ]; then
  echo "Caught $caught of $counted planted faults that build ($((100 * caught / counted))%); $unbuilt did not build."
fi
