#pragma once
// The working conditions the benchmarks compute under (an external wall in a Polish winter), and the
// ten-layer wall they compute.

#include "core/Model.h"

#include <cstdint>
#include <string>

namespace murolab::benchmarki {

inline void UstawWarunkiZimowe(TWarunkiPracy& wp, std::int32_t wilgotWewn) {
    wp.TempWew = 20;
    wp.TempZewn = -20;
    wp.WilgotWewn = wilgotWewn;
    wp.WilgotZewn = 85;
    wp.Rsi = 0.13;
    wp.Rse = 0.04;
    wp.DeltaUk = 0.05;
}

// Ten layers whose outer ones are tighter, so that planes form in winter and the balance runs.
// `nazwa` names every layer; `dodatek` (m) thickens each, so that generated files differ.
inline TModelProjektu DziesiecWarstw(const std::string& nazwa, double dodatek = 0) {
    TModelProjektu m;
    for (int k = 1; k <= kLimitWarstw; ++k) {
        TWarstwa& w = m.Warstwy[k];
        w.Nazwa.UstawUtf8(nazwa);
        w.Grubosc = 0.02 * k + dodatek;
        w.Lambda = k % 2 ? 0.04 : 0.5;
        w.Mi = 2.0 * k * k;
        w.Gestosc = k % 2 ? 30 : 1500;
        w.Cieplo = k % 2 ? 1.45 : 0.9;
    }
    m.LiczbaWarstw = kLimitWarstw;
    UstawWarunkiZimowe(m.WarunkiPracy, 60);
    m.WarunkiPracy.TypPrzegrody.UstawUtf8("Ściana zewnętrzna");
    return m;
}

} // namespace murolab::benchmarki
