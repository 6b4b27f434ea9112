#!/usr/bin/env bash
# The plain tests (labels core, files, catalogue, cli) once more under AddressSanitizer and
# UndefinedBehaviorSanitizer, in a build directory of their own (build-asan or $1). The window
# and report tests (labels window, report) are left out: Qt's and the graphics stack's own leak
# reports would drown anything of ours; so is the package test, which packs the sanitized build.
set -euo pipefail
cd "$(dirname "$0")/.."
katalog=${1:-build-asan}
# Only what those tests need (the target murolab_testy_zwykle): the window tests are not built.
MUROLAB_CMAKE_ARGS="-DMUROLAB_SANITIZE=ON -DMUROLAB_BENCHMARKS=OFF ${MUROLAB_CMAKE_ARGS:-}" \
    MUROLAB_BUILD_TYPE=${MUROLAB_BUILD_TYPE:-Debug} scripts/zbuduj.sh "$katalog" murolab_testy_zwykle
cd "$katalog"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:strict_string_checks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" --timeout 600 \
    -L 'core|files|catalogue|cli' -LE 'window|report' -E '^pakiet_deb$'
