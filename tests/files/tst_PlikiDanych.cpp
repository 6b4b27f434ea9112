// Where the program's data directory and the user's data directory are found.
#include "core/Przygotowanie.h"
#include "files/PlikKlimatu.h"
#include "files/PlikiDanych.h"
#include "files/RekordProjektu.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <stdlib.h>

using namespace murolab;
using namespace murolab::test;
namespace fs = std::filesystem;

namespace {

// A build tree (bin/dane/ula.dat), an installed tree (usr/bin, usr/share/murolab) and a directory
// named by the environment, side by side in one temporary directory.
class UkladKatalogow : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(Korzen() / "budowa" / "dane");
        std::ofstream(Korzen() / "budowa" / "dane" / "ula.dat") << "x";
        fs::create_directories(Korzen() / "usr" / "bin");
        fs::create_directories(Korzen() / "usr" / "share" / "murolab");
        fs::create_directories(Korzen() / "bez_ula" / "dane");
        fs::create_directories(Korzen() / "wlasne");
    }
    fs::path Korzen() const { return katalog_.Sciezka(); }
    TKatalogTymczasowy katalog_;
};

TEST_F(UkladKatalogow, WybierzKatalogDanych) {
    const fs::path k = Korzen();
    const std::string zmienna = (k / "wlasne").string();
    const struct {
        const char* Nazwa;
        std::optional<std::string> Zmienna;
        fs::path Program;
        fs::path Oczekiwany;
    } przypadki[] = {
        {"drzewo budowy: dane obok programu", std::nullopt, k / "budowa", k / "budowa" / "dane"},
        {"zainstalowany: share/murolab obok bin", std::nullopt, k / "usr" / "bin",
         k / "usr" / "share" / "murolab"},
        {"dane bez ula.dat to nie drzewo budowy", std::nullopt, k / "bez_ula", k / "share" / "murolab"},
        {"MUROLAB_DANE ma pierwszeństwo", zmienna, k / "budowa", k / "wlasne"},
        {"MUROLAB_DANE nawet gdy katalogu brak", (k / "nie_ma").string(), k / "budowa", k / "nie_ma"},
        {"puste MUROLAB_DANE się pomija", std::string(), k / "budowa", k / "budowa" / "dane"},
        {"zainstalowany bez danych: wskazuje share/murolab", std::nullopt, k / "opt" / "bin",
         k / "opt" / "share" / "murolab"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        EXPECT_EQ(WybierzKatalogDanych(p.Zmienna ? p.Zmienna->c_str() : nullptr, p.Program), p.Oczekiwany);
    }
}

TEST(KatalogUzytkownika, WybierzKatalogUzytkownika) {
    const struct {
        const char* Nazwa;
        const char* Xdg;
        const char* Home;
        fs::path Oczekiwany;
    } przypadki[] = {
        {"HOME", nullptr, "/home/ja", "/home/ja/.local/share/murolab"},
        {"XDG_DATA_HOME ma pierwszeństwo", "/srv/xdg", "/home/ja", "/srv/xdg/murolab"},
        {"puste XDG_DATA_HOME się pomija", "", "/home/ja", "/home/ja/.local/share/murolab"},
        {"względne XDG_DATA_HOME się pomija", "dane", "/home/ja", "/home/ja/.local/share/murolab"},
        {"XDG_DATA_HOME bez HOME", "/srv/xdg", nullptr, "/srv/xdg/murolab"},
        {"ani jednego", nullptr, nullptr, fs::path()},
        {"względny HOME", nullptr, "ja", fs::path()},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        EXPECT_EQ(WybierzKatalogUzytkownika(p.Xdg, p.Home), p.Oczekiwany);
    }
}

TEST(KatalogDanychProcesu, ZmiennaAlboUkladInstalacjiWzgledemProgramu) {
    // This test's executable has no build data beside it: without MUROLAB_DANE the process looks in
    // share/murolab relative to itself, as an installed program does.
    const char* byla = std::getenv(kZmiennaKataloguDanych);
    const std::string poprzednia = byla ? byla : "";
    ::unsetenv(kZmiennaKataloguDanych);
    const fs::path program = fs::read_symlink("/proc/self/exe").parent_path();
    EXPECT_EQ(KatalogDanych(), (program.parent_path() / "share" / "murolab").lexically_normal());
    ::setenv(kZmiennaKataloguDanych, "/srv/murolab-dane", 1);
    EXPECT_EQ(KatalogDanych(), fs::path("/srv/murolab-dane"));
    if (byla)
        ::setenv(kZmiennaKataloguDanych, poprzednia.c_str(), 1);
    else
        ::unsetenv(kZmiennaKataloguDanych);
}

TEST(PrzykladowyProjekt, KopiaWRepozytoriumToPlikZGeneratora) {
    auto bajty = [](const std::string& sciezka) {
        std::ifstream f(sciezka, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    };
    const std::string wygenerowany = bajty(MUROLAB_KATALOG_DANYCH "/przyklad.pro");
    ASSERT_GT(wygenerowany.size(), kRozmiarRekordu) << "the example has an extension block";
    EXPECT_TRUE(wygenerowany == bajty(MUROLAB_DANE_ZRODLOWE "/przyklad.pro"))
        << "regenerate data/przyklad.pro: build/tools/murolab_generuj_przyklad data/przyklad.pro";
    const auto z = WczytajPlikProjektu(MUROLAB_KATALOG_DANYCH "/przyklad.pro");
    ASSERT_TRUE(std::holds_alternative<TZawartoscProjektu>(z));
    const TZawartoscProjektu& p = std::get<TZawartoscProjektu>(z);
    EXPECT_EQ(p.LiczbaWarstw, 4);
    EXPECT_EQ(p.WarunkiPracy.TempZewn, -20);
    EXPECT_EQ(p.WarunkiPracy.StrefaKl.Utf8(), "Strefa III");
    // Everything the program computes has its data: the year of a shipped climate with constant
    // indoor conditions, and every layer's density and specific heat for the summer figures.
    EXPECT_EQ(p.Iso13788.Klimat, "Warszawa-Okecie");
    EXPECT_EQ(p.Iso13788.Wnetrze, "stale");
    EXPECT_FALSE(p.Iso13788.KlimatZapisany) << "a shipped climate is the same everywhere";
    EXPECT_TRUE(std::holds_alternative<TKlimat>(WczytajKlimat(p.Iso13788.Klimat, MUROLAB_KATALOG_DANYCH)));
    for (int k = 1; k <= p.LiczbaWarstw; ++k) {
        SCOPED_TRACE(k);
        EXPECT_TRUE(p.Warstwy[k].Gestosc && *p.Warstwy[k].Gestosc > 0);
        EXPECT_TRUE(p.Warstwy[k].Cieplo && *p.Warstwy[k].Cieplo > 0);
    }
}

} // namespace
