#!/usr/bin/env bash
# Builds Murolab (scripts/zbuduj.sh) and its Debian package murolab_VERSION_ARCH.deb into
# build/pakiety/ (or DIRECTORY/pakiety for the build directory given as $1).
set -euo pipefail
cd "$(dirname "$0")/.."
katalog=${1:-build}
scripts/zaleznosci.sh
scripts/zbuduj.sh "$katalog"
(cd "$katalog" && cpack -G DEB)
ls -1 "$katalog"/pakiety/*.deb
