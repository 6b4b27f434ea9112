#!/usr/bin/env bash
# Installs what is missing, builds Murolab and starts it: the window where a display exists,
# otherwise the calculation of the bundled example project on the command line.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/zaleznosci.sh
scripts/zbuduj.sh build
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec build/murolab "$@"
else
    echo "Brak ekranu (DISPLAY): obliczam przykładowy projekt w wierszu poleceń."
    exec build/murolab --oblicz build/dane/przyklad.pro "$@"
fi
