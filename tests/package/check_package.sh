#!/usr/bin/env bash
# Builds the Debian package from a build folder, unpacks it into a temporary
# root and checks what it installs.
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/glyphmatic_*.deb | head -n 1)
dpkg -x "$deb" "$root"

fail() { echo "package: $*"; exit 1; }
for file in usr/lib/glyphmatic/glyphmatic usr/lib/glyphmatic/glyphtool \
            usr/lib/glyphmatic/english.tsp usr/lib/glyphmatic/deutsch.tsp \
            usr/lib/glyphmatic/glyph_en.html usr/lib/glyphmatic/glyph_de.html \
            usr/share/applications/glyphmatic.desktop usr/share/mime/packages/glyphmatic.xml \
            usr/share/icons/hicolor/scalable/apps/glyphmatic.svg; do
  [ -s "$root/$file" ] || fail "missing $file"
done
for program in glyphmatic glyphtool; do
  [ "$(readlink "$root/usr/bin/$program")" = "../lib/glyphmatic/$program" ] || fail "usr/bin/$program is no link"
done
desktop=$root/usr/share/applications/glyphmatic.desktop
grep -qx 'Exec=glyphmatic %f' "$desktop" || fail "desktop entry does not open files"
grep -qx 'MimeType=application/x-glyphmatic;' "$desktop" || fail "desktop entry has no MIME type"
grep -qx 'Icon=glyphmatic' "$desktop" || fail "desktop entry has no icon"
grep -q '<glob pattern="\*.gly"/>' "$root/usr/share/mime/packages/glyphmatic.xml" || fail "no *.gly glob"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "no Qt dependency"
dpkg-deb -f "$deb" Section | grep -qx 'games' || fail "not in games"

# The installed tool runs and finds the installed language files.
"$root/usr/bin/glyphtool" lang show --locale 0407 "$root"/usr/lib/glyphmatic/*.tsp | grep -q '"chosen":"Deutsch"' \
  || fail "installed languages do not load"
count=$(dpkg -c "$deb" | grep -vc '/$')
echo "package: $(basename "$deb"), $count files and links, all present"
