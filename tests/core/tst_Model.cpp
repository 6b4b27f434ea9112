// The reset of the command New.
#include "core/Model.h"
#include "core/Przygotowanie.h"
#include "core/Sprawdzenia.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

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

// The grid's row operations seen from the layer numbers (1-based), on a grid of five layers.
TEST(Model, NumeryWarstwPoOperacjachSiatki) {
    struct TPrzypadek {
        const char* Opis;
        int (*Numer)(int);
        std::array<int, 5> Oczekiwane; // the new numbers of layers 1..5
    };
    const TPrzypadek przypadki[] = {
        {"row 2 (layer 2) dragged to row 4",
         [](int k) { return NumerPoPrzeciagnieciu(k, 1, 3); },
         {1, 4, 2, 3, 5}},
        {"row 4 dragged to row 0", [](int k) { return NumerPoPrzeciagnieciu(k, 3, 0); }, {2, 3, 4, 1, 5}},
        {"row dropped where it was", [](int k) { return NumerPoPrzeciagnieciu(k, 2, 2); }, {1, 2, 3, 4, 5}},
        {"row 1 deleted", [](int k) { return NumerPoUsunieciu(k, 1); }, {1, 0, 2, 3, 4}},
        {"last row deleted", [](int k) { return NumerPoUsunieciu(k, 4); }, {1, 2, 3, 4, 0}},
        // Six rows after the new one was added, the layer goes into row 1: layers 2..5 move down.
        {"inserted at row 1 of six", [](int k) { return NumerPoWstawieniu(k, 6, 1); }, {1, 3, 4, 5, 6}},
        // A full grid of five: the last layer is overwritten, the others from row 2 move down.
        {"inserted at row 2, grid full", [](int k) { return NumerPoWstawieniu(k, 5, 2); }, {1, 2, 4, 5, 0}},
        {"row 3 replaced", [](int k) { return NumerPoZamianie(k, 3); }, {1, 2, 3, 0, 5}},
    };
    for (const TPrzypadek& p : przypadki) {
        SCOPED_TRACE(p.Opis);
        for (int k = 1; k <= 5; ++k)
            EXPECT_EQ(p.Numer(k), p.Oczekiwane[static_cast<std::size_t>(k - 1)]) << "layer " << k;
    }
}

TEST(Model, PoprawkaNieszczelnosciIdzieZaWarstwa) {
    TWarunkiPracy w;
    w.NrNieszczelnosci = 3;
    w.DeltaU = 0.04;
    EXPECT_EQ(PrzeniesPoprawke(w, 3), std::nullopt) << "the layer stayed";
    EXPECT_EQ(PrzeniesPoprawke(w, 4), 3);
    EXPECT_EQ(w.NrNieszczelnosci, 4);
    EXPECT_EQ(w.DeltaU, 0.04);
    // The layer is gone: the correction goes with it.
    EXPECT_EQ(PrzeniesPoprawke(w, 0), 4);
    EXPECT_EQ(w.NrNieszczelnosci, 0);
    EXPECT_EQ(w.DeltaU, 0);
    // No correction, nothing to move.
    EXPECT_EQ(PrzeniesPoprawke(w, 2), std::nullopt);
    EXPECT_EQ(w.NrNieszczelnosci, 0);
}

// A dragged row takes its bridging materials and air layer along; a deleted one takes them away, and
// the links that named it ("w osi", the 2017 fastener entry) go with it.
TEST(Model, MostkiIPowietrzeIdaZaWarstwa) {
    TModelProjektu m;
    m.Resetuj();
    m.LiczbaWarstw = 4;
    m.Warstwy[2].Mostki.push_back({"Słup", 0.13, 50, {}, {}, 0.15});
    m.Warstwy[3].Mostki.push_back({"Łata", 0.13, 50, {}, {}, 0.15});
    m.Warstwy[3].WOsi = 2;
    m.Warstwy[4].Powietrze = TPowietrze{};
    m.WarunkiPracy.Lacznik2017 = TLacznik2017{2, {}};

    // Row 1 (layer 2) dragged to row 3: layers 3 and 4 move up.
    PrzeniesDaneNiejednorodne(m, [](int k) { return NumerPoPrzeciagnieciu(k, 1, 3); });
    EXPECT_TRUE(m.Warstwy[1].Mostki.empty());
    ASSERT_EQ(m.Warstwy[2].Mostki.size(), 1u);
    EXPECT_EQ(m.Warstwy[2].Mostki[0].Nazwa, "Łata");
    EXPECT_EQ(m.Warstwy[2].WOsi, 4) << "the link follows the layer it names";
    EXPECT_TRUE(m.Warstwy[3].Powietrze.has_value());
    ASSERT_EQ(m.Warstwy[4].Mostki.size(), 1u);
    EXPECT_EQ(m.Warstwy[4].Mostki[0].Nazwa, "Słup");
    EXPECT_EQ(m.WarunkiPracy.Lacznik2017->Warstwa, 4);

    // The studded layer (now layer 4, row 3) deleted: its materials and the links to it go.
    PrzeniesDaneNiejednorodne(m, [](int k) { return NumerPoUsunieciu(k, 3); });
    EXPECT_TRUE(m.Warstwy[4].Mostki.empty());
    EXPECT_EQ(m.Warstwy[2].WOsi, 0);
    EXPECT_EQ(m.Warstwy[2].Mostki.size(), 1u);
    EXPECT_FALSE(m.WarunkiPracy.Lacznik2017.has_value());
}

// The 2017 fastener entry over every grid operation: its layer number follows the layer, and the
// layer gone (deleted, or overwritten by a layer sent into a full grid) takes the whole fastener
// correction along, so that the older form with a stale alpha never takes over unasked.
TEST(Model, Lacznik2017IdzieZaWarstwa) {
    struct TPrzypadek {
        const char* Opis;
        std::function<int(int)> Numer;
        int Oczekiwana; // the entry's new layer, 0 = the correction is gone
    };
    const TPrzypadek przypadki[] = {
        {"its row dragged down", [](int k) { return NumerPoPrzeciagnieciu(k, 2, 4); }, 5},
        {"a row dragged over it", [](int k) { return NumerPoPrzeciagnieciu(k, 4, 0); }, 4},
        {"a row below dragged", [](int k) { return NumerPoPrzeciagnieciu(k, 3, 4); }, 3},
        {"a row deleted above", [](int k) { return NumerPoUsunieciu(k, 0); }, 2},
        {"its row deleted", [](int k) { return NumerPoUsunieciu(k, 2); }, 0},
        {"a row inserted above", [](int k) { return NumerPoWstawieniu(k, 6, 1); }, 4},
        {"a row inserted below", [](int k) { return NumerPoWstawieniu(k, 6, 4); }, 3},
        {"full grid, its row pushed out", [](int k) { return NumerPoWstawieniu(k, 3, 0); }, 0},
        {"its row replaced", [](int k) { return NumerPoZamianie(k, 2); }, 0},
        {"another row replaced", [](int k) { return NumerPoZamianie(k, 0); }, 3},
    };
    for (const TPrzypadek& p : przypadki) {
        SCOPED_TRACE(p.Opis);
        TModelProjektu m;
        m.Resetuj();
        m.LiczbaWarstw = 5;
        TWarunkiPracy& w = m.WarunkiPracy;
        w.LambdaF = 50;
        w.LiczbaF = 4;
        w.PoleF = 0.00002;
        w.Lacznik2017 = TLacznik2017{3, 0.08};
        w.NrNieszczelnosci = 1;
        w.DeltaU = 0.01;
        PrzeniesDaneNiejednorodne(m, p.Numer);
        if (p.Oczekiwana == 0) {
            EXPECT_FALSE(w.Lacznik2017.has_value());
            EXPECT_EQ(w.LambdaF, 0);
            EXPECT_EQ(w.Alfa, 0);
            EXPECT_EQ(w.LiczbaF, 0);
            EXPECT_EQ(w.PoleF, 0);
        } else {
            ASSERT_TRUE(w.Lacznik2017.has_value());
            EXPECT_EQ(w.Lacznik2017->Warstwa, p.Oczekiwana);
            EXPECT_EQ(w.Lacznik2017->D1, 0.08);
            EXPECT_EQ(w.LambdaF, 50);
            EXPECT_EQ(w.LiczbaF, 4);
        }
        // The air-void correction is the sheet's business (PrzeniesPoprawke), not this one's.
        EXPECT_EQ(w.NrNieszczelnosci, 1);
    }
}

TEST(Model, LacznikStarszejPostaciNieZalezyOdWarstw) {
    TWarunkiPracy w;
    w.LambdaF = 50;
    w.Alfa = 6;
    w.LiczbaF = 4;
    EXPECT_EQ(PrzeniesLacznik(w, 0), std::nullopt);
    EXPECT_EQ(w.LambdaF, 50);
    EXPECT_EQ(w.Alfa, 6);
    w.Lacznik2017 = TLacznik2017{2, {}};
    EXPECT_EQ(PrzeniesLacznik(w, 2), std::nullopt) << "the layer stayed";
    EXPECT_EQ(PrzeniesLacznik(w, 1), 2);
    EXPECT_EQ(PrzeniesLacznik(w, 0), 1);
    EXPECT_EQ(w.LambdaF, 0);
}

} // namespace
