// The checks of the calculate command: layer limits (order and bounds) and the working conditions.
#include "core/Sprawdzenia.h"

#include <gtest/gtest.h>

#include <limits>

using namespace murolab;

namespace {

struct TPrzypadekWarstwy {
    const char* Nazwa;
    double Lambda, Mi, Grubosc;
    const char* Komunikat; // nullptr: the layer passes
};

TEST(BladWarstwy, GraniceWlacznieIKolejnoscTestow) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const TPrzypadekWarstwy przypadki[] = {
        {"typowa", 0.77, 10, 0.25, nullptr},
        {"dolne granice", 0.01, 1, 0.0001, nullptr},
        {"gorne granice", 1000, 9999999, 10, nullptr},
        {"lambda za mala", 0.0099, 10, 0.25, komunikaty::ZlaLambda},
        {"lambda za duza", 1000.001, 10, 0.25, komunikaty::ZlaLambda},
        {"mi za male", 0.77, 0.99, 0.25, komunikaty::ZleMi},
        {"mi 10000000", 0.77, 10000000, 0.25, komunikaty::ZleMi},
        {"grubosc za mala", 0.77, 10, 0.00009, komunikaty::ZlaGrubosc},
        {"grubosc 12", 0.77, 10, 12, komunikaty::ZlaGrubosc},
        {"lambda przed grubościa", 0.005, 10, 12, komunikaty::ZlaLambda},
        {"mi przed grubościa", 0.77, 0, 12, komunikaty::ZleMi},
        {"NaN nie przechodzi", nan, 10, 0.25, komunikaty::ZlaLambda},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        const auto blad = BladWarstwy(p.Lambda, p.Mi, p.Grubosc);
        if (p.Komunikat == nullptr)
            EXPECT_FALSE(blad.has_value());
        else
            EXPECT_EQ(blad.value_or("(przechodzi)"), p.Komunikat);
    }
}

TModelProjektu Ustalone() {
    TModelProjektu m;
    m.WarunkiPracy.TempZewn = -20;
    m.WarunkiPracy.TempWew = 20;
    m.WarunkiPracy.WilgotZewn = 85;
    m.WarunkiPracy.WilgotWewn = 55;
    m.WarunkiPracy.Rsi = 0.13;
    m.WarunkiPracy.Rse = 0.04;
    return m;
}

TEST(SprawdzWarunkiModelu, BrakujaceWarunkiIPrzypomnienie) {
    struct {
        const char* Nazwa;
        void (*Zmien)(TWarunkiPracy&);
        TStanWarunkow Oczekiwany;
    } const przypadki[] = {
        {"ustalone bez poprawek", [](TWarunkiPracy&) {}, TStanWarunkow::BezPoprawek},
        {"te nieustalona", [](TWarunkiPracy& w) { w.TempZewn = -50; }, TStanWarunkow::Brak},
        {"ti nieustalona", [](TWarunkiPracy& w) { w.TempWew = 50; }, TStanWarunkow::Brak},
        {"fi e zero", [](TWarunkiPracy& w) { w.WilgotZewn = 0; }, TStanWarunkow::Brak},
        {"fi i zero", [](TWarunkiPracy& w) { w.WilgotWewn = 0; }, TStanWarunkow::Brak},
        {"Rsi zero", [](TWarunkiPracy& w) { w.Rsi = 0; }, TStanWarunkow::Brak},
        {"Rse zero", [](TWarunkiPracy& w) { w.Rse = 0; }, TStanWarunkow::Brak},
        {"brak warunkow mimo poprawek",
         [](TWarunkiPracy& w) {
             w.Rse = 0;
             w.DeltaUk = 0.05;
         },
         TStanWarunkow::Brak},
        {"DeltaUk", [](TWarunkiPracy& w) { w.DeltaUk = 0.05; }, TStanWarunkow::Kompletne},
        {"nieszczelnosci",
         [](TWarunkiPracy& w) {
             w.NrNieszczelnosci = 2;
             w.DeltaU = 0.01;
         },
         TStanWarunkow::Kompletne},
        {"laczniki", [](TWarunkiPracy& w) { w.LambdaF = 50; }, TStanWarunkow::Kompletne},
        {"mostek wlasny", [](TWarunkiPracy& w) { w.MostekWlasny = 0.02; }, TStanWarunkow::Kompletne},
        {"same DeltaU Alfa LiczbaF PoleF nie licza sie",
         [](TWarunkiPracy& w) {
             w.DeltaU = 0.01;
             w.Alfa = 6;
             w.LiczbaF = 4;
             w.PoleF = 0.000013;
         },
         TStanWarunkow::BezPoprawek},
        {"temperatura 0 to nie znacznik", [](TWarunkiPracy& w) { w.TempZewn = 0; },
         TStanWarunkow::BezPoprawek},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        TModelProjektu m = Ustalone();
        p.Zmien(m.WarunkiPracy);
        EXPECT_EQ(SprawdzWarunkiModelu(m), p.Oczekiwany);
    }
}

} // namespace
