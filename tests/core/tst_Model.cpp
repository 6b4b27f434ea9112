// The reset of the command New.
#include "core/Model.h"
#include "core/Przygotowanie.h"
#include "core/Sprawdzenia.h"

#include <gtest/gtest.h>

using namespace murolab;
using namespace murolab::test;

namespace {

TEST(Model, NaStarcieWszystkoZeroweAWarunkiNieustalone) {
    TModelProjektu m;
    EXPECT_EQ(m.WarunkiPracy.TempZewn, 0) << "the markers come only with a reset";
    EXPECT_EQ(m.LiczbaWarstw, 0);
    EXPECT_EQ(SprawdzWarunkiModelu(m), TStanWarunkow::Brak) << "zero humidities still mark them missing";
}

TEST(Model, ResetCzysciWarstwyWarunkiIOpisAZostawiaResztę) {
    TModelProjektu m;
    m.LiczbaWarstw = 3;
    for (int k = 1; k <= kLiczbaSlotow; ++k) {
        m.Warstwy[k].Nazwa.UstawUtf8("Cegła");
        m.Warstwy[k].Grubosc = 0.25;
        m.Warstwy[k].Lambda = 0.77;
        m.Warstwy[k].Mi = 10;
    }
    TWarunkiPracy& w = m.WarunkiPracy;
    WarunkiScianyStrefyIII(w);
    PoprawkiPrzykladu(w);
    w.MostekWlasny = 0.02;
    m.DaneProjektu.Obiekt.UstawUtf8("Dom");
    m.TablicaNasycenia[44] = 23.37;
    m.Wyniki.U0 = 0.35;

    m.Resetuj();

    EXPECT_EQ(m.LiczbaWarstw, 0);
    for (int k = 1; k <= kLiczbaSlotow; ++k) {
        SCOPED_TRACE(k);
        EXPECT_TRUE(m.Warstwy[k].Nazwa.Pusty());
        EXPECT_EQ(m.Warstwy[k].Grubosc, 0);
        EXPECT_EQ(m.Warstwy[k].Lambda, 0);
        EXPECT_EQ(m.Warstwy[k].Mi, 0);
    }
    EXPECT_EQ(w.TempZewn, -50);
    EXPECT_EQ(w.TempWew, 50);
    EXPECT_EQ(w.WilgotZewn, 0);
    EXPECT_EQ(w.WilgotWewn, 0);
    EXPECT_EQ(w.Rsi, 0);
    EXPECT_EQ(w.Rse, 0);
    EXPECT_TRUE(w.TypPrzegrody.Pusty());
    EXPECT_TRUE(w.StrefaKl.Pusty());
    EXPECT_TRUE(w.WarunkiWilg.Pusty());
    EXPECT_EQ(w.NrNieszczelnosci, 0);
    EXPECT_EQ(w.DeltaU, 0);
    EXPECT_EQ(w.LambdaF, 0);
    EXPECT_EQ(w.Alfa, 0);
    EXPECT_EQ(w.LiczbaF, 0);
    EXPECT_EQ(w.PoleF, 0);
    EXPECT_EQ(w.DeltaUk, 0) << "a thermal-bridge addition set before does not survive";
    EXPECT_EQ(w.MostekWlasny, 0);

    EXPECT_TRUE(m.DaneProjektu.Obiekt.Pusty()) << "the previous project's description would print";
    EXPECT_EQ(m.TablicaNasycenia[44], 23.37);
    EXPECT_EQ(m.Wyniki.U0, 0.35);
    EXPECT_EQ(SprawdzWarunkiModelu(m), TStanWarunkow::Brak);
}

TEST(Model, IndeksPozaTablicaToBladNieSasiedniePole) {
    TModelProjektu m;
    EXPECT_THROW(m.Warstwy[0], std::out_of_range);
    EXPECT_THROW(m.Warstwy[16], std::out_of_range);
    EXPECT_THROW(m.Wyniki.Temp[18], std::out_of_range);
    EXPECT_NO_THROW(m.Wyniki.Temp[17]);
}

} // namespace
