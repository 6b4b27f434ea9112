// The summary file and the rows computed from project files.
#include "core/Przygotowanie.h"
#include "files/RekordProjektu.h"
#include "files/Zestawienie.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using namespace murolab;
using namespace murolab::test;

namespace {

std::string Czytaj(const std::string& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

TEST(PlikZestawienia, ZapisIOdczytZachowujaWszystko) {
    TKatalogTymczasowy k;
    const std::string tekst = "{\"Format\":\"murolab-zestawienie\",\"Wersja\":1,\"Budynek\":{\"Nazwa\":\"Dom "
                              "„Pod Lipą”\",\"Data\":\"09.12.2026\"},\"Projekty\":[\"a.pro\",\"dach/ż.pro\"],"
                              "\"Przyszle\":{\"x\":[1,2]}}";
    auto z = DekodujZestawienie(tekst);
    ASSERT_EQ(Niepowodzenie(z), nullptr) << *Niepowodzenie(z);
    const TPlikZestawienia& p = std::get<TPlikZestawienia>(z);
    EXPECT_EQ(p.Budynek.Nazwa, "Dom „Pod Lipą”");
    EXPECT_EQ(p.Budynek.Data, "09.12.2026");
    EXPECT_EQ(p.Projekty, (std::vector<std::string>{"a.pro", "dach/ż.pro"}));

    const std::string plik = k.Plik("b.zestawienie.json");
    ASSERT_EQ(ZapiszZestawienie(plik, p), std::nullopt);
    const std::string zapisany = Czytaj(plik);
    EXPECT_NE(zapisany.find("\"Przyszle\": {\"x\":[1,2]}"), std::string::npos) << "unknown keys written back";
    auto znowu = WczytajZestawienie(plik);
    ASSERT_EQ(Niepowodzenie(znowu), nullptr);
    EXPECT_EQ(KodujZestawienie(std::get<TPlikZestawienia>(znowu)), zapisany)
        << "a second save changes nothing";
    EXPECT_EQ(k.Pliki(), (std::vector<std::string>{"b.zestawienie.json"})) << "no temporary file left";
}

TEST(PlikZestawienia, OdmowyZPowodem) {
    struct TPrzypadek {
        const char* Nazwa;
        const char* Tekst;
        const char* Fragment;
    };
    const TPrzypadek przypadki[] = {
        {"przecinek na końcu", "{\"Format\":\"murolab-zestawienie\",\n\"Wersja\":1,\n\"Projekty\":[\"a\",]}",
         "wiersz 3"},
        {"pusty", "", "wiersz 1"},
        {"tablica", "[]", "obiektu"},
        {"inny format", "{\"Format\":\"cos\",\"Wersja\":1}", "Format"},
        {"nowsza wersja", "{\"Format\":\"murolab-zestawienie\",\"Wersja\":2}", "nowszego programu"},
        {"wersja ułamkowa", "{\"Format\":\"murolab-zestawienie\",\"Wersja\":1.5}", "Wersja"},
        {"projekty tekstem", "{\"Format\":\"murolab-zestawienie\",\"Wersja\":1,\"Projekty\":\"a.pro\"}",
         "Projekty"},
        {"pusta ścieżka", "{\"Format\":\"murolab-zestawienie\",\"Wersja\":1,\"Projekty\":[\"a\",\"\"]}",
         "element 2"},
        {"budynek liczbą", "{\"Format\":\"murolab-zestawienie\",\"Wersja\":1,\"Budynek\":{\"Adres\":5}}",
         "Budynek.Adres"},
    };
    for (const TPrzypadek& c : przypadki) {
        const auto z = DekodujZestawienie(c.Tekst);
        ASSERT_NE(Niepowodzenie(z), nullptr) << c.Nazwa;
        EXPECT_NE(Niepowodzenie(z)->find(c.Fragment), std::string::npos)
            << c.Nazwa << ": " << *Niepowodzenie(z);
    }
}

TEST(PlikZestawienia, SciezkiWzgledemFolderuZestawienia) {
    struct TPrzypadek {
        const char* Projekt;
        const char* Zestawienie;
        const char* Zapisana;
    };
    for (const TPrzypadek& c : {TPrzypadek{"/b/dom/sciana.pro", "/b/dom/z.zestawienie.json", "sciana.pro"},
                                TPrzypadek{"/b/dom/dach/d.pro", "/b/dom/z.zestawienie.json", "dach/d.pro"},
                                TPrzypadek{"/b/inne/p.pro", "/b/dom/z.zestawienie.json", "../inne/p.pro"}}) {
        EXPECT_EQ(SciezkaWZestawieniu(c.Projekt, c.Zestawienie), c.Zapisana);
        EXPECT_EQ(SciezkaProjektu(c.Zapisana, c.Zestawienie), c.Projekt);
    }
    EXPECT_EQ(SciezkaProjektu("/abs/p.pro", "/b/z.zestawienie.json"), "/abs/p.pro");
}

TEST(ObliczanieZestawienia, WierszeZPlikowIModelu) {
    TKatalogTymczasowy k;
    TModelProjektu m = ScianaZWelna();
    m.WarunkiPracy.DeltaUk = 0.05;
    m.DaneProjektu.Obiekt.UstawUtf8("Ściana szczytowa");
    const std::string dobry = k.Plik("dobry.pro");
    ASSERT_EQ(ZapiszBajtyProjektu(dobry, KodujProjekt(m)), std::nullopt);
    const std::string obcyKlimat = k.Plik("obcy.pro");
    TModelProjektu zKlimatem = m;
    zKlimatem.Iso13788.Klimat = k.Plik("nie_ma.csv");
    ASSERT_EQ(ZapiszBajtyProjektu(obcyKlimat, KodujProjekt(zKlimatem)), std::nullopt);

    TObliczanieZestawienia z(TablicaUla(), MUROLAB_KATALOG_DANYCH);
    const TWierszZestawienia w = z.Wiersz(dobry, "dobry.pro");
    ASSERT_TRUE(w.Obliczony()) << w.Blad;
    EXPECT_EQ(w.Przegroda, "Ściana szczytowa");
    EXPECT_EQ(w.KondensacjaPowierzchniowa, TRodzajWerdyktu::BrakKondensacji);

    const TWierszZestawienia brak = z.Wiersz(k.Plik("nie_ma.pro"), "nie_ma.pro");
    EXPECT_EQ(brak.Stan, TStanWiersza::BrakPliku);
    EXPECT_EQ(brak.Przegroda, "nie_ma.pro");
    const TWierszZestawienia klimat = z.Wiersz(obcyKlimat);
    EXPECT_EQ(klimat.Stan, TStanWiersza::BladPliku) << "a climate that cannot be read is a file's failure";

    // A table never loaded computes nothing rather than wrong figures.
    TObliczanieZestawienia bezTablicy(TTablicaNasycenia{}, MUROLAB_KATALOG_DANYCH);
    const TWierszZestawienia zero = bezTablicy.Wiersz(dobry);
    EXPECT_EQ(zero.Stan, TStanWiersza::BladPliku);
    EXPECT_NE(zero.Blad.find("Tablica ciśnień nasycenia"), std::string::npos) << zero.Blad;

    // The open project as it stands: not a file, and not the file's contents.
    TModelProjektu zmieniony = m;
    zmieniony.Warstwy[2].Grubosc = 0.30;
    const TWierszZestawienia otwarty = z.Wiersz(zmieniony, "dobry.pro", "Ściana szczytowa");
    ASSERT_TRUE(otwarty.Obliczony());
    EXPECT_LT(otwarty.Uk, w.Uk);
}

} // namespace
