// The order of names in the program's lists (Polish alphabet, numbers by value) and the Polish
// plural of a count.
#include "core/KrotkiTekst.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

using namespace murolab;

namespace {

int Znak(int x) {
    return (x > 0) - (x < 0);
}

TEST(PorownajPolsku, ParyWKolejnosci) {
    // Each pair: the first sorts before the second.
    const std::pair<const char*, const char*> pary[] = {
        {"EPS 70", "EPS 100"},            // numbers by value, not by their first digit
        {"EPS 100", "EPS 200"},           //
        {"EPS 9", "EPS 10"},              //
        {"Beton 007", "Beton 8"},         // leading zeros do not make a number larger
        {"płyta 0,5 mm", "płyta 0,6 mm"}, // a decimal comma inside a number
        {"płyta 0,5", "płyta 0,55"},      //
        {"płyta 0,55", "płyta 1"},        //
        {"Cegła", "Ćwiek"},               // c < ć < d
        {"Ćwiek", "Drewno"},              //
        {"Lepik", "Łupek"},               // l < ł < m
        {"Łupek", "Marmur"},              //
        {"Sosna", "Świerk"},              // s < ś < t
        {"Świerk", "Tynk"},               //
        {"Zaprawa", "Źdźbło"},            // z < ź < ż
        {"Źdźbło", "Żelbet"},             //
        {"Ekran", "Ępsilon"},             // e < ę < f
        {"Ołów", "Ósemka"},               // o < ó < p
        {"akryl", "Beton"},               // the case does not count
        {"beton", "Beton komórkowy"},     // a prefix comes first
        {"Wełna 35", "Wełna mineralna"},  // digits before letters
        {"Wełna mineralna", "Wełnax"},    // a blank before letters
        {"Żelbet", "żelbet"},             // equal to the reader: upper case first, so the order is total
    };
    for (const auto& [a, b] : pary) {
        SCOPED_TRACE(std::string(a) + " < " + b);
        EXPECT_LT(PorownajPolsku(a, b), 0);
        EXPECT_GT(PorownajPolsku(b, a), 0);
    }
    EXPECT_EQ(PorownajPolsku("Wełna 100", "Wełna 100"), 0);
    EXPECT_EQ(PorownajPolsku("", ""), 0);
    EXPECT_LT(PorownajPolsku("", "a"), 0);
}

TEST(PorownajPolsku, ListaStyropianowPoSortowaniu) {
    std::vector<std::string> lista = {"Styropian EPS 200", "Styropian EPS 50",  "Styropian EPS 100",
                                      "Styropian EPS 70",  "Polistyren XPS 30", "Styropian grafitowy",
                                      "Ściana z pustaków", "Sklejka 10 mm",     "styropian EPS 80"};
    std::sort(lista.begin(), lista.end(),
              [](const std::string& a, const std::string& b) { return PorownajPolsku(a, b) < 0; });
    const std::vector<std::string> oczekiwana = {
        "Polistyren XPS 30", "Sklejka 10 mm",       "Styropian EPS 50",
        "Styropian EPS 70",  "styropian EPS 80",    "Styropian EPS 100",
        "Styropian EPS 200", "Styropian grafitowy", "Ściana z pustaków"};
    EXPECT_EQ(lista, oczekiwana);
}

TEST(PorownajPolsku, PorzadekLiniowyNaLosowychNazwach) {
    // Antisymmetric and transitive on names built of the tricky parts, bytes that are no UTF-8
    // included, so that std::sort may rely on it.
    const std::vector<std::string> czesci = {"a",   "A", "ą", "Ł", "l", "0", "007",  "7", "10",
                                             "0,5", ",", " ", "-", "ż", "z", "\xff", "é", "9"};
    std::mt19937 los(20261209);
    std::vector<std::string> nazwy;
    for (int i = 0; i < 300; ++i) {
        std::string n;
        const int dlugosc = static_cast<int>(los() % 5);
        for (int k = 0; k < dlugosc; ++k)
            n += czesci[los() % czesci.size()];
        nazwy.push_back(n);
    }
    for (const auto& a : nazwy)
        for (const auto& b : nazwy) {
            ASSERT_EQ(Znak(PorownajPolsku(a, b)), -Znak(PorownajPolsku(b, a))) << a << " | " << b;
            ASSERT_EQ(PorownajPolsku(a, b) == 0, a == b) << a << " | " << b;
        }
    std::sort(nazwy.begin(), nazwy.end(),
              [](const std::string& a, const std::string& b) { return PorownajPolsku(a, b) < 0; });
    for (std::size_t i = 0; i + 1 < nazwy.size(); ++i)
        for (std::size_t j = i + 1; j < nazwy.size(); ++j)
            ASSERT_LE(PorownajPolsku(nazwy[i], nazwy[j]), 0) << nazwy[i] << " | " << nazwy[j];
}

TEST(Odmiana, LiczebnikIRzeczownik) {
    const std::pair<long long, const char*> przypadki[] = {
        {0, "wierszy"},  {1, "wiersz"},   {2, "wiersze"},   {4, "wiersze"},   {5, "wierszy"},
        {11, "wierszy"}, {12, "wierszy"}, {14, "wierszy"},  {21, "wierszy"},  {22, "wiersze"},
        {24, "wiersze"}, {25, "wierszy"}, {112, "wierszy"}, {104, "wiersze"}, {-3, "wiersze"},
    };
    for (const auto& [n, slowo] : przypadki)
        EXPECT_EQ(Odmiana(n, "wiersz", "wiersze", "wierszy"), slowo) << n;
}

} // namespace
