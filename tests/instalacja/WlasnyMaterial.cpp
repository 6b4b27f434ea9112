// Used by the package test: the program installed under a directory is given one own material in
// the "Betony" group, as the insertion dialog stores it, with the data directory found from the
// installed executable's place and the user's data directory from the environment (HOME,
// XDG_DATA_HOME). Prints the user's copy; exit status 1 with the reason when the copy is wrong.
#include "catalogue/Grupy.h"
#include "catalogue/GrupyWlasne.h"
#include "catalogue/PlikGrupy.h"
#include "files/PlikiDanych.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace murolab;

namespace {
template <typename T> T Wartosc(TWynik<T> wynik) {
    if (const std::string* blad = Niepowodzenie(wynik))
        throw std::runtime_error(*blad);
    return std::get<T>(std::move(wynik));
}

int Blad(const std::string& tekst) {
    std::fprintf(stderr, "%s\n", tekst.c_str());
    return 1;
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 2)
        return Blad("Użycie: murolab_wlasny_material KATALOG_PROGRAMU");
    try {
        const TMiejscaGrup miejsca{WybierzKatalogDanych(nullptr, argv[1]), KatalogUzytkownika()};
        const fs::path dostarczona = miejsca.Katalog / "Betony.ath";
        const std::vector<TMaterial> przed =
            Wartosc(WczytajMaterialy(PlikGrupyDoOdczytu(miejsca, "Betony.ath")));
        TMaterial nowy;
        nowy.Material.UstawUtf8("Beton własny próbny");
        nowy.LambdaSW = 1.1;
        nowy.LambdaW = 1.3;
        nowy.Mi = 70;
        const TPozycjaWGrupie pozycja =
            Wartosc(SzukajPozycji(PlikGrupyDoOdczytu(miejsca, "Betony.ath"), nowy));
        if (pozycja.Istnieje)
            return Blad("the own material is in the group already");
        const fs::path kopia = Wartosc(DodajWlasnyMaterial(miejsca, "Betony.ath", nowy, pozycja.Pozycja));
        if (kopia.parent_path() != miejsca.Wlasne || PlikGrupyDoOdczytu(miejsca, "Betony.ath") != kopia)
            return Blad("the copy is not read from the user's directory: " + kopia.string());
        const std::vector<TMaterial> po = Wartosc(WczytajMaterialy(kopia));
        if (po.size() != przed.size() + 1 || Wartosc(WczytajMaterialy(dostarczona)).size() != przed.size())
            return Blad("the copy does not hold the shipped group and one material more");
        if (po[pozycja.Pozycja].Material.Utf8() != "Beton własny próbny")
            return Blad("the new material is not in its place");
        std::printf("%s\n", kopia.c_str());
        return 0;
    } catch (const std::exception& e) {
        return Blad(e.what());
    }
}
