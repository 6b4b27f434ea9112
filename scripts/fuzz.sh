#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang into build-fuzz/ and runs each for a bounded
# time (60 s, or the number of seconds given as $1) on a copy of its seed corpus in fuzz/korpus/.
# A crash fails the step and leaves the input in build-fuzz/awarie/; add it to the corpus and to a
# plain regression test. Further arguments go to libFuzzer (e.g. -jobs=2 -workers=2).
set -euo pipefail
cd "$(dirname "$0")/.."
czas=${1:-60}
shift || true
katalog=build-fuzz
cmake -S fuzz -B "$katalog" -G Ninja -DCMAKE_CXX_COMPILER="${CLANGXX:-clang++}" >/dev/null
cmake --build "$katalog" -j "$(nproc)"

# Each target with the folder of its corpus. The targets run side by side, one per core, each for
# the full time: the step takes a third of the time on two cores and every target gets its share.
cele=(rekord grupa ula liczby klimat json)
mkdir -p "$katalog/awarie"
jeden() {
    local cel=$1
    shift
    local korpus="$katalog/korpus/$cel"
    mkdir -p "$korpus"
    # New inputs go into the working copy; the corpus in the repository stays as it is.
    if ! "$katalog/fuzz_$cel" "$korpus" "fuzz/korpus/$cel" -max_total_time="$czas" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$katalog/awarie/${cel}-" "$@" \
        2>"$katalog/fuzz_$cel.log"; then
        tail -n 60 "$katalog/fuzz_$cel.log" >&2
        echo "fuzz_$cel: błąd; dane wejściowe w $katalog/awarie/" >&2
        return 1
    fi
    echo "== fuzz_$cel: ${czas} s"
    grep -E '^stat::number_of_executed_units|^Done' "$katalog/fuzz_$cel.log" || true
}
rownolegle=$(nproc)
bledy=0
for ((i = 0; i < ${#cele[@]}; i += rownolegle)); do
    procesy=()
    for cel in "${cele[@]:i:rownolegle}"; do
        jeden "$cel" "$@" &
        procesy+=($!)
    done
    for p in "${procesy[@]}"; do
        wait "$p" || bledy=$((bledy + 1))
    done
done
[ $bledy -eq 0 ]
