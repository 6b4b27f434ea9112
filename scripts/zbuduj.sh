#!/usr/bin/env bash
# Configures and builds Murolab into build/ (or the directory given as $1); further arguments name
# the targets to build (all by default).
set -euo pipefail
cd "$(dirname "$0")/.."
katalog=${1:-build}
shift || true
typ=${MUROLAB_BUILD_TYPE:-RelWithDebInfo}
cmake -S . -B "$katalog" -G Ninja -DCMAKE_BUILD_TYPE="$typ" ${MUROLAB_CMAKE_ARGS:-} >/dev/null
if [ $# -gt 0 ]; then
    cmake --build "$katalog" -j "$(nproc)" --target "$@"
else
    cmake --build "$katalog" -j "$(nproc)"
fi
