// The 1296-byte project record: encoded against a byte image built by hand from the record's
// offsets, decoded back, and refused when damaged.
#include "core/Przygotowanie.h"
#include "core/Sprawdzenia.h"
#include "files/PolaRekordu.h"
#include "files/RekordProjektu.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <limits>
#include <stdexcept>

using namespace murolab;
using namespace murolab::test;

namespace {

// The hand-built image: little-endian values put at the documented offsets.
struct TObraz {
    TRekordProjektu b{};
    void I32(std::size_t o, std::int32_t v) {
        for (int k = 0; k < 4; ++k)
            b[o + k] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * k));
    }
    void F64(std::size_t o, double v) {
        const auto u = std::bit_cast<std::uint64_t>(v);
        for (int k = 0; k < 8; ++k)
            b[o + k] = static_cast<std::uint8_t>(u >> (8 * k));
    }
    void Tekst(std::size_t o, std::initializer_list<std::uint8_t> cp1250) {
        b[o] = static_cast<std::uint8_t>(cp1250.size());
        std::copy(cp1250.begin(), cp1250.end(), b.begin() + static_cast<std::ptrdiff_t>(o + 1));
    }
};

// "Żelbet" and "Łupek" in Windows-1250.
const std::initializer_list<std::uint8_t> kZelbet = {0xAF, 'e', 'l', 'b', 'e', 't'};
const std::initializer_list<std::uint8_t> kLupek = {0xA3, 'u', 'p', 'e', 'k'};

TModelProjektu PrzykladowyModel() {
    TModelProjektu m;
    m.LiczbaWarstw = 3;
    m.Warstwy[1].Nazwa.UstawUtf8("Żelbet");
    m.Warstwy[1].Grubosc = 0.2;
    m.Warstwy[1].Lambda = 1.7;
    m.Warstwy[1].Mi = 70;
    m.Warstwy[2].Nazwa.UstawUtf8("Wełna");
    m.Warstwy[2].Grubosc = 0.15;
    m.Warstwy[2].Lambda = 0.035;
    m.Warstwy[2].Mi = 1;
    m.Warstwy[3].Nazwa.UstawUtf8("Tynk");
    m.Warstwy[3].Grubosc = 0.015;
    m.Warstwy[3].Lambda = 0.82;
    m.Warstwy[3].Mi = 10;
    // A slot behind the count still goes to the file.
    m.Warstwy[15].Nazwa.UstawUtf8("Łupek");
    m.Warstwy[15].Grubosc = 0.03;
    m.Warstwy[15].Lambda = 2.2;
    m.Warstwy[15].Mi = 800;
    TWarunkiPracy& w = m.WarunkiPracy;
    w.TempZewn = -16;
    w.TempWew = 21;
    w.WilgotZewn = 85;
    w.WilgotWewn = 55;
    w.Rsi = 0.13;
    w.Rse = 0.04;
    w.TypPrzegrody.UstawUtf8("Ściana");
    w.StrefaKl.UstawUtf8("Strefa I");
    w.WarunkiWilg.UstawUtf8("Suche");
    PoprawkiPrzykladu(w);
    w.MostekWlasny = 0.02;
    return m;
}

TRekordProjektu ObrazReczny() {
    TObraz o;
    o.Tekst(0, kZelbet);
    o.F64(48, 0.2);
    o.F64(56, 1.7);
    o.F64(64, 70);
    o.Tekst(72, {'W', 'e', 0xB3, 'n', 'a'});
    o.F64(72 + 48, 0.15);
    o.F64(72 + 56, 0.035);
    o.F64(72 + 64, 1);
    o.Tekst(144, {'T', 'y', 'n', 'k'});
    o.F64(144 + 48, 0.015);
    o.F64(144 + 56, 0.82);
    o.F64(144 + 64, 10);
    o.Tekst(1008, kLupek);
    o.F64(1008 + 48, 0.03);
    o.F64(1008 + 56, 2.2);
    o.F64(1008 + 64, 800);
    o.I32(1080, -16);
    o.I32(1084, 21);
    o.I32(1088, 85);
    o.I32(1092, 55);
    o.F64(1096, 0.13);
    o.F64(1104, 0.04);
    o.Tekst(1112, {0x8C, 'c', 'i', 'a', 'n', 'a'});
    o.Tekst(1153, {'S', 't', 'r', 'e', 'f', 'a', ' ', 'I'});
    o.Tekst(1194, {'S', 'u', 'c', 'h', 'e'});
    o.I32(1236, 2);
    o.F64(1240, 0.01);
    o.F64(1248, 50);
    o.I32(1256, 6);
    o.I32(1260, 4);
    o.F64(1264, 0.000013);
    o.F64(1272, 0.05);
    o.F64(1280, 0.02);
    o.I32(1288, 3);
    return o.b;
}

std::string Roznice(const TRekordProjektu& a, const TRekordProjektu& b) {
    std::string s;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            s += " @" + std::to_string(i);
    return s;
}

TEST(RekordProjektu, KodowanieBajtPoBajcie) {
    const TRekordProjektu r = KodujRekord(PrzykladowyModel());
    EXPECT_EQ(r.size(), 1296u);
    const TRekordProjektu oczekiwany = ObrazReczny();
    EXPECT_TRUE(r == oczekiwany) << "differing offsets:" << Roznice(r, oczekiwany);
}

TEST(RekordProjektu, NieuzywaneBajtyTekstowToZera) {
    TModelProjektu m = PrzykladowyModel();
    // A long name replaced by a short one leaves nothing of the long one in the file.
    m.Warstwy[1].Nazwa.UstawUtf8("Bardzo długa nazwa materiału budowlanego, ucięta");
    m.Warstwy[1].Nazwa.UstawUtf8("Żelbet");
    const TRekordProjektu r = KodujRekord(m);
    EXPECT_TRUE(r == ObrazReczny()) << Roznice(r, ObrazReczny());
}

TEST(RekordProjektu, DekodowanieObrazuRecznego) {
    // The encoder is held to the hand-built image above, and it writes every field at an offset of
    // its own: so a decoded content that encodes to the same image holds every field as it should.
    const TRekordProjektu obraz = ObrazReczny();
    const auto wynik = DekodujRekord(obraz);
    ASSERT_TRUE(std::holds_alternative<TZawartoscProjektu>(wynik)) << std::get<TBladWyniku>(wynik).Komunikat;
    const TZawartoscProjektu& z = std::get<TZawartoscProjektu>(wynik);
    TModelProjektu ponownie;
    ponownie.Warstwy = z.Warstwy;
    ponownie.WarunkiPracy = z.WarunkiPracy;
    ponownie.LiczbaWarstw = z.LiczbaWarstw;
    EXPECT_TRUE(KodujRekord(ponownie) == obraz) << Roznice(KodujRekord(ponownie), obraz);
    EXPECT_EQ(z.LiczbaWarstw, 3);
    EXPECT_EQ(z.Warstwy[1].Nazwa.Utf8(), "Żelbet");
    EXPECT_EQ(z.Warstwy[15].Nazwa.Utf8(), "Łupek") << "a slot behind the count is read all the same";
    EXPECT_EQ(z.WarunkiPracy.TypPrzegrody.Utf8(), "Ściana");
}

TEST(RekordProjektu, DlugiTypPrzegrodyZapisanyUciety) {
    TModelProjektu m;
    m.WarunkiPracy.TypPrzegrody.UstawUtf8(
        "Strop nad ostantnią kondygnacją przy przepływie ciepła z dołu do góry");
    m.WarunkiPracy.Rsi = 0.10;
    m.WarunkiPracy.Rse = 0.04;
    const auto z = std::get<TZawartoscProjektu>(DekodujRekord(KodujRekord(m)));
    EXPECT_EQ(z.WarunkiPracy.TypPrzegrody.Utf8(), "Strop nad ostantnią kondygnacją przy prz");
    EXPECT_EQ(z.WarunkiPracy.Rsi, 0.10);
    EXPECT_EQ(z.WarunkiPracy.Rse, 0.04);
}

TEST(RekordProjektu, NiezapisaneWarunkiWracajaJakoZnaczniki) {
    TModelProjektu m;
    m.Resetuj();
    const auto z = std::get<TZawartoscProjektu>(DekodujRekord(KodujRekord(m)));
    EXPECT_EQ(z.WarunkiPracy.TempZewn, -50);
    EXPECT_EQ(z.WarunkiPracy.TempWew, 50);
    EXPECT_EQ(z.LiczbaWarstw, 0);
}

TEST(RekordProjektu, BajtDlugosciPonad40CzytaCzterdziesciZnakow) {
    TRekordProjektu r = ObrazReczny();
    r[0] = 255;
    for (std::size_t i = 1; i <= 40; ++i)
        r[i] = 'x';
    const auto z = std::get<TZawartoscProjektu>(DekodujRekord(r));
    EXPECT_EQ(z.Warstwy[1].Nazwa.Utf8(), std::string(40, 'x'));
    EXPECT_EQ(z.Warstwy[1].Grubosc, 0.2) << "the padding after the name is not part of it";
}

TEST(RekordProjektu, OdmowaUszkodzonegoRekordu) {
    struct {
        const char* Nazwa;
        std::size_t Dlugosc;
        void (*Zepsuj)(TObraz&);
        const char* Fragment;
    } const przypadki[] = {
        {"pusty", 0, [](TObraz&) {}, "0 bajtów"},
        {"o bajt za krotki", 1295, [](TObraz&) {}, "1295 bajtów"},
        {"liczba warstw -1", 1296, [](TObraz& o) { o.I32(1288, -1); }, "liczba warstw -1"},
        {"liczba warstw 16", 1296, [](TObraz& o) { o.I32(1288, 16); }, "liczba warstw 16"},
        {"Rsi NaN", 1296, [](TObraz& o) { o.F64(1096, std::numeric_limits<double>::quiet_NaN()); }, "Rsi"},
        {"grubosc 7 nieskonczona", 1296,
         [](TObraz& o) { o.F64(72 * 6 + 48, std::numeric_limits<double>::infinity()); }, "Grubosc warstwy 7"},
        {"mostek -inf", 1296, [](TObraz& o) { o.F64(1280, -std::numeric_limits<double>::infinity()); },
         "MostekWlasny"},
        {"mi w slocie za liczba", 1296,
         [](TObraz& o) { o.F64(72 * 14 + 64, std::numeric_limits<double>::quiet_NaN()); }, "Mi warstwy 15"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        TObraz o;
        o.b = ObrazReczny();
        p.Zepsuj(o);
        const auto wynik = DekodujRekord(std::span<const std::uint8_t>(o.b.data(), p.Dlugosc));
        ASSERT_TRUE(std::holds_alternative<TBladWyniku>(wynik));
        EXPECT_NE(std::get<TBladWyniku>(wynik).Komunikat.find(p.Fragment), std::string::npos)
            << std::get<TBladWyniku>(wynik).Komunikat;
    }
}

TEST(RekordProjektu, PrzyjeteGraniceIBajtyPoRekordzie) {
    struct {
        const char* Nazwa;
        int Liczba;
        std::size_t DodatkoweBajty;
    } const przypadki[] = {
        {"0 warstw", 0, 0},
        {"10 warstw", 10, 0},
        {"15 warstw", 15, 0},
        {"1297 bajtow", 3, 1},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        TObraz o;
        o.b = ObrazReczny();
        o.I32(1288, p.Liczba);
        std::vector<std::uint8_t> bajty(o.b.begin(), o.b.end());
        bajty.resize(bajty.size() + p.DodatkoweBajty, 0xFF);
        const auto wynik = DekodujRekord(bajty);
        ASSERT_TRUE(std::holds_alternative<TZawartoscProjektu>(wynik));
        EXPECT_EQ(std::get<TZawartoscProjektu>(wynik).LiczbaWarstw, p.Liczba);
    }
}

// The layer limits the forms take from the table are the calculate command's own: a value passes
// the one exactly when it passes the other.
TEST(PolaRekordu, GraniceWarstwyToGraniceObliczen) {
    const double wartosci[] = {-1,
                               0,
                               0.00009,
                               0.0001,
                               0.0002,
                               0.001,
                               0.0099,
                               0.01,
                               1,
                               10,
                               10.0001,
                               999.9,
                               1000,
                               1000.1,
                               9999999,
                               10000000,
                               std::numeric_limits<double>::quiet_NaN()};
    for (double x : wartosci) {
        SCOPED_TRACE(x);
        EXPECT_EQ(WZakresie(GraniceWarstwy("Grubosc"), x), !BladWarstwy(1, 1, x));
        EXPECT_EQ(WZakresie(GraniceWarstwy("Lambda"), x), !BladWarstwy(x, 1, 1));
        EXPECT_EQ(WZakresie(GraniceWarstwy("Mi"), x), !BladWarstwy(1, x, 1));
    }
    // A vapour barrier foil of 0.2 mm is a layer like any other.
    EXPECT_TRUE(WZakresie(GraniceWarstwy("Grubosc"), 0.0002));
    EXPECT_THROW(GraniceWarstwy("Nazwa"), std::out_of_range);
}

} // namespace
