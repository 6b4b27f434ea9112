// Writes the bundled example project: an external wall of zone III (plaster, solid brick, EPS,
// thin-coat render) with the density and specific heat of every layer (the catalogue's values) and
// the shipped climate Warszawa-Okęcie with constant indoor conditions, so that it shows everything
// the program computes: the year, fRsi, WT 2021 and the summer figures. Built and run by the build,
// so the file is always in the program's own format.
//
//   murolab_generuj_przyklad PLIK.pro

#include "files/RekordProjektu.h"

#include <iostream>

namespace {

murolab::TModelProjektu PrzykladowaSciana() {
    using namespace murolab;
    TModelProjektu m;
    m.Resetuj();
    struct {
        const char* Nazwa;
        double Grubosc, Lambda, Mi;
        double Gestosc; // kg/m3
        double Cieplo;  // kJ/(kg K)
    } const warstwy[] = {
        {"Tynk cementowo-wapienny", 0.015, 0.82, 10, 1850, 1.00},
        {"Mur z cegły ceramicznej pełnej", 0.24, 0.77, 10, 1800, 0.88},
        {"Styropian EPS 040", 0.12, 0.04, 60, 15, 1.45},
        {"Tynk cienkowarstwowy mineralny", 0.005, 0.70, 20, 1600, 1.00},
    };
    for (const auto& w : warstwy) {
        TWarstwa& slot = m.Warstwy[++m.LiczbaWarstw];
        slot.Nazwa.UstawUtf8(w.Nazwa);
        slot.Grubosc = w.Grubosc;
        slot.Lambda = w.Lambda;
        slot.Mi = w.Mi;
        slot.Gestosc = w.Gestosc;
        slot.Cieplo = w.Cieplo;
    }
    TWarunkiPracy& wp = m.WarunkiPracy;
    wp.TempZewn = -20;
    wp.TempWew = 20;
    wp.WilgotWewn = 55;
    wp.WilgotZewn = 85;
    wp.Rsi = 0.13;
    wp.Rse = 0.04;
    wp.TypPrzegrody.UstawUtf8("Ściana zewnętrzna");
    wp.StrefaKl.UstawUtf8("Strefa III");
    wp.WarunkiWilg.UstawUtf8("Warunki średniowilgotne");
    wp.DeltaUk = 0.05;
    // A shipped climate (its file's name): the same year on every machine, nothing to store.
    m.Iso13788.Klimat = "Warszawa-Okecie";
    m.Iso13788.Wnetrze = "stale";
    return m;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "Użycie: murolab_generuj_przyklad PLIK.pro\n";
        return 2;
    }
    if (const murolab::TBlad blad =
            murolab::ZapiszBajtyProjektu(argv[1], murolab::KodujProjekt(PrzykladowaSciana()))) {
        std::cerr << *blad << "\n";
        return 1;
    }
    return 0;
}
