#pragma once
// Calculated models for the chart and report tests, from the bundled saturation table: an outer
// wall whose layers (plaster, brick, EPS, render, repeated) have the given thicknesses.

#include "core/Obliczenia.h"
#include "files/PlikTablicyNasycenia.h"

#include <stdexcept>
#include <vector>

namespace murolab {

inline TModelProjektu ModelTestowy(int ti, int te, const std::vector<double>& grubosci) {
    TModelProjektu m;
    if (const auto blad = WczytajTabliceNasycenia(MUROLAB_DANE_ZRODLOWE "/ula.dat", m.TablicaNasycenia))
        throw std::runtime_error(*blad);
    m.WarunkiPracy.TempWew = ti;
    m.WarunkiPracy.WilgotWewn = 55;
    m.WarunkiPracy.TempZewn = te;
    m.WarunkiPracy.WilgotZewn = 85;
    m.WarunkiPracy.Rsi = 0.13;
    m.WarunkiPracy.Rse = 0.04;
    m.WarunkiPracy.TypPrzegrody.UstawUtf8("Ściana zewnętrzna");
    int k = 0;
    const char* nazwy[] = {"Tynk cementowo-wapienny", "Mur z cegły ceramicznej pełnej", "Styropian EPS 040",
                           "Tynk cienkowarstwowy mineralny"};
    const double lambdy[] = {0.82, 0.77, 0.04, 0.7};
    const double mi[] = {10, 10, 60, 20};
    for (double d : grubosci) {
        TWarstwa& w = m.Warstwy[++m.LiczbaWarstw];
        w.Nazwa.UstawUtf8(nazwy[k % 4]);
        w.Grubosc = d;
        w.Lambda = lambdy[k % 4];
        w.Mi = mi[k % 4];
        ++k;
    }
    ObliczPrzegrode(m);
    return m;
}

} // namespace murolab
