#!/usr/bin/env bash
# Configures and builds Murolab into build/ (or the directory given as $1).
set -euo pipefail
cd "$(dirname "$0")/.."
katalog=${1:-build}
typ=${MUROLAB_BUILD_TYPE:-RelWithDebInfo}
cmake -S . -B "$katalog" -G Ninja -DCMAKE_BUILD_TYPE="$typ" ${MUROLAB_CMAKE_ARGS:-} >/dev/null
cmake --build "$katalog" -j "$(nproc)"
