// The moisture check of a ten-layer project with a year of monthly means: the calculation pass,
// the design condition, twelve months (the dry pass and the balance from the starting month), fRsi
// and the WT verdict. Items per second = projects per second.
#include "core/Iso13788.h"
#include "core/Lato.h"
#include "core/Obliczenia.h"
#include "files/PlikTablicyNasycenia.h"

#include "WarunkiBenchmarku.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

murolab::TKlimat Warszawa() {
    std::ifstream plik(MUROLAB_DANE_ZRODLOWE "/klimat/Warszawa-Okecie.csv");
    std::stringstream s;
    s << plik.rdbuf();
    auto k = murolab::CzytajKlimat(s.str(), "Warszawa-Okecie.csv");
    if (const std::string* blad = murolab::Niepowodzenie(k))
        throw std::runtime_error(*blad);
    return std::get<murolab::TKlimat>(k);
}

// Ten layers whose outer ones are tighter, so that planes form in winter and the balance runs.
murolab::TModelProjektu DziesiecWarstw() {
    murolab::TModelProjektu m = murolab::benchmarki::DziesiecWarstw("Warstwa materiału");
    murolab::WczytajTabliceNasycenia(MUROLAB_DANE_ZRODLOWE "/ula.dat", m.TablicaNasycenia);
    return m;
}

void BM_RocznaKontrola10(benchmark::State& stan) {
    const murolab::TKlimat klimat = Warszawa();
    murolab::TModelProjektu m = DziesiecWarstw();
    const auto& wiersz = murolab::DomyslnyWierszWT(m.WarunkiPracy.TypPrzegrody.Utf8());
    for (auto _ : stan) {
        murolab::ObliczPrzegrode(m);
        auto a = murolab::AnalizujIso13788(m, &klimat, "Warszawa-Okecie", murolab::TWnetrze{0}, wiersz);
        benchmark::DoNotOptimize(a);
    }
    stan.SetItemsProcessed(stan.iterations());
}
BENCHMARK(BM_RocznaKontrola10);

void BM_Lato10(benchmark::State& stan) {
    const murolab::TModelProjektu m = DziesiecWarstw();
    for (auto _ : stan) {
        auto l = murolab::LatoPrzegrody(m);
        benchmark::DoNotOptimize(l);
    }
}
BENCHMARK(BM_Lato10);

} // namespace
