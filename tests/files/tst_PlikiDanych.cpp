// Where the data files are found: the working directory first, then the data directory.
#include "core/Przygotowanie.h"
#include "files/PlikiDanych.h"
#include "files/RekordProjektu.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace murolab;
using namespace murolab::test;
namespace fs = std::filesystem;

namespace {

// Each test runs in an empty working directory of its own.
class PlikiDanych : public ::testing::Test {
protected:
    void SetUp() override {
        poprzedni_ = fs::current_path();
        fs::current_path(katalog_.Sciezka());
    }
    void TearDown() override { fs::current_path(poprzedni_); }
    TKatalogTymczasowy katalog_;
    fs::path poprzedni_;
};

TEST_F(PlikiDanych, KatalogRoboczyMaPierwszenstwo) {
    std::ofstream("ula.dat") << "x";
    EXPECT_EQ(ZnajdzPlikDanych("ula.dat"), "ula.dat");
}

TEST_F(PlikiDanych, PotemKatalogDanychProgramu) {
    const std::string znaleziony = ZnajdzPlikDanych("ula.dat");
    EXPECT_EQ(fs::path(znaleziony), fs::path(MUROLAB_KATALOG_DANYCH) / "ula.dat");
    EXPECT_TRUE(fs::is_regular_file(znaleziony));
}

TEST_F(PlikiDanych, NieznalezionyZostajeGolaNazwa) {
    EXPECT_EQ(ZnajdzPlikDanych("nie_ma_takiego.ath"), "nie_ma_takiego.ath");
}

TEST_F(PlikiDanych, KatalogONazwiePlikuSiePomija) {
    fs::create_directory("ula.dat");
    EXPECT_NE(ZnajdzPlikDanych("ula.dat"), "ula.dat");
}

TEST_F(PlikiDanych, KolejnoscKatalogow) {
    const auto katalogi = KatalogiDanych();
    ASSERT_GE(katalogi.size(), 2u);
    EXPECT_EQ(katalogi.front(), "");
    EXPECT_EQ(katalogi.back(), MUROLAB_KATALOG_DANYCH);
}

TEST(PrzykladowyProjekt, KopiaWRepozytoriumToPlikZGeneratora) {
    auto bajty = [](const std::string& sciezka) {
        std::ifstream f(sciezka, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    };
    const std::string wygenerowany = bajty(MUROLAB_KATALOG_DANYCH "/przyklad.pro");
    ASSERT_EQ(wygenerowany.size(), kRozmiarRekordu);
    EXPECT_TRUE(wygenerowany == bajty(MUROLAB_DANE_ZRODLOWE "/przyklad.pro"))
        << "regenerate data/przyklad.pro: build/tools/murolab_generuj_przyklad data/przyklad.pro";
    const auto z = CzytajPlikProjektu(MUROLAB_KATALOG_DANYCH "/przyklad.pro");
    ASSERT_TRUE(std::holds_alternative<TZawartoscProjektu>(z));
    const TZawartoscProjektu& p = std::get<TZawartoscProjektu>(z);
    EXPECT_EQ(p.LiczbaWarstw, 4);
    EXPECT_EQ(p.WarunkiPracy.TempZewn, -20);
    EXPECT_EQ(p.WarunkiPracy.StrefaKl.Utf8(), "Strefa III");
}

} // namespace
