#!/usr/bin/env bash
# Runs the whole suite of build/ (or $2) N times in a row (20, or $1) while `stress -c 2` keeps two
# cores busy, and fails when any run fails. A test that waits for a moment instead of a state shows
# up here.
set -euo pipefail
cd "$(dirname "$0")/.."
razy=${1:-20}
katalog=$(realpath "${2:-build}")
setsid stress -c 2 >/dev/null 2>&1 &
obciazenie=$!
trap 'kill -- -"$obciazenie" 2>/dev/null || true' EXIT
nieudane=0
for ((i = 1; i <= razy; i++)); do
    dziennik="$katalog/obciazenie_$i.log"
    if (cd "$katalog" && QT_QPA_PLATFORM=offscreen ctest -j "$(nproc)" --timeout 900 \
            --output-on-failure >"$dziennik" 2>&1); then
        echo "przebieg $i/$razy: $(grep -E 'tests passed' "$dziennik")"
    else
        nieudane=$((nieudane + 1))
        echo "przebieg $i/$razy: BŁĄD (zob. $dziennik)"
        grep -E '\(Failed\)|\(Timeout\)|\(Subprocess|Exception' "$dziennik" || true
    fi
done
echo "Nieudanych przebiegów: $nieudane z $razy"
[ "$nieudane" -eq 0 ]
