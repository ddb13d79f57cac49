#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a folder of src/ includes a folder above it. The folders form
# layers; a file may include its own folder and folders of lower layers only,
# so that the game's rules never depend on a window or an adapter.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A layer=(
  [core]=0
  [storage]=1 [pictures]=1
  [i18n]=2
  [net]=3 [print]=3 [options]=3
  [session]=4
  [platform]=5
  [windows]=6 [tool]=6 [web]=6
  [app]=7
)

status=0
while IFS= read -r file; do
  folder=${file#src/}
  folder=${folder%%/*}
  if [ -z "${layer[$folder]+set}" ]; then
    echo "$file: folder '$folder' has no layer in scripts/check-includes.sh"
    status=1
    continue
  fi
  while IFS=: read -r line included; do
    target=${included%%/*}
    [ "$target" = "$folder" ] && continue
    [ -z "${layer[$target]+set}" ] && continue  # not one of ours (Qt, the standard library)
    if [ "${layer[$target]}" -ge "${layer[$folder]}" ]; then
      echo "$file:$line: $folder (layer ${layer[$folder]}) includes $included (layer ${layer[$target]})"
      status=1
    fi
  done < <(grep -nE '^\s*#\s*include\s+"[^"]+/' "$file" | sed -E 's/^([0-9]+):\s*#\s*include\s+"([^"]+)".*/\1:\2/')
done < <(find src -name '*.h' -o -name '*.cpp' | sort)

[ $status -eq 0 ] && echo "Includes: every folder of src/ includes only lower layers."
exit $status
