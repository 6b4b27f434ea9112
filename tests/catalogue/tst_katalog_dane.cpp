// The catalogue that the build ships: the eight group files generated from data/katalog.

#include "KatalogTymczasowy.h"
#include "catalogue/Grupy.h"
#include "catalogue/PlikGrupy.h"
#include "core/KrotkiTekst.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <string>

namespace murolab {
namespace {

const std::filesystem::path kDane = MUROLAB_KATALOG_DANYCH;

std::optional<TMaterial> Znajdz(const std::vector<TMaterial>& grupa, const std::string& nazwaUtf8) {
    for (const auto& m : grupa)
        if (m.Material.Cp1250() == Utf8NaCp1250(nazwaUtf8))
            return m;
    return std::nullopt;
}

TEST(KatalogDane, KazdaGrupaWPorzadkuKatalogowymBezPowtorzen) {
    std::size_t razem = 0;
    for (const auto& grupa : kGrupyMaterialow) {
        SCOPED_TRACE(std::string(grupa.Plik));
        const auto materialy = test::Wartosc(WczytajMaterialy(kDane / grupa.Plik));
        EXPECT_GE(materialy.size(), 12u);
        for (std::size_t i = 1; i < materialy.size(); ++i)
            EXPECT_LT(PorownajNazwy(materialy[i - 1].Material.Cp1250(), materialy[i].Material.Cp1250()), 0)
                << materialy[i - 1].Material.Utf8() << " / " << materialy[i].Material.Utf8();
        for (const auto& m : materialy) {
            EXPECT_FALSE(m.Material.Pusty());
            EXPECT_GE(m.LambdaW, m.LambdaSW) << m.Material.Utf8();
            EXPECT_GT(m.LambdaSW, 0.01) << m.Material.Utf8(); // a catalogue layer passes the dialog's check
            EXPECT_GE(m.Mi, 1.0) << m.Material.Utf8();
            EXPECT_LE(m.Mi, 9999999.0) << m.Material.Utf8();
        }
        razem += materialy.size();
    }
    // One record per row of the source.
    std::ifstream zrodlo(MUROLAB_ZRODLO_KATALOGU);
    std::size_t wiersze = 0;
    for (std::string w; std::getline(zrodlo, w);)
        if (!w.empty())
            ++wiersze;
    EXPECT_EQ(razem, wiersze - 1);
}

// A layer, the results, the report and the project file hold 40 characters of a name: every
// shipped name fits whole, so no two materials can end up with the same name once cut.
TEST(KatalogDane, NazwyMieszczaSieWWarstwie) {
    constexpr std::size_t kSzerokoscWarstwy = 40;
    std::set<std::string> nazwy;
    for (const auto& grupa : kGrupyMaterialow) {
        for (const auto& m : test::Wartosc(WczytajMaterialy(kDane / grupa.Plik))) {
            const std::string_view cp1250 = m.Material.Cp1250();
            EXPECT_LE(cp1250.size(), kSzerokoscWarstwy) << m.Material.Utf8();
            std::string klucz(cp1250.substr(0, kSzerokoscWarstwy));
            for (char& c : klucz)
                if (c >= 'A' && c <= 'Z')
                    c = static_cast<char>(c - 'A' + 'a');
            EXPECT_TRUE(nazwy.insert(klucz).second) << "repeated within 40 characters: " << m.Material.Utf8();
        }
    }
    EXPECT_GE(nazwy.size(), 150u);
}

TEST(KatalogDane, ZnaneWierszeZWartosciamiZeZrodel) {
    const auto betony = test::Wartosc(WczytajMaterialy(kDane / "Betony.ath"));
    ASSERT_FALSE(betony.empty());
    // Ż (0xAF) sorts after every ASCII letter; "keramzytowy" before "komórkowy".
    EXPECT_EQ(betony.front().Material.Utf8(), "Beton keramzytowy 1000 kg/m3");
    EXPECT_EQ(betony.back().Material.Utf8(), "Żelbet 2500 kg/m3");
    const auto zelbet = Znajdz(betony, "Żelbet 2500 kg/m3");
    ASSERT_TRUE(zelbet);
    EXPECT_EQ(zelbet->LambdaSW, 1.70);
    EXPECT_EQ(zelbet->LambdaW, 1.80);
    EXPECT_EQ(zelbet->Mi, 130.0);
    EXPECT_EQ(zelbet->Gestosc, 2500.0);
    EXPECT_EQ(zelbet->Cieplo, 0.84);

    const auto wapienny =
        Znajdz(test::Wartosc(WczytajMaterialy(kDane / "Tynki.ath")), "Tynk wapienny 1600 kg/m3");
    ASSERT_TRUE(wapienny);
    EXPECT_EQ(wapienny->Mi, 12.0); // lime/sand plaster, "dry cup"

    const auto eps =
        Znajdz(test::Wartosc(WczytajMaterialy(kDane / "MTermo.ath")), "Styropian EPS 100-038 20 kg/m3");
    ASSERT_TRUE(eps);
    EXPECT_EQ(eps->LambdaSW, 0.038);

    EXPECT_TRUE(Znajdz(test::Wartosc(WczytajMaterialy(kDane / "Drewno.ath")), "Płyta OSB 650 kg/m3"));
    EXPECT_FALSE(std::filesystem::exists(kDane / "Drewno i mat. drewnopochodne.ath"));
}

} // namespace
} // namespace murolab
