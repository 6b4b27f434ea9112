#!/usr/bin/env bash
# The test gate, as CI runs it (.ci/run): installs what is missing, then
#   1. the layout of the C++ sources (scripts/format.sh --sprawdz),
#   2. the build in build/ with warnings as errors,
#   3. every test (offscreen), and that each has its labels and time limit (scripts/etykiety.py),
#   4. the plain tests again under AddressSanitizer and UBSan in build-asan/ (scripts/sanitizery.sh),
#   5. each fuzz target for 60 s (scripts/fuzz.sh, clang, build-fuzz/).
# Every step runs even when an earlier one failed (except the tests after a failed build); the run
# ends with the list of the steps and fails when any failed.
# `scripts/testuj.sh --szybko` does steps 2 and 3 only: the build and the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/zaleznosci.sh

szybko=0
if [ "${1:-}" = "--szybko" ]; then
    szybko=1
fi

wyniki=()
nieudane=0
etap() {
    local nazwa=$1
    shift
    echo "==== $nazwa"
    local poczatek=$SECONDS
    if "$@"; then
        wyniki+=("OK     $nazwa ($((SECONDS - poczatek)) s)")
        return 0
    fi
    wyniki+=("BŁĄD   $nazwa ($((SECONDS - poczatek)) s)")
    nieudane=$((nieudane + 1))
    return 1
}
testy() {
    (cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" --timeout 900)
}
budowa() {
    MUROLAB_CMAKE_ARGS="-DMUROLAB_WERROR=ON ${MUROLAB_CMAKE_ARGS:-}" scripts/zbuduj.sh build
}

[ $szybko -eq 1 ] || etap "układ tekstu (clang-format)" scripts/format.sh --sprawdz || true
if etap "budowa z -Werror" budowa; then
    etap "testy" testy || true
    [ $szybko -eq 1 ] || etap "etykiety i limity czasu testów" python3 scripts/etykiety.py build || true
fi
if [ $szybko -eq 0 ]; then
    etap "testy z AddressSanitizer i UBSan" scripts/sanitizery.sh || true
    etap "fuzzing, 60 s na cel" scripts/fuzz.sh 60 || true
fi

echo "==== Podsumowanie"
printf '%s\n' "${wyniki[@]}"
[ $nieudane -eq 0 ]
