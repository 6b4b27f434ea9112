// ula.dat and its loading: the bundled table against the EN ISO 13788 formula, and damaged files.
#include "core/Obliczenia.h"
#include "core/Przygotowanie.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

using namespace murolab;
using namespace murolab::test;

namespace {

// A table file of the given records, and `dodatkoweBajty` bytes of a partial record after them.
std::string PlikTablicy(const TKatalogTymczasowy& katalog, const std::string& nazwa,
                        const std::vector<double>& wartosci, std::size_t dodatkoweBajty = 0) {
    const std::string sciezka = katalog.Plik(nazwa);
    std::ofstream f(sciezka, std::ios::binary);
    for (double v : wartosci) {
        const auto u = std::bit_cast<std::uint64_t>(v);
        for (int b = 0; b < 8; ++b)
            f.put(static_cast<char>(u >> (8 * b)));
    }
    for (std::size_t i = 0; i < dodatkoweBajty; ++i)
        f.put('\x01');
    return sciezka;
}

std::vector<double> Kolejne(int ile) {
    std::vector<double> v;
    for (int i = 0; i < ile; ++i)
        v.push_back(i + 0.5);
    return v;
}

TEST(TablicaNasycenia, DolaczonyPlikZgodnyZeWzoremNormy) {
    std::ifstream f(MUROLAB_DANE_ZRODLOWE "/ula.dat", std::ios::binary);
    std::vector<char> bajty((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    ASSERT_EQ(bajty.size(), 440u) << "55 records of 8 bytes, no header";
    for (int m = 0; m < 55; ++m) {
        SCOPED_TRACE(m - 24);
        std::uint64_t u = 0;
        for (int b = 7; b >= 0; --b)
            u = (u << 8) | static_cast<unsigned char>(bajty[static_cast<std::size_t>(m * 8 + b)]);
        const double hpa = std::bit_cast<double>(u);
        const double t = m - 24;
        const double pa =
            t < 0 ? 610.5 * std::exp(21.875 * t / (265.5 + t)) : 610.5 * std::exp(17.269 * t / (237.3 + t));
        EXPECT_NEAR(hpa, pa / 100, 0.005 + 1e-12);
        EXPECT_NEAR(hpa * 100, std::round(hpa * 100), 1e-9) << "two decimals";
    }
    TTablicaNasycenia t{};
    ASSERT_FALSE(WczytajTabliceNasycenia(MUROLAB_DANE_ZRODLOWE "/ula.dat", t).has_value());
    EXPECT_EQ(t[20 + 24], 23.37);
    EXPECT_EQ(t[-5 + 24], 4.01);
    EXPECT_EQ(t[0 + 24], 6.11);
}

TEST(TablicaNasycenia, BrakujaceKrotkieIUszkodzonePliki) {
    TKatalogTymczasowy katalog;
    struct {
        const char* Nazwa;
        std::string Plik;
        bool Komunikat; // the loading reports an input-output error
        int Wczytane;   // entries read, from the first
        double Ostatni; // the last entry read (entry Wczytane - 1)
    } const przypadki[] = {
        {"brak pliku", katalog.Plik("brak.dat"), true, 0, 0},
        {"katalog zamiast pliku", katalog.Sciezka().string(), true, 0, 0},
        {"10 rekordow bez komunikatu", PlikTablicy(katalog, "10.dat", Kolejne(10)), false, 10, 9.5},
        {"60 rekordow: nadmiarowe pominiete", PlikTablicy(katalog, "60.dat", Kolejne(60)), false, 55, 54.5},
        {"niepelny rekord: wczesniejsze zostaja", PlikTablicy(katalog, "niepelny.dat", Kolejne(10), 3), true,
         10, 9.5},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        TTablicaNasycenia t{};
        int wczytane = -1;
        const auto blad = WczytajTabliceNasycenia(p.Plik, t, &wczytane);
        EXPECT_EQ(blad.has_value(), p.Komunikat) << blad.value_or("");
        EXPECT_EQ(wczytane, p.Wczytane);
        if (p.Wczytane > 0) {
            EXPECT_EQ(t[static_cast<std::size_t>(p.Wczytane - 1)], p.Ostatni);
        }
        for (std::size_t k = static_cast<std::size_t>(p.Wczytane); k < t.size(); ++k)
            EXPECT_EQ(t[k], 0) << "entry " << k << " not read stays 0";
    }
    // The message of a missing file names it and says why, in Polish.
    TTablicaNasycenia t{};
    const auto blad = WczytajTabliceNasycenia(katalog.Plik("brak.dat"), t);
    EXPECT_NE(blad.value_or("").find("brak.dat”: nie ma takiego pliku"), std::string::npos)
        << blad.value_or("");
}

} // namespace
