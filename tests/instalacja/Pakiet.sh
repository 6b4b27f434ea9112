#!/usr/bin/env bash
# The Debian package made by CPack from the built tree: its control fields and file list, the desktop
# entry and the AppStream file validated, and the program unpacked from it into a directory of its
# own: it computes the example as the build tree does, from any working directory, and an own
# material goes into a HOME of its own while the installed catalogue stays byte for byte the same.
# Arguments: the build directory, the project's version, the own-material program.
set -euo pipefail
budowa=$1
wersja=$2
wlasny=$3

for p in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli sha256sum; do
    command -v "$p" >/dev/null || { echo "brak programu $p: test pominięty"; exit 77; }
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
blad() { echo "BŁĄD: $*" >&2; exit 1; }

cpack -G DEB --config "$budowa/CPackConfig.cmake" -B "$tmp/pakiety" >"$tmp/cpack.log" 2>&1 ||
    { cat "$tmp/cpack.log"; blad "cpack"; }
deb=$(ls "$tmp"/pakiety/murolab_*.deb)

# -- control fields
[ "$(dpkg-deb -f "$deb" Package)" = murolab ] || blad "Package"
[ "$(dpkg-deb -f "$deb" Version)" = "$wersja" ] || blad "Version: $(dpkg-deb -f "$deb" Version), not $wersja"
[ "$(dpkg-deb -f "$deb" Section)" = science ] || blad "Section"
zaleznosci=$(dpkg-deb -f "$deb" Depends)
for z in libqt6widgets6 libqt6charts6 libqt6printsupport6 libc6 qt6-qpa-plugins; do
    grep -q "$z" <<<"$zaleznosci" || blad "Depends has no $z: $zaleznosci"
done
opis=$(dpkg-deb -f "$deb" Description)
[ "$(wc -l <<<"$opis")" -ge 5 ] || blad "the description is a single line: $opis"
[ "$(sed -n 2p <<<"$opis" | sed 's/^ //')" != "$(sed -n 1p <<<"$opis")" ] || blad "the synopsis is repeated: $opis"
# What the program does today, in the package's own words and in the AppStream feature list.
for fraza in "kondensację międzywarstwową" "WT 2021" "parametry letnie" "trzystronicowy raport" "JSON Lines"; do
    grep -q "$fraza" <<<"$opis" || blad "the description does not mention \"$fraza\": $opis"
done

# -- file list: everything under /usr, and what a desktop program needs
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|/$||' >"$tmp/lista"
grep -v -e '^\./usr' -e '^\.$' "$tmp/lista" && blad "files outside /usr"
oczekiwane=(./usr/bin/murolab
    ./usr/share/murolab/ula.dat ./usr/share/murolab/POMOC.HLP ./usr/share/murolab/przyklad.pro
    ./usr/share/murolab/Splash.bmp ./usr/share/murolab/Auto.bmp ./usr/share/murolab/tlo.bmp
    ./usr/share/murolab/logo.bmp ./usr/share/murolab/logo1.bmp
    ./usr/share/applications/murolab.desktop
    ./usr/share/metainfo/io.github.murolab.murolab.metainfo.xml
    ./usr/share/man/man1/murolab.1.gz
    ./usr/share/icons/hicolor/scalable/apps/murolab.svg)
for g in Betony Ceramika Drewno Kamienie MTermo MRozne Stropy Tynki; do
    oczekiwane+=("./usr/share/murolab/$g.ath")
done
for r in 16 22 24 32 48 64 128 256; do
    oczekiwane+=("./usr/share/icons/hicolor/${r}x${r}/apps/murolab.png")
done
for f in "${oczekiwane[@]}"; do
    grep -qx "$f" "$tmp/lista" || blad "the package has no $f"
done
grep -q 'Temp\.ath' "$tmp/lista" && blad "a scratch file in the package"

# -- unpacked: the files as installed
korzen="$tmp/korzen"
dpkg-deb -x "$deb" "$korzen"
for r in 16 22 24 32 48 64 128 256; do
    naglowek=$(od -An -tx1 -j16 -N8 "$korzen/usr/share/icons/hicolor/${r}x${r}/apps/murolab.png" | tr -d ' \n')
    [ "$naglowek" = "$(printf '%08x%08x' "$r" "$r")" ] || blad "icon ${r}x${r} is $naglowek"
done
# Not a word from the validator, not even a hint (one main category only).
walidacja=$(desktop-file-validate "$korzen/usr/share/applications/murolab.desktop" 2>&1) ||
    blad "desktop-file-validate: $walidacja"
[ -z "$walidacja" ] || blad "desktop-file-validate: $walidacja"
metainfo="$korzen/usr/share/metainfo/io.github.murolab.murolab.metainfo.xml"
for fraza in "kondensację międzywarstwową" "WT 2021" "parametry letnie" "trzystronicowy raport"; do
    grep -q "$fraza" "$metainfo" || blad "the AppStream description does not mention \"$fraza\""
done
appstreamcli validate --no-net "$korzen/usr/share/metainfo/io.github.murolab.murolab.metainfo.xml" ||
    blad "appstreamcli validate"
gzip -t "$korzen/usr/share/man/man1/murolab.1.gz" || blad "the manual page"

# -- the installed program, started elsewhere with an environment of its own
dom="$tmp/dom"
mkdir -p "$dom" "$tmp/gdzies"
uruchom() { (cd "$tmp/gdzies" && env -u MUROLAB_DANE -u XDG_DATA_HOME HOME="$dom" "$@"); }
# Both compute the same copy of the example under one relative name, so that the JSON (which names
# the file) must be the same byte for byte.
cp "$korzen/usr/share/murolab/przyklad.pro" "$tmp/gdzies/przyklad.pro"
cmp -s "$tmp/gdzies/przyklad.pro" "$budowa/dane/przyklad.pro" || blad "the packaged example differs"
uruchom "$korzen/usr/bin/murolab" --oblicz przyklad.pro --json >"$tmp/z_pakietu.json" ||
    blad "the installed program failed"
(cd "$tmp/gdzies" && env -u MUROLAB_DANE "$budowa/murolab" --oblicz przyklad.pro --json) >"$tmp/z_budowy.json"
cmp -s "$tmp/z_pakietu.json" "$tmp/z_budowy.json" || {
    diff "$tmp/z_budowy.json" "$tmp/z_pakietu.json" | head -20
    blad "the installed program's results differ from the build tree's"
}

# -- an own material: into HOME, the installed catalogue untouched
(cd "$korzen" && find usr/share/murolab -type f -print0 | sort -z | xargs -0 sha256sum) >"$tmp/przed"
kopia=$(uruchom "$wlasny" "$korzen/usr/bin") || blad "own material: $kopia"
[ "$kopia" = "$dom/.local/share/murolab/Betony.ath" ] || blad "the own material went to $kopia"
(cd "$korzen" && find usr/share/murolab -type f -print0 | sort -z | xargs -0 sha256sum) >"$tmp/po"
cmp -s "$tmp/przed" "$tmp/po" || blad "the installed catalogue changed"
echo "pakiet: $(basename "$deb"), $(wc -l <"$tmp/lista") wpisów; wszystko zgodne"
