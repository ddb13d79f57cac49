#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and makes the Debian package
# build/glyphmatic_<version>_<arch>.deb, and the browser edition's site for
# any static web server, build/glyphmatic-web-<version>.tar.gz.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh >/dev/null
(cd build && cpack -G DEB >/dev/null)
ls build/glyphmatic_*.deb

version=$(sed -n 's/^project(Glyphmatic VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
site=$(scripts/web.sh | tail -n 1)
tar --create --gzip --file "build/glyphmatic-web-$version.tar.gz" --directory "$(dirname "$site")" \
  --transform "s,^site,glyphmatic-web-$version," --sort=name --owner=0 --group=0 --numeric-owner site
ls "build/glyphmatic-web-$version.tar.gz"
