#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a text key the program names ("strSomething") has no item in a
# shipped language source, so that no text shows only in English. A key the
# program completes with a number ("strAccModern" + 3) needs its "0" item.
set -euo pipefail
cd "$(dirname "$0")/.."
python3 - <<'PY'
import glob, re, sys
keys = set()
for name in glob.glob("src/**/*.cpp", recursive=True) + glob.glob("src/**/*.h", recursive=True):
    text = open(name, encoding="latin-1").read()
    keys.update(re.findall(r'"(str[A-Z][A-Za-z0-9]*)"', text))
missing = []
for source in sorted(glob.glob("lang/*.txt")):
    items = {line.split("|")[1] for line in open(source, encoding="utf-8") if line.count("|") >= 2}
    missing += [f"{source}: {key}" for key in sorted(keys) if key not in items and key + "0" not in items]
print("\n".join(missing) if missing else "Texts: every key the program names is in every language.")
sys.exit(1 if missing else 0)
PY
