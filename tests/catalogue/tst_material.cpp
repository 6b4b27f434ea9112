// The 104-byte material record against bytes written out by hand, and the catalogue order.

#include "catalogue/Grupy.h"
#include "catalogue/Material.h"

#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <cstdint>
#include <string>

namespace murolab {
namespace {

// Hand-made record: name "Beton" (5), rubbish behind the name and in the padding, then
// LambdaSW 1.5, LambdaW 0.75, Mi 100, Gestosc 2048, Cieplo 0.25 as little-endian binary64.
TRekordMaterialu RekordReczny() {
    TRekordMaterialu r{};
    r.fill(0xAA); // the rubbish the reader must ignore
    r[0] = 5;
    r[1] = 'B';
    r[2] = 'e';
    r[3] = 't';
    r[4] = 'o';
    r[5] = 'n';
    const std::array<std::array<std::uint8_t, 8>, 5> liczby{{
        {0, 0, 0, 0, 0, 0, 0xF8, 0x3F}, // 1.5    = 0x3FF8000000000000
        {0, 0, 0, 0, 0, 0, 0xE8, 0x3F}, // 0.75   = 0x3FE8000000000000
        {0, 0, 0, 0, 0, 0, 0x59, 0x40}, // 100    = 0x4059000000000000
        {0, 0, 0, 0, 0, 0, 0xA0, 0x40}, // 2048   = 0x40A0000000000000
        {0, 0, 0, 0, 0, 0, 0xD0, 0x3F}, // 0.25   = 0x3FD0000000000000
    }};
    for (std::size_t k = 0; k < liczby.size(); ++k)
        for (std::size_t i = 0; i < 8; ++i)
            r[64 + 8 * k + i] = liczby[k][i];
    return r;
}

TEST(RekordMaterialu, DekodujeRekordZapisanyRecznie) {
    TMaterial m = DekodujMaterial(RekordReczny());
    EXPECT_EQ(m.Material.Cp1250(), "Beton");
    EXPECT_EQ(m.LambdaSW, 1.5);
    EXPECT_EQ(m.LambdaW, 0.75);
    EXPECT_EQ(m.Mi, 100.0);
    EXPECT_EQ(m.Gestosc, 2048.0);
    EXPECT_EQ(m.Cieplo, 0.25);
}

TEST(RekordMaterialu, KodujeTeSameBajtyZZeramiZaNazwaIWWypelnieniu) {
    TRekordMaterialu oczekiwany = RekordReczny();
    for (std::size_t i = 6; i < 64; ++i)
        oczekiwany[i] = 0;
    EXPECT_EQ(KodujMaterial(DekodujMaterial(RekordReczny())), oczekiwany);
}

TEST(RekordMaterialu, NazwaZ60ZnakamiWypelniaPoleALiczbyZaczynajaSieOd64) {
    TMaterial m;
    const std::string nazwa(60, 'X');
    m.Material.UstawCp1250(nazwa + "nadmiar");
    m.LambdaSW = 1.5;
    TRekordMaterialu r = KodujMaterial(m);
    EXPECT_EQ(r[0], 60);
    EXPECT_EQ(std::string(r.begin() + 1, r.begin() + 61), nazwa);
    EXPECT_EQ(r[61], 0);
    EXPECT_EQ(r[62], 0);
    EXPECT_EQ(r[63], 0);
    EXPECT_EQ(r[70], 0xF8);
    EXPECT_EQ(r[71], 0x3F);
}

TEST(RekordMaterialu, PolskieLiteryZostajaBajtamiWindows1250) {
    TRekordMaterialu r = RekordReczny();
    const std::uint8_t zelbet[] = {0xAF, 'e', 'l', 'b', 'e', 't'}; // "Żelbet"
    r[0] = 6;
    std::copy(std::begin(zelbet), std::end(zelbet), r.begin() + 1);
    EXPECT_EQ(DekodujMaterial(r).Material.Cp1250(), "\xAF"
                                                    "elbet");
    EXPECT_EQ(KodujMaterial(DekodujMaterial(r))[1], 0xAF);
}

// ---- catalogue order

struct TPrzypadekPorzadku {
    const char* Opis;
    std::string A;
    std::string B;
    int Znak; // -1: A first, 0: the same name, 1: B first
};

class PorzadekKatalogu : public ::testing::TestWithParam<TPrzypadekPorzadku> {};

int Znak(int x) {
    return (x > 0) - (x < 0);
}

TEST_P(PorzadekKatalogu, PorownujeJakKatalog) {
    const auto& p = GetParam();
    EXPECT_EQ(Znak(PorownajNazwy(p.A, p.B)), p.Znak) << p.Opis;
    EXPECT_EQ(Znak(PorownajNazwy(p.B, p.A)), -p.Znak) << p.Opis << " (odwrotnie)";
}

INSTANTIATE_TEST_SUITE_P(
    Przypadki, PorzadekKatalogu,
    ::testing::Values(TPrzypadekPorzadku{"rozne_wielkosci_liter_a_z_to_ta_sama_nazwa", "beton KOMORKOWY",
                                         "BETON komorkowy", 0},
                      TPrzypadekPorzadku{"puste_nazwy_rowne", "", "", 0},
                      TPrzypadekPorzadku{"pusta_przed_kazda", "", "A", -1},
                      TPrzypadekPorzadku{"przedrostek_pierwszy", "Beton", "Betony", -1},
                      TPrzypadekPorzadku{"przedrostek_pierwszy_mimo_wielkosci", "BETON", "betonowy", -1},
                      // 'a' (0x61) is above 'B' (0x42) as a byte, but folded it is 'A'.
                      TPrzypadekPorzadku{"male_a_przed_duzym_B", "a", "B", -1},
                      TPrzypadekPorzadku{"duze_Z_po_malym_a", "Z", "a", 1},
                      // '_' (0x5F) lies between 'Z' and 'a': folding decides the side.
                      TPrzypadekPorzadku{"male_litery_skladane_przed_podkreslnik", "a", "_", -1},
                      TPrzypadekPorzadku{"nawias_po_z", "z", "[", -1},
                      // Polish letters are not folded: Ą is 0xA5, ą is 0xB9.
                      TPrzypadekPorzadku{"A_z_ogonkiem_duze_przed_malym", "\xA5", "\xB9", -1},
                      TPrzypadekPorzadku{"polskie_litery_roznej_wielkosci_to_rozne_nazwy", "\xA3upek",
                                         "\xB3upek", -1},
                      TPrzypadekPorzadku{"polska_litera_po_Z", "Z", "\xA3", -1}, // Z 0x5A, Ł 0xA3
                      TPrzypadekPorzadku{"L_kreska_przed_Z_kropka", "\xA3upek",
                                         "\xAF"
                                         "elbet",
                                         -1},                                      // 0xA3 < 0xAF
                      TPrzypadekPorzadku{"male_z_przed_malym_ż", "z", "\xBF", -1}, // ż 0xBF
                      TPrzypadekPorzadku{"bajty_porownywane_bez_znaku", "\x7F", "\x80", -1},
                      TPrzypadekPorzadku{"nazwa_konczy_sie_na_bajcie_zero", std::string("ab\0c", 4),
                                         std::string("ab\0d", 4), 0},
                      TPrzypadekPorzadku{"pierwsza_roznica_rozstrzyga", "Beton 1600", "Beton 400", -1}),
    [](const ::testing::TestParamInfo<TPrzypadekPorzadku>& info) {
        std::string nazwa;
        for (char c : std::string(info.param.Opis))
            nazwa += (std::isalnum(static_cast<unsigned char>(c)) ? c : '_');
        return nazwa;
    });

// ---- the group table

TEST(GrupyMaterialow, ZnacznikTlumaczySieNaNazwePliku) {
    EXPECT_EQ(PlikGrupy("Betony.ath"), "Betony.ath");
    EXPECT_EQ(PlikGrupy("Drewno i mat. drewnopochodne.ath"), "Drewno.ath");
    EXPECT_EQ(PlikGrupy("Kamienie naturalne.ath"), "Kamienie.ath");
    EXPECT_EQ(PlikGrupy("Materiały termoizolacyjne.ath"), "MTermo.ath");
    EXPECT_EQ(PlikGrupy("Materiały różne.ath"), "MRozne.ath");
    EXPECT_EQ(PlikGrupy("Tynki.ath"), "Tynki.ath");
    EXPECT_THROW(PlikGrupy("Drewno.ath"), std::invalid_argument); // a file name is not a marker
}

} // namespace
} // namespace murolab
