#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source file of the project does not say its licence in its
# first lines, so that every file stays GPL-3.0-or-later as the whole is.
set -euo pipefail
cd "$(dirname "$0")/.."

status=0
while IFS= read -r file; do
  if ! head -n 3 "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later'; then
    echo "$file: no SPDX-License-Identifier line at the top"
    status=1
  fi
done < <(git ls-files '*.cpp' '*.h' '*.cpp.in' '*.sh' '*.py' '*CMakeLists.txt' '*.cmake' .ci/run \
  '*.js' '*.css' 'site/*.html')
[ $status -eq 0 ] && echo "Licence: every source file names GPL-3.0-or-later."
exit $status
