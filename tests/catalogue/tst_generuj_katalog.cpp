// The catalogue generator on small sources of its own: encoding, order, cutting, refusals.

#include "KatalogTymczasowy.h"

#include "catalogue/PlikGrupy.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/wait.h>

namespace murolab {
namespace {

using test::CzytajBajty;
using test::TKatalogTymczasowy;

const std::string kNaglowek = "grupa,nazwa,lambda_sw,lambda_w,mi,gestosc,cieplo,zrodlo\n";

int Generuj(const TKatalogTymczasowy& kat, const std::string& csv) {
    std::ofstream(kat / "m.csv", std::ios::binary) << csv;
    const std::string polecenie = std::string("'") + MUROLAB_GENERATOR + "' '" + (kat / "m.csv").string() +
                                  "' '" + (kat / "dane").string() + "' 2>/dev/null";
    int wynik = std::system(polecenie.c_str());
    return WIFEXITED(wynik) ? WEXITSTATUS(wynik) : -1;
}

TEST(GeneratorKatalogu, ZapisujeGrupyWPorzadkuKatalogowymIWindows1250) {
    TKatalogTymczasowy kat;
    const std::string dluga(70, 'x');
    ASSERT_EQ(Generuj(kat, kNaglowek +
                               "Tynki,Żaden tynk,0.5,0.6,10,1000,1.00,estimate\n"
                               "Tynki,beton,1.5,1.6,100,2000,0.84,estimate\n"
                               "Tynki,Asfalt,0.17,0.17,50000,1050,0.92,estimate\n"
                               "Stropy," +
                               dluga + ",1.0,1.1,30,1200,0.88,estimate\n"),
              0);
    const auto tynki = test::Wartosc(WczytajMaterialy(kat / "dane" / "Tynki.ath"));
    ASSERT_EQ(tynki.size(), 3u);
    EXPECT_EQ(tynki[0].Material.Cp1250(), "Asfalt");
    EXPECT_EQ(tynki[1].Material.Cp1250(), "beton");
    EXPECT_EQ(tynki[2].Material.Cp1250(), "\xAF"
                                          "aden tynk");
    EXPECT_EQ(tynki[1].LambdaSW, 1.5);
    EXPECT_EQ(tynki[1].Mi, 100.0);
    EXPECT_EQ(tynki[2].Cieplo, 1.0);
    const auto stropy = test::Wartosc(WczytajMaterialy(kat / "dane" / "Stropy.ath"));
    ASSERT_EQ(stropy.size(), 1u);
    EXPECT_EQ(stropy[0].Material.Cp1250(), std::string(60, 'x'));
    // Groups without rows exist as empty files.
    EXPECT_TRUE(CzytajBajty(kat / "dane" / "Betony.ath").empty());
    EXPECT_FALSE(std::filesystem::exists(kat / "dane" / "Tynki.ath.nowy"));
}

TEST(GeneratorKatalogu, OdrzucaZrodloKtoremuNieMoznaUfac) {
    struct {
        const char* opis;
        std::string wiersz;
    } przypadki[] = {
        {"ta sama nazwa bez wzgledu na a-z",
         "Tynki,BETON,1.5,1.6,100,2000,0.84,x\nTynki,beton,1.5,1.6,100,2000,0.84,x\n"},
        {"nieznana grupa", "Drewno,Sosna,0.16,0.2,50,550,2.51,x\n"},
        {"przecinek dziesietny", "Tynki,Tynk,0,82,0.9,10,1850,1.0,x\n"},
        {"liczba z tekstem", "Tynki,Tynk,0.82x,0.9,10,1850,1.0,x\n"},
        {"znak spoza strony kodowej", "Tynki,Tynk ∞,0.82,0.9,10,1850,1.0,x\n"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.opis);
        TKatalogTymczasowy kat;
        ASSERT_EQ(Generuj(kat, kNaglowek + "Tynki,Stary,1,1,1,1,1,x\n"), 0);
        const auto przed = CzytajBajty(kat / "dane" / "Tynki.ath");
        EXPECT_EQ(Generuj(kat, kNaglowek + p.wiersz), 1);
        EXPECT_EQ(CzytajBajty(kat / "dane" / "Tynki.ath"), przed); // nothing replaced
    }
}

} // namespace
} // namespace murolab
