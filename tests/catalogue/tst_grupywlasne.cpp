// The shipped catalogue and the user's own materials: which group file is read, and how the first
// own material of a group makes the user's copy without ever writing the shipped group.

#include "KatalogTymczasowy.h"
#include "tools/DopisywanieGrupy.h"

#include "catalogue/Grupy.h"
#include "catalogue/GrupyWlasne.h"
#include "catalogue/PlikGrupy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace murolab {
namespace {

namespace fs = std::filesystem;
using test::CzytajBajty;
using test::KomunikatBledu;
using test::TKatalogTymczasowy;
using test::Wartosc;

TMaterial Mat(const std::string& nazwa) {
    TMaterial m;
    m.Material.UstawCp1250(nazwa);
    m.LambdaSW = 0.5;
    m.LambdaW = 0.6;
    m.Mi = 10;
    return m;
}

void ZapiszGrupe(const fs::path& plik, const std::vector<std::string>& nazwy) {
    fs::create_directories(plik.parent_path());
    std::ofstream(plik, std::ios::binary | std::ios::trunc).close();
    for (const auto& n : nazwy)
        ASSERT_EQ(DopiszMaterial(plik, Mat(n), false), std::nullopt);
}

std::vector<std::string> Nazwy(const fs::path& plik) {
    std::vector<std::string> nazwy;
    for (const auto& m : Wartosc(WczytajMaterialy(plik)))
        nazwy.emplace_back(m.Material.Cp1250());
    return nazwy;
}

std::vector<std::string> Pliki(const fs::path& katalog) {
    std::vector<std::string> pliki;
    std::error_code blad;
    for (const auto& wpis : fs::directory_iterator(katalog, blad))
        pliki.push_back(wpis.path().filename().string());
    std::sort(pliki.begin(), pliki.end());
    return pliki;
}

class GrupyWlasne : public ::testing::Test {
protected:
    void SetUp() override { ZapiszGrupe(katalog() / "Tynki.ath", {"Beton", "Tynk"}); }
    fs::path katalog() const { return kat.Sciezka() / "share" / "murolab"; }
    fs::path wlasne() const { return kat.Sciezka() / "home" / ".local" / "share" / "murolab"; }
    TMiejscaGrup Miejsca() const { return {katalog(), wlasne()}; }
    TKatalogTymczasowy kat;
};

TEST_F(GrupyWlasne, CzytanaKopiaUzytkownikaGdyJest) {
    EXPECT_EQ(PlikGrupyDoOdczytu(Miejsca(), "Tynki.ath"), katalog() / "Tynki.ath");
    EXPECT_EQ(PlikGrupyDoOdczytu({katalog(), fs::path()}, "Tynki.ath"), katalog() / "Tynki.ath");
    ZapiszGrupe(wlasne() / "Tynki.ath", {"Moj"});
    EXPECT_EQ(PlikGrupyDoOdczytu(Miejsca(), "Tynki.ath"), wlasne() / "Tynki.ath");
    EXPECT_EQ(PlikGrupyDoOdczytu(Miejsca(), "Betony.ath"), katalog() / "Betony.ath");
}

TEST_F(GrupyWlasne, PierwszyWlasnyMaterialKopiujeGrupe) {
    const auto przed = CzytajBajty(katalog() / "Tynki.ath");
    const fs::path kopia = Wartosc(DodajWlasnyMaterial(Miejsca(), "Tynki.ath", Mat("Cegla"), 1));
    EXPECT_EQ(kopia, wlasne() / "Tynki.ath");
    EXPECT_EQ(Nazwy(kopia), (std::vector<std::string>{"Beton", "Cegla", "Tynk"}));
    EXPECT_EQ(CzytajBajty(katalog() / "Tynki.ath"), przed);
    EXPECT_EQ(Pliki(katalog()), std::vector<std::string>{"Tynki.ath"});
    EXPECT_EQ(Pliki(wlasne()), std::vector<std::string>{"Tynki.ath"});
    const auto prawa = fs::status(kopia).permissions();
    EXPECT_NE(prawa & fs::perms::owner_write, fs::perms::none);

    // The next one extends the copy, whatever the shipped group holds by then.
    ZapiszGrupe(katalog() / "Tynki.ath", {"Inny"});
    ASSERT_EQ(KomunikatBledu(DodajWlasnyMaterial(Miejsca(), "Tynki.ath", Mat("Asfalt"), 0)), "");
    EXPECT_EQ(Nazwy(kopia), (std::vector<std::string>{"Asfalt", "Beton", "Cegla", "Tynk"}));
    EXPECT_EQ(Nazwy(katalog() / "Tynki.ath"), std::vector<std::string>{"Inny"});
}

TEST_F(GrupyWlasne, KopiaZGrupyTylkoDoOdczytu) {
    fs::permissions(katalog() / "Tynki.ath",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    ASSERT_EQ(KomunikatBledu(DodajWlasnyMaterial(Miejsca(), "Tynki.ath", Mat("Cegla"), 1)), "");
    EXPECT_NE(fs::status(wlasne() / "Tynki.ath").permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_EQ(fs::status(katalog() / "Tynki.ath").permissions() & fs::perms::owner_write, fs::perms::none);
}

TEST_F(GrupyWlasne, NieudaneDodanieNieZostawiaKopii) {
    const struct {
        const char* Nazwa;
        const char* Grupa;
        bool Uszkodzona; // the shipped group ends in a fragment of a record, so the rebuild refuses it
        const char* Komunikat;
    } przypadki[] = {
        {"brak grupy w katalogu", "Betony.ath", false, "Nie znaleziono pliku „"},
        {"przebudowa nieudana", "Tynki.ath", true, "nie jest wielokrotność"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        fs::remove_all(wlasne());
        if (p.Uszkodzona)
            std::ofstream(katalog() / "Tynki.ath", std::ios::binary | std::ios::app) << "ulamek";
        const auto przed = CzytajBajty(katalog() / "Tynki.ath");
        const std::string blad = KomunikatBledu(DodajWlasnyMaterial(Miejsca(), p.Grupa, Mat("Cegla"), 0));
        EXPECT_NE(blad.find(p.Komunikat), std::string::npos) << blad;
        EXPECT_NE(blad.find((katalog() / p.Grupa).string()), std::string::npos) << blad;
        EXPECT_FALSE(fs::exists(wlasne() / p.Grupa));
        EXPECT_FALSE(fs::exists(wlasne() / (std::string(p.Grupa) + ".kopia")));
        EXPECT_EQ(CzytajBajty(katalog() / "Tynki.ath"), przed);
    }
}

TEST_F(GrupyWlasne, NieudaneDodanieDoIstniejacejKopiiJejNieUsuwa) {
    ZapiszGrupe(wlasne() / "Tynki.ath", {"Moj"});
    std::ofstream(wlasne() / "Tynki.ath", std::ios::binary | std::ios::app) << "ulamek";
    const auto przed = CzytajBajty(wlasne() / "Tynki.ath");
    EXPECT_NE(KomunikatBledu(DodajWlasnyMaterial(Miejsca(), "Tynki.ath", Mat("Cegla"), 0)), "");
    EXPECT_EQ(CzytajBajty(wlasne() / "Tynki.ath"), przed);
}

TEST_F(GrupyWlasne, BezKataloguUzytkownikaNicNieJestZapisywane) {
    const auto przed = CzytajBajty(katalog() / "Tynki.ath");
    EXPECT_NE(KomunikatBledu(DodajWlasnyMaterial({katalog(), fs::path()}, "Tynki.ath", Mat("Cegla"), 0))
                  .find("Nie znaleziono katalogu danych użytkownika"),
              std::string::npos);
    EXPECT_EQ(CzytajBajty(katalog() / "Tynki.ath"), przed);
    EXPECT_EQ(Pliki(katalog()), std::vector<std::string>{"Tynki.ath"});
}

} // namespace
} // namespace murolab
