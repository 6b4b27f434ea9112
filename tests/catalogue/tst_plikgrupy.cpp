// Group files on disk: reading (empty, fragment, long names, missing), appending, finding the
// place of a new material, and rebuilding a group without ever losing the old file.

#include "KatalogTymczasowy.h"

#include "catalogue/Grupy.h"
#include "catalogue/PlikGrupy.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <string>
#include <vector>

namespace murolab {
namespace {

using test::CzytajBajty;
using test::TKatalogTymczasowy;
using test::ZapiszBajty;

TMaterial Mat(const std::string& nazwaCp1250, double lambda = 0.5) {
    TMaterial m;
    m.Material.UstawCp1250(nazwaCp1250);
    m.LambdaSW = lambda;
    m.LambdaW = lambda + 0.1;
    m.Mi = 10;
    m.Gestosc = 1000;
    m.Cieplo = 0.84;
    return m;
}

std::vector<std::uint8_t> Bajty(const std::vector<TMaterial>& materialy) {
    std::vector<std::uint8_t> b;
    for (const auto& m : materialy) {
        auto r = KodujMaterial(m);
        b.insert(b.end(), r.begin(), r.end());
    }
    return b;
}

std::vector<std::string> Nazwy(const std::filesystem::path& plik) {
    std::vector<std::string> nazwy;
    for (const auto& m : WczytajMaterialy(plik))
        nazwy.emplace_back(m.Material.Cp1250());
    return nazwy;
}

// Runs f and returns the message of the BladWeWy it throws ("" when nothing was thrown).
template <typename F> std::string KomunikatBledu(F&& f) {
    try {
        f();
    } catch (const BladWeWy& e) {
        return e.what();
    }
    return {};
}

// ---- reading

TEST(CzytanieGrupy, PustyPlikToPustaGrupaBezBledu) {
    TKatalogTymczasowy kat;
    ZapiszBajty(kat / "Betony.ath", {});
    EXPECT_TRUE(WczytajMaterialy(kat / "Betony.ath").empty());
}

TEST(CzytanieGrupy, RekordyWKolejnosciPliku) {
    TKatalogTymczasowy kat;
    // Deliberately not in catalogue order: reading must not depend on it.
    ZapiszBajty(kat / "g.ath", Bajty({Mat("Tynk"), Mat("Beton", 1.7), Mat("")}));
    auto materialy = WczytajMaterialy(kat / "g.ath");
    ASSERT_EQ(materialy.size(), 3u);
    EXPECT_EQ(materialy[0].Material.Cp1250(), "Tynk");
    EXPECT_EQ(materialy[1].Material.Cp1250(), "Beton");
    EXPECT_EQ(materialy[1].LambdaSW, 1.7);
    EXPECT_TRUE(materialy[2].Material.Pusty());
}

TEST(CzytanieGrupy, UlamekRekorduPoCalychRekordachToReadBeyondEndOfFile) {
    struct {
        const char* opis;
        std::size_t calych;
        std::size_t ulamek;
    } przypadki[] = {
        {"sam ulamek", 0, 50}, {"dwa rekordy i ulamek", 2, 103}, {"jeden bajt za rekordem", 1, 1}};
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.opis);
        TKatalogTymczasowy kat;
        std::vector<TMaterial> rekordy;
        for (std::size_t i = 0; i < p.calych; ++i)
            rekordy.push_back(Mat("M" + std::to_string(i)));
        auto bajty = Bajty(rekordy);
        bajty.resize(bajty.size() + p.ulamek, 0x55);
        ZapiszBajty(kat / "g.ath", bajty);

        std::vector<std::string> dostarczone;
        std::string blad = KomunikatBledu([&] {
            CzytajGrupe(kat / "g.ath",
                        [&](const TMaterial& m) { dostarczone.emplace_back(m.Material.Cp1250()); });
        });
        EXPECT_EQ(blad, "Read beyond end of file");
        EXPECT_EQ(dostarczone.size(), p.calych);
    }
}

TEST(CzytanieGrupy, DlugaNazwaWPlikuCzytaSieJako60Znakow) {
    TKatalogTymczasowy kat;
    auto bajty = Bajty({Mat(std::string(60, 'N'), 2.5)});
    bajty[0] = 255;
    bajty[61] = bajty[62] = bajty[63] = 'P'; // the padding must not join the name
    ZapiszBajty(kat / "g.ath", bajty);
    auto materialy = WczytajMaterialy(kat / "g.ath");
    ASSERT_EQ(materialy.size(), 1u);
    EXPECT_EQ(materialy[0].Material.Cp1250(), std::string(60, 'N'));
    EXPECT_EQ(materialy[0].LambdaSW, 2.5);
}

TEST(CzytanieGrupy, BrakujacyPlikIKatalogZamiastPlikuToBladWeWy) {
    TKatalogTymczasowy kat;
    std::filesystem::create_directory(kat / "Kat.ath");
    EXPECT_EQ(KomunikatBledu([&] { WczytajMaterialy(kat / "Brak.ath"); }), "File not found");
    EXPECT_EQ(KomunikatBledu([&] { WczytajMaterialy(kat / "Kat.ath"); }), "File access denied");
    EXPECT_EQ(KomunikatBledu([&] { WczytajMaterialy(kat / "nie" / "ma.ath"); }), "File not found");
}

// ---- appending

TEST(DopisywanieMaterialu, TworzyDopisujeIZastepuje) {
    TKatalogTymczasowy kat;
    const auto plik = kat / "Temp.ath";
    ZapiszBajty(plik, std::vector<std::uint8_t>(7, 0xEE)); // whatever was there before
    DopiszMaterial(plik, Mat("A"), true);
    DopiszMaterial(plik, Mat("B"), false);
    EXPECT_EQ(CzytajBajty(plik), Bajty({Mat("A"), Mat("B")}));
    DopiszMaterial(plik, Mat("C"), true);
    EXPECT_EQ(CzytajBajty(plik), Bajty({Mat("C")}));
}

TEST(DopisywanieMaterialu, DoNieistniejacegoPlikuBezTworzeniaToBlad) {
    TKatalogTymczasowy kat;
    EXPECT_EQ(KomunikatBledu([&] { DopiszMaterial(kat / "Temp.ath", Mat("A"), false); }), "File not found");
    EXPECT_FALSE(std::filesystem::exists(kat / "Temp.ath"));
}

// ---- the place of a new material

struct TPrzypadekSzukania {
    const char* Opis;
    std::vector<std::string> Grupa;
    std::string Nowy;
    bool Istnieje;
    std::size_t Pozycja;
};

class SzukaniePozycji : public ::testing::TestWithParam<TPrzypadekSzukania> {};

TEST_P(SzukaniePozycji, ZwracaMiejsceLubIstnieje) {
    const auto& p = GetParam();
    TKatalogTymczasowy kat;
    std::vector<TMaterial> grupa;
    for (const auto& n : p.Grupa)
        grupa.push_back(Mat(n));
    ZapiszBajty(kat / "g.ath", Bajty(grupa));
    TPozycjaWGrupie wynik = SzukajPozycji(kat / "g.ath", Mat(p.Nowy));
    EXPECT_EQ(wynik.Istnieje, p.Istnieje);
    if (!p.Istnieje) {
        EXPECT_EQ(wynik.Pozycja, p.Pozycja);
    }
}

const std::vector<std::string> kTrzy = {"Beton", "Cegla", "Tynk"};

INSTANTIATE_TEST_SUITE_P(
    Przypadki, SzukaniePozycji,
    ::testing::Values(
        TPrzypadekSzukania{"pusta_grupa", {}, "Beton", false, 0},
        TPrzypadekSzukania{"przed_wszystkimi", kTrzy, "Asfalt", false, 0},
        TPrzypadekSzukania{"w_srodku", kTrzy, "Drewno", false, 2},
        TPrzypadekSzukania{"za_wszystkimi", kTrzy, "Wapno", false, 3},
        TPrzypadekSzukania{"przedrostek_przed_dluzsza", kTrzy, "Cegl", false, 1},
        TPrzypadekSzukania{"dluzsza_za_przedrostkiem", kTrzy, "Betony", false, 1},
        TPrzypadekSzukania{"ta_sama_nazwa", kTrzy, "Cegla", true, 0},
        TPrzypadekSzukania{"inna_wielkosc_liter_a_z", kTrzy, "cEGLA", true, 0},
        // Ł (0xA3) and ł (0xB3) are different names; both sort after 'Z'.
        TPrzypadekSzukania{"inna_wielkosc_polskiej_litery", {"Beton", "\xA3upek"}, "\xB3upek", false, 2},
        // The search trusts the order: it stops at "Cegla" and never sees the "Beton"
        // that a broken file holds further on.
        TPrzypadekSzukania{"nie_patrzy_za_pierwszy_wiekszy", {"Cegla", "Beton"}, "Beton", false, 0}),
    [](const ::testing::TestParamInfo<TPrzypadekSzukania>& info) { return std::string(info.param.Opis); });

TEST(SzukaniePozycjiBledy, BrakujacaGrupaToBladWeWy) {
    TKatalogTymczasowy kat;
    EXPECT_EQ(KomunikatBledu([&] { SzukajPozycji(kat / "MTermo.ath", Mat("X")); }), "File not found");
}

// ---- rebuilding a group

class PrzebudowaGrupy : public ::testing::Test {
protected:
    TKatalogTymczasowy kat;
    std::filesystem::path grupa = kat / "Betony.ath";
    std::filesystem::path tymczasowy = kat / "Temp.ath";

    void Zapisz(const std::vector<std::string>& nazwy) {
        std::vector<TMaterial> m;
        for (const auto& n : nazwy)
            m.push_back(Mat(n));
        ZapiszBajty(grupa, Bajty(m));
    }
    // Adds as the program does: find the place, then rebuild.
    void Dodaj(const std::string& nazwa) {
        TPozycjaWGrupie p = SzukajPozycji(grupa, Mat(nazwa, 0.33));
        ASSERT_FALSE(p.Istnieje);
        PrzebudujGrupe(grupa, Mat(nazwa, 0.33), p.Pozycja, tymczasowy);
    }
};

TEST_F(PrzebudowaGrupy, NowyMaterialTrafiaNaSwojeMiejsce) {
    struct {
        const char* opis;
        std::string nowy;
        std::vector<std::string> wynik;
    } przypadki[] = {
        {"pierwszy", "Asfalt", {"Asfalt", "Beton", "Cegla", "Tynk"}},
        {"srodkowy", "drewno", {"Beton", "Cegla", "drewno", "Tynk"}},
        {"ostatni",
         "\xAF"
         "elbet",
         {"Beton", "Cegla", "Tynk",
          "\xAF"
          "elbet"}},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.opis);
        Zapisz(kTrzy);
        Dodaj(p.nowy);
        EXPECT_EQ(Nazwy(grupa), p.wynik);
        EXPECT_FALSE(std::filesystem::exists(tymczasowy));
    }
}

TEST_F(PrzebudowaGrupy, StareRekordyZostajaBezZmianANowyMaSwojeWartosci) {
    Zapisz(kTrzy);
    const auto przed = WczytajMaterialy(grupa);
    Dodaj("Drewno");
    const auto po = WczytajMaterialy(grupa);
    ASSERT_EQ(po.size(), 4u);
    EXPECT_EQ(po[0], przed[0]);
    EXPECT_EQ(po[1], przed[1]);
    EXPECT_EQ(po[2], Mat("Drewno", 0.33));
    EXPECT_EQ(po[3], przed[2]);
}

TEST_F(PrzebudowaGrupy, PustaGrupaDostajeTylkoNowyMaterial) {
    Zapisz({});
    Dodaj("Beton");
    EXPECT_EQ(CzytajBajty(grupa), Bajty({Mat("Beton", 0.33)}));
}

TEST_F(PrzebudowaGrupy, PozostalyPlikTymczasowyZostajeZastapiony) {
    Zapisz(kTrzy);
    ZapiszBajty(tymczasowy, Bajty({Mat("smiec"), Mat("smiec2")}));
    Dodaj("Asfalt");
    EXPECT_EQ(Nazwy(grupa), (std::vector<std::string>{"Asfalt", "Beton", "Cegla", "Tynk"}));
}

TEST_F(PrzebudowaGrupy, NieudanyZapisZostawiaStaryPlikCaly) {
    Zapisz(kTrzy);
    const auto przed = CzytajBajty(grupa);

    // The scratch file cannot be created: a directory has its name.
    std::filesystem::create_directory(tymczasowy);
    EXPECT_EQ(KomunikatBledu([&] { PrzebudujGrupe(grupa, Mat("Drewno"), 2, tymczasowy); }),
              "File access denied");
    EXPECT_EQ(CzytajBajty(grupa), przed);
    std::filesystem::remove(tymczasowy);

    // The disk fills up after two records of the scratch file.
    for (std::size_t p : {0u, 2u, 3u}) {
        SCOPED_TRACE(p);
        int zapisane = 0;
        auto zapis = [&](const std::filesystem::path& plik, const TMaterial& m, bool utworz) {
            if (zapisane == 2)
                throw BladWeWy("Disk full");
            DopiszMaterial(plik, m, utworz);
            ++zapisane;
        };
        EXPECT_EQ(KomunikatBledu([&] { PrzebudujGrupe(grupa, Mat("Drewno"), p, tymczasowy, zapis); }),
                  "Disk full");
        EXPECT_EQ(CzytajBajty(grupa), przed);
    }
}

TEST_F(PrzebudowaGrupy, UszkodzonaGrupaNieJestZastepowana) {
    auto bajty = Bajty({Mat("Beton"), Mat("Tynk")});
    bajty.resize(bajty.size() + 30, 0x11);
    ZapiszBajty(grupa, bajty);
    EXPECT_EQ(KomunikatBledu([&] { PrzebudujGrupe(grupa, Mat("Cegla"), 1, tymczasowy); }),
              "Read beyond end of file");
    EXPECT_EQ(CzytajBajty(grupa), bajty);
}

TEST_F(PrzebudowaGrupy, BrakujacaGrupaNiePowstaje) {
    EXPECT_EQ(KomunikatBledu([&] { PrzebudujGrupe(grupa, Mat("Beton"), 0, tymczasowy); }), "File not found");
    EXPECT_FALSE(std::filesystem::exists(grupa));
}

} // namespace
} // namespace murolab
