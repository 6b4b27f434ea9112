#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Murolab need, when missing:
# the test gate also needs clang with libFuzzer's runtime (libclang-rt-14-dev), clang-format,
# setpriv (util-linux) and stress for the runs under load.
set -euo pipefail

pakiety=(cmake ninja-build g++ make pkg-config
         qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-translations-l10n qt6-qpa-plugins
         libgtest-dev libgmock-dev libbenchmark-dev
         xvfb xauth imagemagick poppler-utils fonts-liberation fonts-dejavu-core python3
         dpkg-dev desktop-file-utils appstream
         clang clang-format libclang-rt-14-dev util-linux stress)

brakujace=()
for p in "${pakiety[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        brakujace+=("$p")
    fi
done

if [ ${#brakujace[@]} -gt 0 ]; then
    echo "Instaluję brakujące pakiety: ${brakujace[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        SUDO=sudo
    else
        SUDO=
    fi
    $SUDO apt-get update
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${brakujace[@]}"
fi
