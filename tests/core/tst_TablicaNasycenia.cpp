// ula.dat and its loading: the bundled table against the EN ISO 13788 formula, and damaged files.
#include "core/Obliczenia.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

using namespace murolab;
namespace fs = std::filesystem;

namespace {

class TablicaNasycenia : public ::testing::Test {
protected:
    void SetUp() override {
        katalog_ = fs::temp_directory_path() /
                   ("murolab_ula_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(katalog_);
    }
    void TearDown() override { fs::remove_all(katalog_); }

    std::string Plik(const std::vector<double>& wartosci, std::size_t dodatkoweBajty = 0) {
        const std::string sciezka = (katalog_ / "ula.dat").string();
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

    fs::path katalog_;
};

std::vector<double> Kolejne(int ile) {
    std::vector<double> v;
    for (int i = 0; i < ile; ++i)
        v.push_back(i + 0.5);
    return v;
}

TEST_F(TablicaNasycenia, DolaczonyPlikZgodnyZeWzoremNormy) {
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

TEST_F(TablicaNasycenia, BrakPlikuToKomunikatIZeraZostaja) {
    TTablicaNasycenia t{};
    int wczytane = -1;
    const auto blad = WczytajTabliceNasycenia((katalog_ / "brak.dat").string(), t, &wczytane);
    ASSERT_TRUE(blad.has_value());
    EXPECT_NE(blad->find("brak.dat"), std::string::npos);
    EXPECT_NE(blad->find("nie ma takiego pliku"), std::string::npos) << *blad;
    EXPECT_EQ(wczytane, 0);
    EXPECT_EQ(t[44], 0);
}

TEST_F(TablicaNasycenia, KrotkiPlikZostawiaBrakujaceWpisyBezKomunikatu) {
    TTablicaNasycenia t{};
    int wczytane = -1;
    EXPECT_FALSE(WczytajTabliceNasycenia(Plik(Kolejne(10)), t, &wczytane).has_value());
    EXPECT_EQ(wczytane, 10);
    EXPECT_EQ(t[9], 9.5);
    EXPECT_EQ(t[10], 0);
    EXPECT_EQ(t[54], 0);
}

TEST_F(TablicaNasycenia, NadmiaroweRekordyPomijane) {
    TTablicaNasycenia t{};
    int wczytane = -1;
    EXPECT_FALSE(WczytajTabliceNasycenia(Plik(Kolejne(60)), t, &wczytane).has_value());
    EXPECT_EQ(wczytane, 55);
    EXPECT_EQ(t[54], 54.5);
}

TEST_F(TablicaNasycenia, NiepelnyRekordToKomunikatAWczesniejszeZostaja) {
    TTablicaNasycenia t{};
    int wczytane = -1;
    const auto blad = WczytajTabliceNasycenia(Plik(Kolejne(10), 3), t, &wczytane);
    ASSERT_TRUE(blad.has_value());
    EXPECT_EQ(wczytane, 10);
    EXPECT_EQ(t[9], 9.5);
}

TEST_F(TablicaNasycenia, KatalogZamiastPlikuToKomunikat) {
    TTablicaNasycenia t{};
    EXPECT_TRUE(WczytajTabliceNasycenia(katalog_.string(), t).has_value());
}

} // namespace
