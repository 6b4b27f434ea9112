// ula.dat and its loading: the bundled table against the EN ISO 13788 formula, and damaged files.
#include "core/Obliczenia.h"
#include "core/Przygotowanie.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>
#include <span>
#include <vector>

using namespace murolab;
using namespace murolab::test;

namespace {

// The bytes of a table file of the given values.
std::vector<std::uint8_t> Obraz(const std::vector<double>& wartosci) {
    std::vector<std::uint8_t> bajty;
    for (double v : wartosci) {
        const auto u = std::bit_cast<std::uint64_t>(v);
        for (int b = 0; b < 8; ++b)
            bajty.push_back(static_cast<std::uint8_t>(u >> (8 * b)));
    }
    return bajty;
}

// 55 increasing values like a real table, with one entry changed.
std::vector<double> Tablica(int zmieniony = -1, double wartosc = 0) {
    std::vector<double> v;
    for (int i = 0; i < 55; ++i)
        v.push_back(0.5 + 0.75 * i);
    if (zmieniony >= 0)
        v[static_cast<std::size_t>(zmieniony)] = wartosc;
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
    ASSERT_FALSE(DekodujTabliceNasycenia(
                     std::span(reinterpret_cast<const std::uint8_t*>(bajty.data()), bajty.size()), t)
                     .has_value());
    EXPECT_EQ(t[20 + 24], 23.37);
    EXPECT_EQ(t[-5 + 24], 4.01);
    EXPECT_EQ(t[0 + 24], 6.11);
}

TEST(TablicaNasycenia, PrzyjmujeTylko55SkonczonychDodatnichRosnacychWartosci) {
    const double inf = std::numeric_limits<double>::infinity();
    struct {
        const char* Nazwa;
        std::vector<std::uint8_t> Bajty;
        const char* Powod; // nullptr: accepted
    } const przypadki[] = {
        {"poprawna tablica", Obraz(Tablica()), nullptr},
        {"pusty plik", {}, "ma 0 bajtów"},
        {"10 wpisow", Obraz([] {
             auto v = Tablica();
             v.resize(10);
             return v;
         }()),
         "ma 80 bajtów"},
        {"56 wpisow", Obraz([] {
             auto v = Tablica();
             v.push_back(99);
             return v;
         }()),
         "ma 448 bajtów"},
        {"niepelny rekord",
         [] {
             auto b = Obraz(Tablica());
             b.pop_back();
             return b;
         }(),
         "ma 439 bajtów"},
        {"NaN", Obraz(Tablica(3, std::nan(""))), "wpis 3 (-21 °C) nie jest dodatnią liczbą skończoną"},
        {"nieskonczonosc", Obraz(Tablica(54, inf)), "wpis 54 (30 °C) nie jest dodatnią"},
        {"1e308", Obraz(Tablica(54, 1e308)), "wpis 54 (30 °C) przekracza 1000 hPa"},
        {"zero", Obraz(Tablica(0, 0)), "wpis 0 (-24 °C) nie jest dodatnią"},
        {"ujemna", Obraz(Tablica(0, -1)), "wpis 0 (-24 °C) nie jest dodatnią"},
        {"malejaca", Obraz(Tablica(30, 1)), "wpis 30 (6 °C) nie jest większy od poprzedniego"},
        {"rowna poprzedniej", Obraz(Tablica(30, Tablica()[29])), "wpis 30 (6 °C) nie jest większy"},
        {"same zera", std::vector<std::uint8_t>(440, 0), "wpis 0 (-24 °C)"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        TTablicaNasycenia t{};
        t.fill(7);
        const auto blad = DekodujTabliceNasycenia(p.Bajty, t);
        if (!p.Powod) {
            EXPECT_FALSE(blad.has_value()) << *blad;
            EXPECT_EQ(t[54], Tablica()[54]);
            continue;
        }
        ASSERT_TRUE(blad.has_value());
        EXPECT_NE(blad->find(p.Powod), std::string::npos) << *blad;
        EXPECT_EQ(t[0], 7) << "a refused table changes nothing";
    }
}

} // namespace
