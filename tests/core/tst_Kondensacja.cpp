// Condensation inside the partition, the year of monthly means, the surface factor and the WT 2021
// verdict. The expected numbers were worked out by hand from the method (saturation formula, equivalent
// air thicknesses, slopes of the vapour-pressure line), not taken from the engine.
#include "core/AnalizaProjektu.h"
#include "core/Iso13788.h"
#include "core/Kondensacja.h"
#include "core/Obliczenia.h"
#include "core/Przygotowanie.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

using namespace murolab;
using namespace murolab::test;

namespace {

TWarunkiDyfuzji Powietrze(double ti, double fi, double te, double fe) {
    return {ti, fi / 100 * CisnienieNasyceniaWzor(ti), te, fe / 100 * CisnienieNasyceniaWzor(te)};
}

// Plasterboard, mineral wool and an outer board of mu 200: the textbook wall without a vapour barrier.
TPrzegrodaDyfuzji WelnaZPlyta() {
    return {{{0.0125, 0.25, 10}, {0.15, 0.04, 1}, {0.018, 0.13, 200}}, 0.13, 0.04};
}

std::vector<int> Styki(const TStanDyfuzji& s) {
    std::vector<int> w;
    for (const auto& p : s.Plaszczyzny)
        w.push_back(p.Styk);
    return w;
}

TEST(Nasycenie, WzorINaOdwrot) {
    struct Wiersz {
        const char* nazwa;
        double t, p;
    };
    // Values of the published saturation table (Pa, whole pascals; the formula agrees to 0.3 %).
    for (const Wiersz& w :
         {Wiersz{"zero", 0, 610.5}, Wiersz{"dwadziescia", 20, 2337}, Wiersz{"minus_dziesiec", -10, 260},
          Wiersz{"dziesiec", 10, 1227}, Wiersz{"minus_jeden", -1, 562}}) {
        SCOPED_TRACE(w.nazwa);
        EXPECT_NEAR(CisnienieNasyceniaWzor(w.t), w.p, w.p * 3e-3);
        EXPECT_NEAR(TemperaturaNasycenia(CisnienieNasyceniaWzor(w.t)), w.t, 1e-9);
    }
    EXPECT_TRUE(std::isnan(TemperaturaNasycenia(0)));
}

// Design-condition cases: which interfaces are planes, and the hand-worked rate or flux.
TEST(Plaszczyzny, PrzypadkiReczne) {
    struct Wiersz {
        const char* nazwa;
        TPrzegrodaDyfuzji przegroda;
        TWarunkiDyfuzji powietrze;
        std::vector<int> plaszczyzny;
        double strumien; // g of the single plane, or the flux without a plane, kg/(m2 s)
    };
    const std::vector<Wiersz> wiersze{
        // s' = 3.875 / 3.75 / 3.6 / 0; plane at the wool-board joint at -3.914 degC, psat 440.08 Pa:
        // g = 2e-10 * ((1168.48 - 440.08) / 0.275 - (440.08 - 341.00) / 3.6) = 5.2423e-7.
        {"jedna_plaszczyzna", WelnaZPlyta(), Powietrze(20, 50, -5, 85), {2}, 5.242345e-7},
        // Plaster, brick and a vapour-tight coating (s_d 3 m): the straight line pe-pi exceeds
        // saturation at both joints, but the joint behind the plaster lies above the chord from the
        // coating's joint to pi, so the hull touches the coating's joint only.
        {"dwa_styki_nad_prosta_jeden_wierzcholek",
         {{{0.015, 0.82, 10}, {0.25, 0.77, 10}, {0.003, 0.2, 1000}}, 0.13, 0.04},
         Powietrze(20, 60, -10, 90),
         {2},
         7.287081e-8},
        // A vapour barrier of s_d 20 m at the warm side: no plane, flux 2e-10 * 827.47 / 20.9.
        {"paroizolacja",
         {{{0.0002, 0.2, 100000}, {0.15, 0.04, 1}, {0.015, 0.13, 50}}, 0.13, 0.04},
         Powietrze(20, 50, -5, 85),
         {},
         7.918390e-9},
    };
    for (const Wiersz& w : wiersze) {
        SCOPED_TRACE(w.nazwa);
        const TStanDyfuzji s = StanDyfuzji(w.przegroda, w.powietrze);
        EXPECT_EQ(Styki(s), w.plaszczyzny);
        if (w.plaszczyzny.empty()) {
            ASSERT_TRUE(s.Strumien.has_value());
            EXPECT_NEAR(*s.Strumien, w.strumien, w.strumien * 1e-5);
        } else {
            EXPECT_FALSE(s.Strumien.has_value());
            EXPECT_NEAR(s.Plaszczyzny[0].Strumien, w.strumien, w.strumien * 1e-5);
            EXPECT_DOUBLE_EQ(s.Plaszczyzny[0].Temp, s.Temp[static_cast<std::size_t>(w.plaszczyzny[0])]);
        }
        // The line runs from pi at the inner surface to pe at the outer and never above saturation inside.
        EXPECT_DOUBLE_EQ(s.CisCzast.front(), w.powietrze.CisWewn);
        EXPECT_DOUBLE_EQ(s.CisCzast.back(), w.powietrze.CisZewn);
        for (std::size_t j = 1; j + 1 < s.CisCzast.size(); ++j)
            EXPECT_LE(s.CisCzast[j], s.CisNasy[j] * (1 + 1e-12)) << "styk " << j;
    }
}

TEST(Plaszczyzny, ProstaPonadNasyceniemWDwochStykach) {
    const TStanDyfuzji s = StanDyfuzji(
        {{{0.015, 0.82, 10}, {0.25, 0.77, 10}, {0.003, 0.2, 1000}}, 0.13, 0.04}, Powietrze(20, 60, -10, 90));
    const double pi = s.CisCzast.front(), pe = s.CisCzast.back();
    for (std::size_t j : {1u, 2u}) {
        const double prosta = pe + (pi - pe) * s.SdNarast[j] / s.SdNarast[0];
        EXPECT_GT(prosta, s.CisNasy[j]) << "the straight line is above saturation at joint " << j;
    }
    // Joint 1 is on the chord from joint 2 (341.31 Pa at s' 3) to pi (1402.17 Pa at s' 5.65): 1342.12 Pa.
    EXPECT_NEAR(s.CisCzast[1], 1342.12, 0.01);
}

TEST(Plaszczyzny, WarstwaBezOporuDyfuzyjnegoNieDzieliPrzezZero) {
    // The middle layer has s_d = 0: joints 1 and 2 share s'. Only the colder one can be a plane.
    const TPrzegrodaDyfuzji p{{{0.0125, 0.25, 10}, {0.15, 0.04, 0}, {0.018, 0.13, 200}}, 0.13, 0.04};
    const TStanDyfuzji s = StanDyfuzji(p, Powietrze(20, 50, -5, 85));
    EXPECT_EQ(s.SdNarast[1], s.SdNarast[2]);
    ASSERT_EQ(Styki(s), std::vector<int>{2});
    EXPECT_TRUE(std::isfinite(s.Plaszczyzny[0].Strumien));
    for (double p : s.CisCzast)
        EXPECT_TRUE(std::isfinite(p));
}

TEST(Plaszczyzny, MokraPlaszczyznaZostajeIParuje) {
    // Warm outdoor air: a dry wall has no plane, a wet joint 2 stays one and evaporates (g < 0).
    const auto powietrze = Powietrze(20, 50, 15, 70);
    EXPECT_TRUE(StanDyfuzji(WelnaZPlyta(), powietrze).Plaszczyzny.empty());
    const TStanDyfuzji s = StanDyfuzji(WelnaZPlyta(), powietrze, {false, false, true, false});
    ASSERT_EQ(Styki(s), std::vector<int>{2});
    EXPECT_LT(s.Plaszczyzny[0].Strumien, 0);
    EXPECT_DOUBLE_EQ(s.CisCzast[2], s.CisNasy[2]);
}

// A climate of two kinds of month: cold (-5 degC, 85 %) in the months listed, mild (15 degC, 70 %) else.
TKlimat DwaRodzajeMiesiecy(const std::vector<int>& zimne) {
    TKlimat k;
    k.Nazwa = "Próbny";
    for (auto& m : k.Miesiace)
        m = {15, 70};
    for (int m : zimne)
        k.Miesiace[static_cast<std::size_t>(m - 1)] = {-5, 85};
    return k;
}

// The rate at joint 2 of the wool wall by the slopes formula, with the joint held at saturation.
double StrumienStyku2(double te, double fe) {
    const TPrzegrodaDyfuzji p = WelnaZPlyta();
    const double rc = 0.13 + 0.0125 / 0.25 + 0.15 / 0.04;
    const double rt = rc + 0.018 / 0.13 + 0.04;
    const double tc = 20 - (20 - te) * rc / rt;
    const double pc = CisnienieNasyceniaWzor(tc);
    const double pi = 0.5 * CisnienieNasyceniaWzor(20);
    const double pe = fe / 100 * CisnienieNasyceniaWzor(te);
    return 2e-10 * ((pi - pc) / (0.0125 * 10 + 0.15 * 1) - (pc - pe) / (0.018 * 200));
}

TEST(Rok, WysychaINarastaJakLiczoneRecznie) {
    struct Wiersz {
        const char* nazwa;
        std::vector<int> zimne;
        int start;
        TWerdyktRoczny werdykt;
    };
    const double gZima = StrumienStyku2(-5, 85);
    const double gLato = StrumienStyku2(15, 70);
    ASSERT_GT(gZima, 0);
    ASSERT_LT(gLato, 0);
    for (const Wiersz& w :
         {Wiersz{"cztery_zimne_wysycha", {11, 12, 1, 2}, 11, TWerdyktRoczny::Wysycha},
          Wiersz{"osiem_zimnych_narasta", {1, 2, 3, 4, 9, 10, 11, 12}, 9, TWerdyktRoczny::Narasta}}) {
        SCOPED_TRACE(w.nazwa);
        const TRokKondensacji r =
            RokKondensacji(WelnaZPlyta(), DwaRodzajeMiesiecy(w.zimne), TWnetrze{0}, 20, 50);
        ASSERT_EQ(r.MiesiacStartu, w.start);
        EXPECT_EQ(r.Werdykt, w.werdykt);
        double ma = 0, maMax = 0;
        int miesiacMax = 0;
        for (int krok = 0; krok < 12; ++krok) {
            const int m = (w.start - 1 + krok) % 12 + 1;
            const bool zimny = std::find(w.zimne.begin(), w.zimne.end(), m) != w.zimne.end();
            const TMiesiacRoku& mr = r.Miesiace[static_cast<std::size_t>(m - 1)];
            EXPECT_EQ(mr.Miesiac, m);
            if (!zimny && ma == 0) {
                EXPECT_TRUE(mr.Plaszczyzny.empty()) << "month " << m;
                continue;
            }
            const double g = zimny ? gZima : gLato;
            ma = std::max(0.0, ma + g * DniMiesiaca(m) * 86400);
            ASSERT_EQ(mr.Plaszczyzny.size(), 1u) << "month " << m;
            EXPECT_EQ(mr.Plaszczyzny[0].Styk, 2);
            EXPECT_NEAR(mr.Plaszczyzny[0].Strumien, g, std::abs(g) * 1e-9);
            EXPECT_NEAR(mr.Plaszczyzny[0].Ilosc, g * DniMiesiaca(m) * 86400, 1e-9);
            EXPECT_NEAR(mr.Plaszczyzny[0].Ma, ma, 1e-9) << "month " << m;
            if (ma > maMax) {
                maMax = ma;
                miesiacMax = m;
            }
        }
        EXPECT_NEAR(r.MaMax, maMax, 1e-9);
        EXPECT_EQ(r.MaMaxMiesiac, miesiacMax);
        EXPECT_EQ(r.MaMaxStyk, 2);
        EXPECT_NEAR(r.MaKoniec, ma, 1e-9);
        EXPECT_EQ(r.MaKoniec > 0, w.werdykt == TWerdyktRoczny::Narasta);
    }
}

TEST(Rok, StartWStyczniuGdyKazdyMiesiacSkraplaIBrakGdyZaden) {
    std::vector<int> wszystkie{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    const TRokKondensacji caly =
        RokKondensacji(WelnaZPlyta(), DwaRodzajeMiesiecy(wszystkie), TWnetrze{0}, 20, 50);
    EXPECT_EQ(caly.MiesiacStartu, 1);
    EXPECT_EQ(caly.Werdykt, TWerdyktRoczny::Narasta);
    EXPECT_EQ(caly.MaMaxMiesiac, 12);

    const TRokKondensacji zaden = RokKondensacji(WelnaZPlyta(), DwaRodzajeMiesiecy({}), TWnetrze{0}, 20, 50);
    EXPECT_FALSE(zaden.MiesiacStartu.has_value());
    EXPECT_EQ(zaden.Werdykt, TWerdyktRoczny::Brak);
    EXPECT_EQ(zaden.MaMax, 0);
    EXPECT_FALSE(zaden.MaMaxMiesiac.has_value());
    for (const auto& m : zaden.Miesiace)
        EXPECT_TRUE(m.Plaszczyzny.empty());
}

TEST(Rok, KlasaWilgotnosciWnetrza) {
    // pi = pe + 1.10 * dp, dp = 270 Pa per class at te <= 0, linear to 0 at te = 20, 0 above.
    struct Wiersz {
        const char* nazwa;
        int klasa;
        double te;
        double przyrost; // pi - pe, Pa
    };
    for (const Wiersz& w : {Wiersz{"klasa1_mroz", 1, -5, 297}, Wiersz{"klasa2_zero", 2, 0, 594},
                            Wiersz{"klasa3_dziesiec", 3, 10, 445.5}, Wiersz{"klasa4_pietnascie", 4, 15, 297},
                            Wiersz{"klasa4_dwadziescia", 4, 20, 0}, Wiersz{"klasa4_upal", 4, 25, 0}}) {
        SCOPED_TRACE(w.nazwa);
        TKlimat k;
        for (auto& m : k.Miesiace)
            m = {w.te, 80};
        const TRokKondensacji r = RokKondensacji(WelnaZPlyta(), k, TWnetrze{w.klasa}, 21, 50);
        const TMiesiacRoku& m = r.Miesiace[0];
        EXPECT_NEAR(m.CisZewn, 0.8 * CisnienieNasyceniaWzor(w.te), 1e-9);
        EXPECT_NEAR(m.CisWewn - m.CisZewn, w.przyrost, 1e-9);
        EXPECT_EQ(m.TempWewn, 21);
    }
    // With "stale" the indoor air is the working conditions' every month.
    const TRokKondensacji r = RokKondensacji(WelnaZPlyta(), DwaRodzajeMiesiecy({1}), TWnetrze{0}, 20, 50);
    for (const auto& m : r.Miesiace)
        EXPECT_NEAR(m.CisWewn, 0.5 * CisnienieNasyceniaWzor(20), 1e-9);
}

TEST(Wnetrze, TekstyOpcji) {
    for (int k = 0; k <= 4; ++k) {
        const auto w = WnetrzeZTekstu(TekstWnetrza(TWnetrze{k}));
        ASSERT_TRUE(w.has_value()) << k;
        EXPECT_EQ(w->Klasa, k);
    }
    for (const char* zly : {"", "klasa0", "klasa5", "Stale", "klasa12", "stałe"})
        EXPECT_FALSE(WnetrzeZTekstu(zly).has_value()) << zly;
}

// A partition of one layer with the given sum of R, for the surface factor.
TModelProjektu JednaWarstwa(double r, int ti = 20, double rsi = 0.13) {
    TModelProjektu m = Warunki(ti, 50, -20, 85, rsi, 0.04);
    DodajWarstwe(m, "Mur", 0.5 * r, 0.5, 10);
    m.WarunkiPracy.TypPrzegrody.UstawUtf8("Ściana zewnętrzna");
    ObliczPrzegrode(m);
    return m;
}

TEST(FRsi, WzorZRsi025ANieSkrotZU) {
    struct Wiersz {
        const char* nazwa;
        double sumaR;
        double rsi;
        double fRsi;
        bool spelnia;
    };
    // fRsi = 1 - 0.25 / (0.25 + R + 0.04). The shortcut 1 - 0.25 * U would give 0.6988 (Rsi 0.13) and
    // 0.6875 (Rsi 0.10) for R = 0.66, and flip the first two verdicts.
    for (const Wiersz& w : {Wiersz{"sciana_skrot_by_odrzucil", 0.66, 0.13, 0.736842, true},
                            Wiersz{"dach_skrot_by_odrzucil", 0.66, 0.10, 0.736842, true},
                            Wiersz{"za_cienka", 0.30, 0.13, 0.576271, false},
                            Wiersz{"tuz_ponad_072", 0.61, 0.13, 0.722222, true}}) {
        SCOPED_TRACE(w.nazwa);
        const TModelProjektu m = JednaWarstwa(w.sumaR, 20, w.rsi);
        const TAnalizaIso13788 a =
            AnalizujIso13788(m, nullptr, "", TWnetrze{0}, DomyslnyWierszWT("Ściana zewnętrzna"));
        EXPECT_NEAR(a.FRsi.Przegrody, w.fRsi, 5e-7);
        EXPECT_EQ(a.WT.SpelniafRsi, w.spelnia);
        EXPECT_FALSE(a.FRsi.MiesiacKrytyczny.has_value());
    }
}

TEST(FRsi, MiesiacKrytycznyZKlimatu) {
    // December -10 degC: pi = 0.5 * 2336.95 = 1168.48 Pa, theta_si,min = Tsat(1460.59) = 12.6246 degC,
    // fRsi,min = 22.6246 / 30 = 0.75415, the largest of the year; the mild months need less.
    TKlimat k = DwaRodzajeMiesiecy({});
    k.Miesiace[11] = {-10, 85};
    k.Miesiace[6] = {25, 60}; // warmer outdoors than indoors: no requirement that month
    const TModelProjektu m = JednaWarstwa(3.0);
    const TAnalizaIso13788 a =
        AnalizujIso13788(m, &k, "próbny", TWnetrze{0}, DomyslnyWierszWT("Ściana zewnętrzna"));
    ASSERT_TRUE(a.Rok.has_value());
    EXPECT_FALSE(a.Rok->Miesiace[6].FRsiMin.has_value());
    EXPECT_EQ(a.FRsi.MiesiacKrytyczny, 12);
    ASSERT_TRUE(a.FRsi.FRsiMax.has_value());
    EXPECT_NEAR(*a.FRsi.FRsiMax, 0.75415, 1e-5);
    EXPECT_NEAR(*a.Rok->Miesiace[11].FRsiMin, *a.FRsi.FRsiMax, 1e-15);
}

TEST(WT2021, DomyslnyWierszZTypuPrzegrody) {
    struct Wiersz {
        const char* typ;
        const char* id;
    };
    // The types as the working conditions keep them: the list's texts cut to 40 characters.
    for (const Wiersz& w :
         {Wiersz{"Ściana zewnętrzna", "sciana_zewnetrzna"},
          Wiersz{"Dachy, stropodachy, tarasy przy przepływie ciepła z dołu do góry", "dach"},
          Wiersz{"Dachy, stropodachy, tarasy przy przepływie ciepła z góry do dołu", "dach"},
          Wiersz{"Ściany wewnętrzne", "sciana_wewn_dt8"},
          Wiersz{"Strop nad piwnicą przy przepływie ciepła z góry do dołu", "strop_nad_nieogrzewanym"},
          Wiersz{"Strop nad ostantnią kondygnacją przy przepływie ciepła z dołu do góry", "dach"},
          Wiersz{"", "sciana_zewnetrzna"}}) {
        TKrotkiTekst<40> typ;
        typ.UstawUtf8(w.typ);
        EXPECT_EQ(DomyslnyWierszWT(typ.Utf8()).Id, w.id) << w.typ;
    }
}

TEST(WT2021, UMaxWedlugTemperaturyWewnetrznej) {
    struct Wiersz {
        const char* id;
        double ti;
        std::optional<double> uMax;
    };
    for (const Wiersz& w :
         {Wiersz{"sciana_zewnetrzna", 20, 0.20}, Wiersz{"sciana_zewnetrzna", 16, 0.20},
          Wiersz{"sciana_zewnetrzna", 15, 0.45}, Wiersz{"sciana_zewnetrzna", 8, 0.45},
          Wiersz{"sciana_zewnetrzna", 7, 0.90}, Wiersz{"dach", 20, 0.15}, Wiersz{"dach", 12, 0.30},
          Wiersz{"dach", 5, 0.70}, Wiersz{"podloga_na_gruncie", 20, 0.30},
          Wiersz{"podloga_na_gruncie", 10, 1.20}, Wiersz{"podloga_na_gruncie", 0, 1.50},
          Wiersz{"strop_nad_nieogrzewanym", 20, 0.25}, Wiersz{"strop_nad_nieogrzewanym", 10, 0.30},
          Wiersz{"strop_nad_nieogrzewanym", 4, 1.00}, Wiersz{"sciana_wewn_nieogrzewane", 20, 0.30},
          Wiersz{"sciana_wewn_nieogrzewane", 12, std::nullopt}, Wiersz{"sciana_wewn_dt8", 18, 1.00},
          Wiersz{"sciana_wewn_dt8", 6, std::nullopt}}) {
        const TWierszWT* wiersz = ZnajdzWierszWT(w.id);
        ASSERT_NE(wiersz, nullptr) << w.id;
        EXPECT_EQ(UMaxWT(*wiersz, w.ti), w.uMax) << w.id << " ti " << w.ti;
    }
    EXPECT_EQ(ZnajdzWierszWT("sciana"), nullptr);
}

TEST(WT2021, WerdyktCalosci) {
    // R = 6 gives U0 = 1 / 6.17 = 0.162; R = 3 gives 0.318 > 0.20.
    struct Wiersz {
        const char* nazwa;
        double sumaR;
        std::vector<int> zimne; // empty: no climate
        bool spelniaU;
        std::optional<bool> kondensacja;
        std::optional<bool> calosc;
    };
    const std::vector<int> osiem{1, 2, 3, 4, 9, 10, 11, 12};
    for (const Wiersz& w : {Wiersz{"bez_klimatu", 6, {}, true, std::nullopt, std::nullopt},
                            Wiersz{"gruba_sciana_narasta", 6, osiem, true, false, false},
                            // A failed U decides the whole even when the year is unknown.
                            Wiersz{"cienka_sciana_bez_klimatu", 3, {}, false, std::nullopt, false},
                            Wiersz{"cienka_sciana_wysycha", 3, {1}, false, true, false},
                            Wiersz{"gruba_sciana_wysycha", 6, {1}, true, true, true}}) {
        SCOPED_TRACE(w.nazwa);
        TModelProjektu m = JednaWarstwa(w.sumaR);
        // The wool wall's layers with a thicker wool layer carry the year's condensation.
        m.LiczbaWarstw = 0;
        DodajWarstwe(m, "Płyta g-k", 0.0125, 0.25, 10);
        DodajWarstwe(m, "Wełna", 0.04 * (w.sumaR - 0.05 - 0.138), 0.04, 1);
        DodajWarstwe(m, "Płyta", 0.018, 0.13, 200);
        ObliczPrzegrode(m);
        const TKlimat k = DwaRodzajeMiesiecy(w.zimne);
        const TAnalizaIso13788 a = AnalizujIso13788(m, w.zimne.empty() ? nullptr : &k, "próbny", TWnetrze{0},
                                                    DomyslnyWierszWT(m.WarunkiPracy.TypPrzegrody.Utf8()));
        EXPECT_EQ(a.WT.Wiersz, "sciana_zewnetrzna");
        EXPECT_EQ(a.WT.UMax, 0.20);
        EXPECT_NEAR(a.WT.Uk, Uk(m), 1e-15);
        EXPECT_EQ(a.WT.SpelniaU, w.spelniaU);
        EXPECT_TRUE(a.WT.SpelniafRsi);
        EXPECT_EQ(a.WT.SpelniaKondensacja, w.kondensacja);
        EXPECT_EQ(a.WT.Spelnia, w.calosc);
        EXPECT_EQ(a.Rok.has_value(), !w.zimne.empty());
    }
}

TEST(WT2021, ZbytNiskieFRsiBezKlimatuRozstrzygaCalosc) {
    // R = 0.30: fRsi = 0.576 < 0.72. At ti = 12 the row of walls to unheated rooms sets no Umax, so U
    // passes and only the surface factor fails; the whole is "nie spełnia" without any climate.
    const TModelProjektu m = JednaWarstwa(0.30, 12);
    const TAnalizaIso13788 a =
        AnalizujIso13788(m, nullptr, "", TWnetrze{0}, *ZnajdzWierszWT("sciana_wewn_nieogrzewane"));
    EXPECT_TRUE(a.WT.SpelniaU);
    EXPECT_FALSE(a.WT.SpelniafRsi);
    EXPECT_FALSE(a.WT.SpelniaKondensacja.has_value());
    EXPECT_EQ(a.WT.Spelnia, std::optional<bool>(false));
}

TEST(FRsi, WymaganieWilgotnegoWnetrzaPonad072) {
    // Class 4 indoors at -10 degC outdoors asks fRsi,min well above 0.72 in that month; a wall of
    // R = 0.9 (fRsi = 0.782) passes the flat 0.72 but not max(0.72; fRsi,max).
    TKlimat k = DwaRodzajeMiesiecy({});
    k.Miesiace[0] = {-10, 90};
    const TModelProjektu m = JednaWarstwa(0.9);
    const TAnalizaIso13788 a =
        AnalizujIso13788(m, &k, "próbny", TWnetrze{4}, *ZnajdzWierszWT("sciana_wewn_nieogrzewane"));
    ASSERT_TRUE(a.FRsi.FRsiMax.has_value());
    EXPECT_EQ(a.FRsi.MiesiacKrytyczny, 1);
    EXPECT_GT(*a.FRsi.FRsiMax, 0.8);
    EXPECT_GT(a.FRsi.Przegrody, kFRsiWymagane);
    EXPECT_LT(a.FRsi.Przegrody, *a.FRsi.FRsiMax);
    EXPECT_EQ(a.FRsi.Wymagane(), *a.FRsi.FRsiMax);
    EXPECT_FALSE(a.WT.SpelniafRsi);
    EXPECT_EQ(a.WT.Spelnia, std::optional<bool>(false));
}

TEST(FRsi, MiesiacBliskiTiBezFRsiMin) {
    // ti = 20: fRsi,min has a meaning only 5 K or more below it. At 16 degC (4 K) the ratio would
    // be -0,4 or so; at 15 degC it is given.
    TKlimat k = DwaRodzajeMiesiecy({});
    k.Miesiace[5] = {16, 70};
    k.Miesiace[6] = {15.5, 70};
    k.Miesiace[7] = {15, 70};
    const TModelProjektu m = JednaWarstwa(3.0);
    const TAnalizaIso13788 a =
        AnalizujIso13788(m, &k, "próbny", TWnetrze{0}, DomyslnyWierszWT("Ściana zewnętrzna"));
    ASSERT_TRUE(a.Rok.has_value());
    EXPECT_FALSE(a.Rok->Miesiace[5].FRsiMin.has_value());
    EXPECT_FALSE(a.Rok->Miesiace[6].FRsiMin.has_value());
    EXPECT_TRUE(a.Rok->Miesiace[7].FRsiMin.has_value());
}

TEST(Miesiace, OdmianaNazw) {
    EXPECT_EQ(WMiesiacu(12), "w grudniu");
    EXPECT_EQ(WMiesiacu(9), "we wrześniu");
    EXPECT_EQ(WMiesiacu(2), "w lutym");
    EXPECT_EQ(MiesiacaDopelniacz(3), "marca");
    EXPECT_EQ(MiesiacaDopelniacz(10), "października");
}

TEST(AnalizaProjektu, JednoWywolanieLiczyWszystko) {
    TModelProjektu m = ScianaZWelna();
    for (int k = 1; k <= m.LiczbaWarstw; ++k) {
        m.Warstwy[k].Gestosc = 600.0;
        m.Warstwy[k].Cieplo = 1.0;
    }
    ObliczPrzegrode(m);
    const TKlimat k = DwaRodzajeMiesiecy({1, 2, 12});
    TWyborAnalizy w;
    w.Klimat = &k;
    w.NazwaKlimatu = "Próbny";
    const TAnalizaProjektu a = AnalizujProjekt(m, w);
    // The same as its parts called one by one, with the row of the partition type.
    const TAnalizaIso13788 wilgoc =
        AnalizujIso13788(m, &k, "Próbny", TWnetrze{0}, DomyslnyWierszWT("Ściana zewnętrzna"));
    ASSERT_TRUE(a.Wilgoc.Rok.has_value());
    EXPECT_EQ(a.Wilgoc.Rok->MaMax, wilgoc.Rok->MaMax);
    EXPECT_EQ(a.Wilgoc.WT.Wiersz, "sciana_zewnetrzna");
    EXPECT_EQ(a.Wilgoc.Klimat, "Próbny");
    ASSERT_TRUE(a.Lato.has_value());
    EXPECT_EQ(a.Lato->Y12, LatoPrzegrody(m)->Y12);
    EXPECT_TRUE(a.NieskonczoneLato.empty());

    // A layer without its heat capacity: no summer figures, and which layer says so.
    m.Warstwy[2].Cieplo.reset();
    const TAnalizaProjektu bez = AnalizujProjekt(m, {});
    EXPECT_FALSE(bez.Lato.has_value());
    EXPECT_EQ(bez.WarstwyBezDanychLata, std::vector<int>{2});
    EXPECT_FALSE(bez.Wilgoc.Rok.has_value());
}

TEST(AnalizaProjektu, NieskonczoneLatoNieJestWynikiem) {
    // rho and c of 1e300 overflow the layer's matrix: never a summer result, the figure is named.
    TModelProjektu m = ScianaZWelna();
    for (int k = 1; k <= m.LiczbaWarstw; ++k) {
        m.Warstwy[k].Gestosc = 1e300;
        m.Warstwy[k].Cieplo = 1e300;
    }
    ObliczPrzegrode(m);
    const TAnalizaProjektu a = AnalizujProjekt(m, {});
    EXPECT_FALSE(a.Lato.has_value());
    EXPECT_FALSE(a.NieskonczoneLato.empty());
    TLato l;
    l.Kappa2 = std::nan("");
    EXPECT_EQ(NieskonczonaWartoscLata(l), "κ2");
    EXPECT_EQ(NieskonczonaWartoscLata(TLato{}), "");
}

TEST(AnalizaProjektu, WyboryZapisaneWProjekcie) {
    TModelProjektu m = ScianaZWelna();
    EXPECT_EQ(WierszWTProjektu(m).Id, "sciana_zewnetrzna");
    EXPECT_EQ(WnetrzeProjektu(m).Klasa, 0);
    m.Iso13788.WierszWT = "dach";
    m.Iso13788.Wnetrze = "klasa3";
    EXPECT_EQ(WierszWTProjektu(m).Id, "dach");
    EXPECT_EQ(WnetrzeProjektu(m).Klasa, 3);
    m.Iso13788.WierszWT = "nieznany";
    m.Iso13788.Wnetrze = "klasa9";
    EXPECT_EQ(WierszWTProjektu(m).Id, "sciana_zewnetrzna");
    EXPECT_EQ(WnetrzeProjektu(m).Klasa, 0);
}

TEST(Projektowe, WarunkiPracyIOpisyWerdyktow) {
    TModelProjektu m = Warunki(20, 50, -5, 85);
    DodajWarstwe(m, "Płyta g-k", 0.0125, 0.25, 10);
    DodajWarstwe(m, "Wełna", 0.15, 0.04, 1);
    DodajWarstwe(m, "Płyta", 0.018, 0.13, 200);
    ObliczPrzegrode(m);
    const TAnalizaIso13788 a = AnalizujIso13788(m, nullptr, "", TWnetrze{0}, DomyslnyWierszWT(""));
    ASSERT_EQ(Styki(a.Projektowe), std::vector<int>{2});
    EXPECT_NEAR(a.Projektowe.Plaszczyzny[0].Strumien, 5.242345e-7, 5e-12);
    EXPECT_EQ(KodWerdyktuRocznego(TWerdyktRoczny::Wysycha), "wysycha");
    EXPECT_EQ(TekstWerdyktuRocznego(TWerdyktRoczny::Narasta), "kondensacja narasta z roku na rok");
    EXPECT_EQ(TekstWerdyktuRocznego(TWerdyktRoczny::Brak), "brak kondensacji");
}

TEST(Kondensacja, MiesiacPoPrzyimkuW) {
    EXPECT_EQ(WMiesiacu(1), "w styczniu");
    EXPECT_EQ(WMiesiacu(11), "w listopadzie");
    EXPECT_THROW(WMiesiacu(13), std::out_of_range);
}

} // namespace
