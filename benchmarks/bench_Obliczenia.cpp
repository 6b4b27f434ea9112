// The calculation pass for the largest partition the editor allows (10 layers), and the sheet texts.
#include "core/Arkusz.h"
#include "core/Liczby.h"
#include "core/Obliczenia.h"
#include "files/PlikTablicyNasycenia.h"

#include "WarunkiBenchmarku.h"

#include <benchmark/benchmark.h>

namespace {

murolab::TModelProjektu DziesiecWarstw() {
    murolab::TModelProjektu m;
    murolab::WczytajTabliceNasycenia(MUROLAB_DANE_ZRODLOWE "/ula.dat", m.TablicaNasycenia);
    for (int k = 1; k <= murolab::kLimitWarstw; ++k) {
        murolab::TWarstwa& w = m.Warstwy[k];
        w.Nazwa.UstawUtf8("Warstwa materiału");
        w.Grubosc = 0.01 * k;
        w.Lambda = 0.04 + 0.1 * k;
        w.Mi = 5.0 * k;
    }
    m.LiczbaWarstw = murolab::kLimitWarstw;
    murolab::benchmarki::UstawWarunkiZimowe(m.WarunkiPracy, 55);
    return m;
}

void BM_ObliczPrzegrode10(benchmark::State& stan) {
    murolab::TModelProjektu m = DziesiecWarstw();
    for (auto _ : stan) {
        murolab::ObliczPrzegrode(m);
        benchmark::DoNotOptimize(m.Wyniki.Ts);
    }
}
BENCHMARK(BM_ObliczPrzegrode10);

void BM_ArkuszWynikow10(benchmark::State& stan) {
    murolab::TModelProjektu m = DziesiecWarstw();
    murolab::ObliczPrzegrode(m);
    for (auto _ : stan) {
        auto a = murolab::ArkuszWynikow(m, 20, -20);
        benchmark::DoNotOptimize(a);
    }
}
BENCHMARK(BM_ArkuszWynikow10);

void BM_Staly(benchmark::State& stan) {
    double x = 2339.45;
    for (auto _ : stan) {
        auto s = murolab::Staly(x, 4, 1);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_Staly);

} // namespace
