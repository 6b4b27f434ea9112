// The extension block's bridged layers, air layers and the 2017 fastener entry: written as
// described, read back to the same model and bytes, and refused with the layer named when broken.
#include "core/Iso6946.h"
#include "core/Przygotowanie.h"
#include "files/RekordProjektu.h"
#include "files/RozszerzenieProjektu.h"

#include <gtest/gtest.h>

#include <functional>

using namespace murolab;
using namespace murolab::test;

namespace {

// A timber-frame wall with a ventilated cladding: plasterboard, wool between studs, wool between
// battens on the studs, a slightly ventilated air gap, boards.
TModelProjektu Szkielet() {
    TModelProjektu m;
    m.Resetuj();
    WarunkiScianyStrefyIII(m.WarunkiPracy);
    DodajWarstwe(m, "Płyta g-k", 0.0125, 0.25, 10);
    DodajWarstwe(m, "Wełna mineralna", 0.15, 0.035, 1);
    m.Warstwy[2].Mostki.push_back({"Słupek sosnowy", 0.13, 50, 500, 2.5, 0.15});
    DodajWarstwe(m, "Wełna mineralna", 0.05, 0.035, 1);
    m.Warstwy[3].Mostki.push_back({"Łata", 0.13, 50, {}, {}, 0.15});
    m.Warstwy[3].WOsi = 2;
    DodajWarstwe(m, "Powietrze", 0.03, 1, 1);
    m.Warstwy[4].Powietrze = TPowietrze{TWentylacja::Slaba, 800, {0.9, 0.2}, TKierunekStrumienia::Poziomy};
    UzgodnijWarstwePowietrza(m.Warstwy[4]);
    DodajWarstwe(m, "Deska", 0.02, 0.16, 50);
    return m;
}

std::vector<std::uint8_t> Bajty(const TModelProjektu& m, std::string_view blok) {
    const TRekordProjektu r = KodujRekord(m);
    std::vector<std::uint8_t> b(r.begin(), r.end());
    b.insert(b.end(), kNaglowekRozszerzenia.begin(), kNaglowekRozszerzenia.end());
    b.insert(b.end(), blok.begin(), blok.end());
    return b;
}

std::string Ogon(const std::vector<std::uint8_t>& bajty) {
    return std::string(bajty.begin() + static_cast<std::ptrdiff_t>(kRozmiarRekordu), bajty.end());
}

TEST(RozszerzenieNiejednorodne, BlokZapisanyJakOpisano) {
    TModelProjektu m = Szkielet();
    m.LiczbaWarstw = 4;
    m.WarunkiPracy.Lacznik2017 = TLacznik2017{2, 0.1};
    EXPECT_EQ(Ogon(KodujProjekt(m)),
              "MUROLAB-ROZSZERZENIE 1\n"
              R"({"Warstwy":[{"Gestosc":null,"Cieplo":null},)"
              R"({"Gestosc":null,"Cieplo":null,"Mostki":[{"Nazwa":"Słupek sosnowy","Lambda":0.13,"Mi":50,)"
              R"("Gestosc":500,"Cieplo":2.5,"Udzial":0.15}]},)"
              R"({"Gestosc":null,"Cieplo":null,"Mostki":[{"Nazwa":"Łata","Lambda":0.13,"Mi":50,)"
              R"("Gestosc":null,"Cieplo":null,"Udzial":0.15}],"WOsi":2},)"
              R"({"Gestosc":null,"Cieplo":null,"Powietrze":{"Wentylacja":"slaba","Av":800,)"
              R"("Emisyjnosc":[0.9,0.2],"Kierunek":"poziomy"}}],)"
              R"("Lacznik2017":{"Warstwa":2,"d1":0.1}})"
              "\n");
}

TEST(RozszerzenieNiejednorodne, WracaTakieSamo) {
    struct {
        const char* Nazwa;
        std::function<void(TModelProjektu&)> Ustaw;
    } const przypadki[] = {
        {"mostki, w osi i powietrze", [](TModelProjektu&) {}},
        {"lacznik przechodzacy",
         [](TModelProjektu& m) {
             m.WarunkiPracy.Lacznik2017 = TLacznik2017{3, {}};
         }},
        {"lacznik wpuszczony",
         [](TModelProjektu& m) {
             m.WarunkiPracy.Lacznik2017 = TLacznik2017{2, 0.08};
         }},
        {"dwa mostki i dobrze wentylowana w dol",
         [](TModelProjektu& m) {
             m.Warstwy[3].WOsi = 0;
             m.Warstwy[3].Mostki.push_back({"Kotwa", 17, 1e6, 7850, 0.45, 0.001});
             m.Warstwy[4].Powietrze =
                 TPowietrze{TWentylacja::Dobra, 2500, {0.9, 0.9}, TKierunekStrumienia::WDol};
         }},
        {"powietrze miedzy latami",
         [](TModelProjektu& m) {
             m.Warstwy[4].Powietrze->Kierunek = TKierunekStrumienia::WGore;
             m.Warstwy[4].Mostki.push_back({"Kontrłata", 0.13, 50, {}, {}, 0.1});
         }},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        TModelProjektu m = Szkielet();
        p.Ustaw(m);
        UzgodnijWarstwePowietrza(m.Warstwy[4]); // as every edit of an air layer does
        const auto bajty = KodujProjekt(m);
        auto wynik = DekodujRekord(bajty);
        ASSERT_FALSE(Niepowodzenie(wynik)) << *Niepowodzenie(wynik);
        TModelProjektu ponownie;
        PrzeniesDoModelu(std::get<TZawartoscProjektu>(wynik), ponownie);
        EXPECT_TRUE(KodujProjekt(ponownie) == bajty) << Ogon(KodujProjekt(ponownie));
        for (int k = 1; k <= m.LiczbaWarstw; ++k) {
            const TWarstwa& a = m.Warstwy[k];
            const TWarstwa& b = ponownie.Warstwy[k];
            ASSERT_EQ(a.Mostki.size(), b.Mostki.size()) << k;
            for (std::size_t i = 0; i < a.Mostki.size(); ++i) {
                EXPECT_EQ(a.Mostki[i].Nazwa, b.Mostki[i].Nazwa);
                EXPECT_EQ(a.Mostki[i].Lambda, b.Mostki[i].Lambda);
                EXPECT_EQ(a.Mostki[i].Mi, b.Mostki[i].Mi);
                EXPECT_EQ(a.Mostki[i].Gestosc, b.Mostki[i].Gestosc);
                EXPECT_EQ(a.Mostki[i].Cieplo, b.Mostki[i].Cieplo);
                EXPECT_EQ(a.Mostki[i].Udzial, b.Mostki[i].Udzial);
            }
            EXPECT_EQ(a.WOsi, b.WOsi) << k;
            ASSERT_EQ(a.Powietrze.has_value(), b.Powietrze.has_value()) << k;
            if (a.Powietrze) {
                EXPECT_EQ(a.Powietrze->Wentylacja, b.Powietrze->Wentylacja);
                EXPECT_EQ(a.Powietrze->Av, b.Powietrze->Av);
                EXPECT_EQ(a.Powietrze->Emisyjnosc, b.Powietrze->Emisyjnosc);
                EXPECT_EQ(a.Powietrze->Kierunek, b.Powietrze->Kierunek);
            }
        }
        ASSERT_EQ(m.WarunkiPracy.Lacznik2017.has_value(), ponownie.WarunkiPracy.Lacznik2017.has_value());
        if (m.WarunkiPracy.Lacznik2017) {
            EXPECT_EQ(m.WarunkiPracy.Lacznik2017->Warstwa, ponownie.WarunkiPracy.Lacznik2017->Warstwa);
            EXPECT_EQ(m.WarunkiPracy.Lacznik2017->D1, ponownie.WarunkiPracy.Lacznik2017->D1);
        }
    }
}

TEST(RozszerzenieNiejednorodne, PowietrzeZBlokuLambdaRekorduZaNim) {
    // The record's lambda of an air layer is only the equivalent for readers of the record alone: an
    // older program that changed the thickness left it stale, and the block decides.
    TModelProjektu m = Szkielet();
    m.Warstwy[4].Grubosc = 0.05;
    const auto wynik = DekodujRekord(KodujProjekt(m));
    ASSERT_FALSE(Niepowodzenie(wynik));
    const TWarstwa& w = std::get<TZawartoscProjektu>(wynik).Warstwy[4];
    EXPECT_NEAR(w.Grubosc / w.Lambda, OporPowietrza(0.05, *w.Powietrze), 1e-15);
    EXPECT_EQ(w.Mi, 1);
}

TEST(RozszerzenieNiejednorodne, BezLacznika2017StaraPostac) {
    TModelProjektu m = Szkielet();
    PoprawkiPrzykladu(m.WarunkiPracy);
    const auto wynik = DekodujRekord(KodujProjekt(m));
    ASSERT_FALSE(Niepowodzenie(wynik));
    const TWarunkiPracy& w = std::get<TZawartoscProjektu>(wynik).WarunkiPracy;
    EXPECT_FALSE(w.Lacznik2017.has_value());
    EXPECT_EQ(w.Alfa, 6);
}

TEST(RozszerzenieNiejednorodne, OdmowaUszkodzonegoWpisu) {
    struct {
        const char* Nazwa;
        std::string Blok;
        const char* Komunikat; // after "Blok rozszerzenia pliku projektu: "
    } const przypadki[] = {
        {"Mostki nie tablica", R"({"Warstwy":[{},{"Mostki":{}}]})", "„Warstwy[2].Mostki” musi być tablicą."},
        {"trzy mostki", R"({"Warstwy":[{},{"Mostki":[{},{},{}]}]})",
         "„Warstwy[2].Mostki” ma 3 materiały, a warstwa może mieć najwyżej 2."},
        {"mostek bez nazwy", R"({"Warstwy":[{},{"Mostki":[{"Lambda":0.13}]}]})",
         "„Warstwy[2].Mostki[1].Nazwa” musi być tekstem."},
        {"nazwa ze znakiem sterujacym", R"({"Warstwy":[{},{"Mostki":[{"Nazwa":"S\nx","Lambda":0.13}]}]})",
         "„Warstwy[2].Mostki[1].Nazwa” zawiera znak sterujący."},
        {"lambda tekstem", R"({"Warstwy":[{},{"Mostki":[{"Nazwa":"S","Lambda":"0,13"}]}]})",
         "„Warstwy[2].Mostki[1].Lambda” musi być liczbą."},
        {"lambda zero", R"({"Warstwy":[{},{"Mostki":[{"Nazwa":"S","Lambda":0,"Mi":1,"Udzial":0.1}]}]})",
         "„Warstwy[2].Mostki[1].Lambda” = 0; dozwolone: liczba dodatnia."},
        {"brak udzialu", R"({"Warstwy":[{},{"Mostki":[{"Nazwa":"S","Lambda":0.1,"Mi":1}]}]})",
         "„Warstwy[2].Mostki[1].Udzial” musi być liczbą."},
        {"udzial caly", R"({"Warstwy":[{},{"Mostki":[{"Nazwa":"S","Lambda":0.1,"Mi":1,"Udzial":1}]}]})",
         "Warstwa 2, mostek „S”: udział = 1; dozwolony większy od 0 i mniejszy od 1."},
        {"WOsi ulamkiem", R"({"Warstwy":[{},{"WOsi":1.5}]})",
         "„Warstwy[2].WOsi” musi być numerem warstwy (liczbą całkowitą od 1)."},
        {"WOsi bez mostkow", R"({"Warstwy":[{},{},{"WOsi":1}]})",
         "Warstwa 3 leży w osi warstwy 1, która nie ma mostków."},
        {"Powietrze bez wentylacji", R"({"Warstwy":[{"Powietrze":{"Kierunek":"poziomy"}}]})",
         "„Warstwy[1].Powietrze.Wentylacja” musi być jednym z tekstów „brak”, „slaba”, „dobra”."},
        {"Powietrze kierunek nieznany",
         R"({"Warstwy":[{"Powietrze":{"Wentylacja":"brak","Kierunek":"skosny"}}]})",
         "„Warstwy[1].Powietrze.Kierunek” musi być jednym z tekstów „poziomy”, „w_gore”, „w_dol”."},
        {"Powietrze emisyjnosc pojedyncza",
         R"({"Warstwy":[{"Powietrze":{"Wentylacja":"brak","Kierunek":"poziomy","Emisyjnosc":[0.9]}}]})",
         "„Warstwy[1].Powietrze.Emisyjnosc” musi być parą liczb większych od 0 i najwyżej 1."},
        {"Powietrze za grube", R"({"Warstwy":[{},{"Powietrze":{"Wentylacja":"brak","Kierunek":"poziomy"}}]})",
         "Warstwa 2 (warstwa powietrza): grubość 0,35 m; dozwolona od 0,0001 do 0,3 m."},
        {"Lacznik bez warstwy", R"({"Lacznik2017":{"d1":0.05}})",
         "„Lacznik2017.Warstwa” musi być numerem warstwy (liczbą całkowitą od 1)."},
        {"Lacznik za przegroda", R"({"Lacznik2017":{"Warstwa":4}})",
         "Łączniki mechaniczne przechodzą przez warstwę 4, a przegroda ma warstwy od 1 do 3."},
        {"Lacznik d1 ujemne", R"({"Lacznik2017":{"Warstwa":3,"d1":-1}})",
         "„Lacznik2017.d1” musi być liczbą dodatnią (m)."},
    };
    // The record: plaster, 0,35 m of brick (too thick to be an air layer), EPS.
    TModelProjektu m;
    m.Resetuj();
    WarunkiScianyStrefyIII(m.WarunkiPracy);
    DodajWarstwe(m, "Tynk", 0.015, 0.82, 10);
    DodajWarstwe(m, "Cegła", 0.35, 0.77, 10);
    DodajWarstwe(m, "EPS", 0.12, 0.04, 60);
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        const auto wynik = DekodujRekord(Bajty(m, p.Blok));
        const std::string* blad = Niepowodzenie(wynik);
        ASSERT_TRUE(blad);
        EXPECT_EQ(*blad, std::string("Blok rozszerzenia pliku projektu: ") + p.Komunikat);
    }
}

} // namespace
