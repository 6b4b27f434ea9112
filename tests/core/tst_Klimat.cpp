// Climate texts: what is accepted (comments, header, comma or point, further columns) and every refusal,
// each naming its line; the bundled stations all read.
#include "core/Klimat.h"
#include "core/Przygotowanie.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace murolab;

namespace {

// Twelve month lines "m;t;f" after a comment and a header; `zamiany` replaces whole lines by number (1-based
// over the whole text).
std::string Tekst(const std::vector<std::pair<int, std::string>>& zamiany = {}) {
    std::vector<std::string> linie{"# Stacja Próbna (WMO 1)", "miesiąc;temp;wilgotnosc"};
    for (int m = 1; m <= 12; ++m)
        linie.push_back(std::to_string(m) + ";" + std::to_string(m - 5) + ",5;8" + std::to_string(m % 10));
    for (const auto& [nr, linia] : zamiany)
        linie.at(static_cast<std::size_t>(nr - 1)) = linia;
    std::string s;
    for (const auto& l : linie)
        s += l + "\n";
    return s;
}

TEST(Klimat, CzytaKomentarzeNaglowekPrzecinekIKropke) {
    std::string t = "\xEF\xBB\xBF# Kraków (stacja 1)\r\n# drugi komentarz\r\n\r\nmiesiac;temp;wilg;inne\r\n";
    for (int m = 12; m >= 1; --m) // any order
        t += std::to_string(m) + (m % 2 ? ";-3,25;" : "; -3.25 ;") + "88.5;77;x\r\n";
    const auto w = CzytajKlimat(t, "k.csv");
    ASSERT_EQ(w.index(), 0u) << std::get<1>(w).Komunikat;
    const TKlimat& k = std::get<0>(w);
    EXPECT_EQ(k.Nazwa, "Kraków (stacja 1)");
    for (const auto& m : k.Miesiace) {
        EXPECT_EQ(m.Temp, -3.25);
        EXPECT_EQ(m.Wilgot, 88.5);
    }
    const auto p = CzytajKlimat(Tekst(), "p.csv");
    ASSERT_EQ(p.index(), 0u);
    EXPECT_EQ(std::get<0>(p).Miesiace[0].Temp, -4.5);
    EXPECT_EQ(std::get<0>(p).Miesiace[11].Wilgot, 82);
}

TEST(Klimat, OdmowyWskazujaWiersz) {
    struct Wiersz {
        const char* nazwa;
        std::string tekst;
        const char* fragment;
    };
    const std::vector<Wiersz> wiersze{
        {"brak_miesiaca", Tekst({{9, ""}}), "brak miesiąca 7"},
        {"powtorzony_miesiac", Tekst({{10, "3;1;80"}}),
         "wiersz 10: miesiąc 3 powtórzony (był już w wierszu 5)"},
        {"temp_nie_liczba", Tekst({{4, "2;abc;80"}}), "wiersz 4: temperatura „abc” nie jest liczbą"},
        {"temp_nan", Tekst({{4, "2;nan;80"}}), "wiersz 4: temperatura"},
        {"temp_dwa_separatory", Tekst({{4, "2;1,5.5;80"}}), "wiersz 4: temperatura"},
        {"wilg_pusta", Tekst({{5, "3;1;"}}), "wiersz 5: wilgotność „” nie jest liczbą"},
        {"temp_ponad_50", Tekst({{6, "4;50,1;80"}}), "wiersz 6: temperatura 50,1 °C poza zakresem"},
        {"temp_ponizej_minus_50", Tekst({{6, "4;-50,5;80"}}), "wiersz 6: temperatura"},
        {"wilg_zero", Tekst({{7, "5;1;0,5"}}), "wiersz 7: wilgotność 0,5 % poza zakresem"},
        {"wilg_ponad_100", Tekst({{7, "5;1;100,1"}}), "wiersz 7: wilgotność"},
        {"miesiac_13", Tekst({{8, "13;1;80"}}), "wiersz 8: numer miesiąca „13”"},
        {"miesiac_ulamkowy", Tekst({{8, "6,5;1;80"}}), "wiersz 8: numer miesiąca"},
        {"za_malo_pol", Tekst({{8, "6;1"}}), "wiersz 8: oczekiwano trzech pól"},
        {"pusty_plik", "", "brak miesiąca 1"},
        // The count with its Polish noun.
        {"cztery_wiersze", "# Stacja\nmiesiac;temp;wilg\n1;1;80\n2;1;80\n", "(plik ma 4 wiersze)"},
        {"piec_wierszy", "# Stacja\nmiesiac;temp;wilg\n1;1;80\n2;1;80\n3;1;80\n", "(plik ma 5 wierszy)"},
    };
    for (const Wiersz& w : wiersze) {
        const auto wynik = CzytajKlimat(w.tekst, "zly.csv");
        ASSERT_EQ(wynik.index(), 1u) << w.nazwa;
        const std::string& blad = std::get<1>(wynik).Komunikat;
        EXPECT_NE(blad.find(w.fragment), std::string::npos) << w.nazwa << ": " << blad;
        EXPECT_NE(blad.find("„zly.csv”"), std::string::npos) << w.nazwa << ": " << blad;
    }
    // The limits themselves are accepted.
    EXPECT_EQ(CzytajKlimat(Tekst({{3, "1;-50;1"}, {4, "2;50;100"}}), "x").index(), 0u);
}

TEST(Klimat, DolaczoneStacjeSaPoprawne) {
    struct Wiersz {
        const char* plik;
        const char* stacja;
        double tempStycznia;
    };
    for (const Wiersz& w : {Wiersz{"Bialystok", "Białystok", -4.9}, Wiersz{"Bydgoszcz", "Bydgoszcz", -0.7},
                            Wiersz{"Chojnice", "Chojnice", -0.7}, Wiersz{"Elblag", "Elbląg", 0},
                            Wiersz{"Kolobrzeg", "Kołobrzeg", 0}, Wiersz{"Opole", "Opole", 0},
                            Wiersz{"Warszawa-Okecie", "Warszawa", 0}}) {
        std::ifstream plik(std::string(MUROLAB_DANE_ZRODLOWE "/klimat/") + w.plik + ".csv");
        ASSERT_TRUE(plik) << w.plik;
        std::stringstream s;
        s << plik.rdbuf();
        const auto k = CzytajKlimat(s.str(), w.plik);
        ASSERT_EQ(k.index(), 0u) << std::get<1>(k).Komunikat;
        EXPECT_EQ(std::get<0>(k).Nazwa.rfind(w.stacja, 0), 0u) << std::get<0>(k).Nazwa;
        if (w.tempStycznia != 0) {
            EXPECT_EQ(std::get<0>(k).Miesiace[0].Temp, w.tempStycznia) << w.plik;
        }
    }
}

} // namespace
