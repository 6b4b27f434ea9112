// The texts of the sheet "Kondensacja i WT 2021", of the lines under the verdict and of the report's
// third page, from analyses written by hand (so that each number's unit and notation is checked:
// kg/(m²·s) shown as g/(m²·h), kg/m² as g/m²), and the condensation line of the diffusion chart.
#include "ModelTestowy.h"
#include "core/Klimat.h"
#include "output/DaneWykresow.h"
#include "output/TekstyKondensacji.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <variant>

using namespace murolab;

namespace {

// Three layers; a plane at the joint of layers 2 and 3 at the design condition.
TAnalizaIso13788 ZPlaszczyzna() {
    TAnalizaIso13788 a;
    a.Projektowe.Plaszczyzny = {{2, -12.34, 1e-7}}; // 1e-7 kg/(m²·s) = 0,36 g/(m²·h)
    a.FRsi.Przegrody = 0.9;
    a.WT = {"sciana_zewnetrzna", "Ściany zewnętrzne", 0.20, 0.18, true, true, std::nullopt, std::nullopt, {}};
    return a;
}

// A year in which February holds the most, 250 g/m² at the joint 2/3, and that dries out.
TAnalizaIso13788 ZRokiem(TWerdyktRoczny werdykt, double maKoniec) {
    TAnalizaIso13788 a = ZPlaszczyzna();
    a.Klimat = "Opole";
    a.Stacja = "Opole (stacja WMO 12530)";
    TRokKondensacji r;
    r.MiesiacStartu = 11;
    r.Werdykt = werdykt;
    r.MaMax = 0.25;
    r.MaMaxMiesiac = 2;
    r.MaMaxStyk = 2;
    r.MaKoniec = maKoniec;
    for (int m = 1; m <= 12; ++m) {
        TMiesiacRoku& mr = r.Miesiace[static_cast<std::size_t>(m - 1)];
        mr.Miesiac = m;
        mr.TempZewn = m == 1 ? -1.25 : 5;
        mr.WilgotZewn = 80;
        mr.CisZewn = 450.4;
        mr.CisWewn = 1285;
        if (m == 1)
            mr.FRsiMin = 0.61;
        if (m <= 3)
            mr.Plaszczyzny = {{2, 0, m == 2 ? 0.1 : -0.05, m == 2 ? 0.25 : 0.1}};
    }
    a.Rok = r;
    a.FRsi.MiesiacKrytyczny = 1;
    a.FRsi.FRsiMax = 0.61;
    a.WT.SpelniaKondensacja = werdykt != TWerdyktRoczny::Narasta;
    a.WT.Spelnia = *a.WT.SpelniaKondensacja;
    return a;
}

std::vector<std::string> Pelne(const std::vector<TLiniaWyniku>& linie) {
    std::vector<std::string> w;
    for (const TLiniaWyniku& l : linie)
        w.push_back(l.Pelna());
    return w;
}

} // namespace

TEST(TekstyKondensacji, OpisStyku) {
    const struct {
        int Styk;
        const char* Oczekiwany;
    } przypadki[] = {{0, "powierzchnia wewnętrzna"},
                     {1, "styk warstw 1 i 2"},
                     {2, "styk warstw 2 i 3"},
                     {3, "powierzchnia zewnętrzna"}};
    for (const auto& p : przypadki)
        EXPECT_EQ(OpisStyku(p.Styk, 3), p.Oczekiwany) << p.Styk;
}

TEST(TekstyKondensacji, PlaszczyznaWarunkowObliczeniowychWGramachNaGodzine) {
    const TTekstyKondensacji t = TekstyKondensacji(ZPlaszczyzna(), 3);
    ASSERT_EQ(t.Projektowe.size(), 1u);
    EXPECT_EQ(t.Projektowe[0].Tekst,
              "Kondensacja wewnątrz przegrody: styk warstw 2 i 3, θ = -12,3 °C, g = 0,360 g/(m²·h)");
    EXPECT_TRUE(t.Projektowe[0].Czerwony);
    // Without a climate: no table, no chart, the year asked for, WT judged on U and fRsi only.
    EXPECT_TRUE(t.Miesiace.empty());
    EXPECT_TRUE(t.MaMiesiecy.empty());
    // What the paper says: no climate was chosen (the sheet adds its own hint where to choose one).
    EXPECT_EQ(t.Rok.back().Tekst, "Bilans roczny (12 miesięcy) nie został obliczony: nie wybrano klimatu.");
    const auto wt = Pelne(t.WT);
    EXPECT_EQ(wt[1], "Uk = 0,180 W/(m²·K), Umax = 0,20 W/(m²·K): spełnia");
    EXPECT_EQ(wt.back(), "Wymagania WT 2021: nie oceniono w całości – U i fRsi spełniają, rok nie został "
                         "sprawdzony (nie wybrano klimatu)");
    EXPECT_FALSE(t.WT.back().Czerwony);
    EXPECT_EQ(Pelne(t.FRsi),
              std::vector<std::string>{"fRsi przegrody = 0,900; wymagane 0,72 (WT 2021): spełnia"});
}

// Without a climate a part that fails makes the whole "nie spełnia" in red, and the parts are named.
TEST(TekstyKondensacji, BezKlimatuCzescNieSpelniaToCaloscNieSpelnia) {
    struct TPrzypadek {
        const char* Nazwa;
        bool SpelniaU;
        double FRsi;
        const char* Niespelnione;
    };
    const TPrzypadek przypadki[] = {
        {"U", false, 0.9, "  Niespełnione: Uk ≤ Umax; rok nie został sprawdzony (nie wybrano klimatu)."},
        {"fRsi", true, 0.6, "  Niespełnione: fRsi ≥ 0,72; rok nie został sprawdzony (nie wybrano klimatu)."},
        {"U i fRsi", false, 0.6,
         "  Niespełnione: Uk ≤ Umax i fRsi ≥ 0,72; rok nie został sprawdzony (nie wybrano klimatu)."},
    };
    for (const TPrzypadek& p : przypadki) {
        TAnalizaIso13788 a = ZPlaszczyzna();
        a.WT.SpelniaU = p.SpelniaU;
        a.WT.Uk = p.SpelniaU ? 0.18 : 0.22;
        a.FRsi.Przegrody = p.FRsi;
        a.WT.SpelniafRsi = p.FRsi >= 0.72;
        a.WT.Spelnia = false;
        const TTekstyKondensacji t = TekstyKondensacji(a, 3);
        ASSERT_GE(t.WT.size(), 2u) << p.Nazwa;
        const TLiniaWyniku& calosc = t.WT[t.WT.size() - 2];
        EXPECT_EQ(calosc.Pelna(), "Wymagania WT 2021: nie spełnia") << p.Nazwa;
        EXPECT_TRUE(calosc.CzerwonaOcena() && calosc.Pogrubiony) << p.Nazwa;
        EXPECT_EQ(t.WT.back().Tekst, p.Niespelnione) << p.Nazwa;
        EXPECT_TRUE(t.WT.back().Czerwony) << p.Nazwa;
    }
}

TEST(TekstyKondensacji, BezPlaszczyznyStrumienPrzezPrzegrode) {
    TAnalizaIso13788 a = ZPlaszczyzna();
    a.Projektowe.Plaszczyzny.clear();
    a.Projektowe.Strumien = 2.5e-8;
    const TTekstyKondensacji t = TekstyKondensacji(a, 3);
    ASSERT_EQ(t.Projektowe.size(), 1u);
    EXPECT_FALSE(t.Projektowe[0].Czerwony);
    EXPECT_EQ(
        t.Projektowe[0].Tekst,
        "Brak kondensacji wewnątrz przegrody w warunkach obliczeniowych; strumień pary g = 0,090 g/(m²·h)");
    EXPECT_TRUE(LiniePodWerdyktem(a, 3).empty());
}

TEST(TekstyKondensacji, TabelaMiesiecyIMaMax) {
    const TTekstyKondensacji t = TekstyKondensacji(ZRokiem(TWerdyktRoczny::Wysycha, 0), 3);
    const std::vector<std::string> naglowek{"Miesiąc", "θe [°C]",  "φe [%]",         "pe [Pa]",
                                            "pi [Pa]", "fRsi,min", "g·t 2/3 [g/m²]", "Ma 2/3 [g/m²]"};
    EXPECT_EQ(t.NaglowekMiesiecy, naglowek);
    ASSERT_EQ(t.Miesiace.size(), 12u);
    EXPECT_EQ(t.Miesiace[0], (std::vector<std::string>{"styczeń", "-1,3", "80,0", "450", "1285", "0,610",
                                                       "-50,0", "100,0"}));
    EXPECT_EQ(t.Miesiace[1][6], "100,0");
    EXPECT_EQ(t.Miesiace[1][7], "250,0");
    // A month in which the plane is dry and none forms, and one without a meaningful fRsi,min
    // (too warm outdoors): dashes, not zeros or numbers like -1,396.
    EXPECT_EQ(t.Miesiace[6][6], "–");
    EXPECT_EQ(t.Miesiace[6][5], "–");
    EXPECT_EQ(t.MiesiacPogrubiony, 1);
    ASSERT_EQ(t.MaMiesiecy.size(), 12u);
    EXPECT_DOUBLE_EQ(t.MaMiesiecy[1], 250.0);
    EXPECT_DOUBLE_EQ(t.MaMiesiecy[6], 0.0);

    const auto rok = Pelne(t.Rok);
    const std::vector<std::string> oczekiwane{
        "Klimat: Opole; wnętrze: " + OpisWnetrza({}), "Miesiąc początkowy: listopad",
        "Ma,max = 250,0 g/m² na koniec lutego (styk warstw 2 i 3)", "Ma na koniec roku = 0,0 g/m²",
        "Ocena roczna: kondensacja wysycha w ciągu roku"};
    EXPECT_EQ(rok, oczekiwane);
    EXPECT_FALSE(t.Rok.back().Czerwony);
}

TEST(TekstyKondensacji, KazdaCzescWTSpelniaLubNieZPrzyczyna) {
    struct TPrzypadek {
        const char* Nazwa;
        bool SpelniaU;
        double FRsi;
        TWerdyktRoczny Werdykt;
        std::vector<std::string> Czerwone; // the red lines, in order
    };
    const TPrzypadek przypadki[] = {
        {"wszystko spełnia", true, 0.9, TWerdyktRoczny::Wysycha, {}},
        {"U za duże",
         false,
         0.9,
         TWerdyktRoczny::Wysycha,
         {"Uk = 0,220 W/(m²·K), Umax = 0,20 W/(m²·K): nie spełnia",
          "  Uk przekracza Umax o 0,020 W/(m²·K): przegroda wymaga lepszej izolacji.",
          "Wymagania WT 2021: nie spełnia", "  Niespełnione: Uk ≤ Umax."}},
        {"fRsi poniżej 0,72",
         true,
         0.7,
         TWerdyktRoczny::Wysycha,
         {"Temperatura powierzchni wewnętrznej (fRsi ≥ 0,72): nie spełnia",
          "  fRsi przegrody jest mniejszy niż 0,72: ryzyko pleśni na powierzchni.",
          "Wymagania WT 2021: nie spełnia", "  Niespełnione: fRsi ≥ 0,72."}},
        {"narasta z roku na rok",
         true,
         0.9,
         TWerdyktRoczny::Narasta,
         {"Kondensacja międzywarstwowa w ciągu roku: nie spełnia",
          "  Zawilgocenie narasta z roku na rok (Ma na koniec roku = 40,0 g/m²).",
          "Wymagania WT 2021: nie spełnia", "  Niespełnione: brak narastania kondensacji w ciągu roku."}},
    };
    for (const TPrzypadek& p : przypadki) {
        TAnalizaIso13788 a = ZRokiem(p.Werdykt, p.Werdykt == TWerdyktRoczny::Narasta ? 0.04 : 0);
        a.WT.SpelniaU = p.SpelniaU;
        a.WT.Uk = p.SpelniaU ? 0.18 : 0.22;
        a.FRsi.Przegrody = p.FRsi;
        a.WT.SpelniafRsi = p.FRsi >= 0.72;
        a.WT.Spelnia = p.SpelniaU && a.WT.SpelniafRsi && *a.WT.SpelniaKondensacja;
        const TTekstyKondensacji t = TekstyKondensacji(a, 3);
        std::vector<std::string> czerwone;
        for (const TLiniaWyniku& l : t.WT)
            if (l.Czerwony || l.CzerwonaOcena())
                czerwone.push_back(l.Pelna());
        EXPECT_EQ(czerwone, p.Czerwone) << p.Nazwa;
        EXPECT_EQ(Pelne(t.WT).back(), p.Czerwone.empty() ? "Wymagania WT 2021: spełnia" : p.Czerwone.back())
            << p.Nazwa;
        // The surface factor against max(0,72; the critical month's 0,61), both numbers shown.
        EXPECT_EQ(
            Pelne(t.FRsi),
            std::vector<std::string>{"fRsi przegrody = " + std::string(p.FRsi >= 0.72 ? "0,900" : "0,700") +
                                     "; wymagane max(0,72; fRsi,max = 0,610 w styczniu) = 0,72: " +
                                     (p.FRsi >= 0.72 ? "spełnia" : "nie spełnia")})
            << p.Nazwa;
    }
}

// A humid room: the critical month asks more than 0,72, and the texts say so beside the 0,72.
TEST(TekstyKondensacji, FRsiWilgotnegoWnetrzaPowyzej072) {
    TAnalizaIso13788 a = ZRokiem(TWerdyktRoczny::Wysycha, 0);
    a.FRsi.Przegrody = 0.75;
    a.FRsi.FRsiMax = 0.79;
    a.FRsi.MiesiacKrytyczny = 12;
    a.WT.SpelniafRsi = false;
    a.WT.Spelnia = false;
    const TTekstyKondensacji t = TekstyKondensacji(a, 3);
    EXPECT_EQ(
        Pelne(t.FRsi),
        (std::vector<std::string>{
            "fRsi przegrody = 0,750; wymagane max(0,72; fRsi,max = 0,790 w grudniu) = 0,790: nie spełnia",
            "Wilgotność wnętrza w grudniu wymaga więcej niż 0,72 z WT 2021."}));
    const auto wt = Pelne(t.WT);
    EXPECT_NE(
        std::find(wt.begin(), wt.end(), "Temperatura powierzchni wewnętrznej (fRsi ≥ 0,790): nie spełnia"),
        wt.end());
    EXPECT_NE(std::find(wt.begin(), wt.end(),
                        "  fRsi przegrody jest mniejszy niż fRsi,max miesiąca krytycznego (w grudniu)."),
              wt.end());
    EXPECT_EQ(wt.back(), "  Niespełnione: fRsi ≥ 0,790.");
}

// Ma,max is the total over the planes: with two it says so and names the plane holding the most.
TEST(TekstyKondensacji, MaMaxSumaPlaszczyzn) {
    TRokKondensacji r = ZRokiem(TWerdyktRoczny::Wysycha, 0).Rok.value();
    r.MaMaxMiesiac = 3;
    r.MaMax = 4.0295;
    r.MaMaxStyk = 2;
    r.Miesiace[2].Plaszczyzny = {{2, 0, 0, 3.9088}, {4, 0, 0, 0.1207}};
    EXPECT_EQ(TekstMaMax(r, 5), "Ma,max = 4029,5 g/m² na koniec marca (suma w 2 płaszczyznach; najwięcej: "
                                "styk warstw 2 i 3, 3908,8 g/m²)");
    // A second plane that is dry in that month does not count.
    r.Miesiace[2].Plaszczyzny[1].Ma = 0;
    r.MaMax = 3.9088;
    EXPECT_EQ(TekstMaMax(r, 5), "Ma,max = 3908,8 g/m² na koniec marca (styk warstw 2 i 3)");
    r.MaMax = 0;
    EXPECT_EQ(TekstMaMax(r, 5), "");
}

// The markup of the sheet and the report: colours, bold, escaping, and no line break inside a number.
TEST(TekstyKondensacji, HtmlLinii) {
    TLiniaWyniku czerwona{"Kondensacja: g = 0,037 g/(m²·h) <a&b>", std::nullopt, true, false};
    TLiniaWyniku ocena{"Uk = 0,180 W/(m²·K)", false, false, true};
    TLiniaWyniku zwykla{"Przesunięcie fazowe Δt = 8,2 h, styk warstw 2 i 3", std::nullopt, false, false};
    EXPECT_EQ(
        HtmlLinii({czerwona, ocena, zwykla}),
        "<span style=\"color:#ff0000\">Kondensacja: g&nbsp;=&nbsp;0,037&nbsp;g/(m²·h) &lt;a&amp;b&gt;</span>"
        "<br><b>Uk&nbsp;=&nbsp;0,180&nbsp;W/(m²·K): <span style=\"color:#ff0000\">nie spełnia</span></b>"
        "<br>Przesunięcie fazowe Δt&nbsp;=&nbsp;8,2&nbsp;h, styk warstw 2 i 3");
    EXPECT_EQ(HtmlLinii({}), "");
}

TEST(TekstyKondensacji, LiniePodWerdyktemWynikow) {
    EXPECT_EQ(
        Pelne(LiniePodWerdyktem(ZRokiem(TWerdyktRoczny::Narasta, 0.04), 3)),
        (std::vector<std::string>{"Kondensacja wewnątrz przegrody: styk warstw 2 i 3, g = 0,360 g/(m²·h)",
                                  "W ciągu roku (Opole): kondensacja narasta z roku na rok"}));
    for (const TLiniaWyniku& l : LiniePodWerdyktem(ZRokiem(TWerdyktRoczny::Narasta, 0.04), 3))
        EXPECT_TRUE(l.Czerwony);
    EXPECT_FALSE(LiniePodWerdyktem(ZRokiem(TWerdyktRoczny::Wysycha, 0), 3).back().Czerwony);
}

TEST(TekstyKondensacji, KlimatZapisanyCzytaSieZPowrotem) {
    TKlimat k;
    k.Nazwa = "Mój dom";
    for (int i = 0; i < kLiczbaMiesiecy; ++i)
        k.Miesiace[static_cast<std::size_t>(i)] = {-12.5 + 2 * i, 60.25 + i};
    const auto wynik = CzytajKlimat(TekstKlimatu(k), "test.csv");
    ASSERT_TRUE(std::holds_alternative<TKlimat>(wynik)) << std::get<TBladWyniku>(wynik).Komunikat;
    const TKlimat& odczytany = std::get<TKlimat>(wynik);
    EXPECT_EQ(odczytany.Nazwa, "Mój dom");
    for (int i = 0; i < kLiczbaMiesiecy; ++i) {
        EXPECT_DOUBLE_EQ(odczytany.Miesiace[static_cast<std::size_t>(i)].Temp, -12.5 + 2 * i);
        EXPECT_DOUBLE_EQ(odczytany.Miesiace[static_cast<std::size_t>(i)].Wilgot, 60.25 + i);
    }
    const TWierszeKlimatu w = WierszeKlimatu(k);
    EXPECT_EQ(w.Temp[0], "-12,5");
    EXPECT_EQ(w.Wilgot[11], "71,3");
}

TEST(TekstyKondensacji, Lato) {
    TLato l;
    l.U = 0.25;
    l.Y12 = 0.0375;
    l.Tlumienie = 0.15;
    l.Opoznienie = 8.24;
    l.Kappa1 = 60;
    l.Kappa2 = 30;
    l.Y11 = 4.2;
    const auto linie = Pelne(TekstyLata(l, {}));
    EXPECT_EQ(linie.back(), "Tłumienie 6,7-krotne, opóźnienie 8,2 h");
    EXPECT_EQ(linie[0], "Okresowy współczynnik przenikania |Y12| = 0,038 W/(m²·K)");
    // A figure that overflowed is never shown as a number.
    l.Tlumienie = std::nan("");
    const auto nieskonczone = TekstyLata(l, {});
    ASSERT_EQ(nieskonczone.size(), 1u);
    EXPECT_TRUE(nieskonczone[0].Czerwony);
    EXPECT_EQ(nieskonczone[0].Tekst, "Parametry letnie nie dały skończonego wyniku (f): gęstość lub ciepło "
                                     "właściwe warstw wykraczają poza zakres, w którym obliczenie ma sens.");
    EXPECT_EQ(
        Pelne(TekstyLata(std::nullopt, {2, 3})),
        (std::vector<std::string>{
            "Brak gęstości lub ciepła właściwego warstw: 2, 3 – parametry letnie nie zostały obliczone."}));
}

TEST(LiniaKondensacji, PrzezStykiWichMiejscach) {
    const TModelProjektu m = ModelTestowy(20, -20, {0.015, 0.25, 0.12, 0.005});
    TStanDyfuzji s;
    s.CisCzast = {1285, 1100, 600, 300, 250};
    EXPECT_TRUE(DaneLiniiKondensacji(m, s).Linia.empty()) << "no plane: the chart stays as it was";
    s.Plaszczyzny = {{2, -3, 1e-8}};
    const TDaneKondensacji d = DaneLiniiKondensacji(m, s);
    ASSERT_EQ(d.Linia.size(), 5u);
    EXPECT_DOUBLE_EQ(d.Linia[0].X, 0);
    EXPECT_DOUBLE_EQ(d.Linia[2].X, 0.265);
    EXPECT_DOUBLE_EQ(d.Linia[4].X, m.Wyniki.SumaGrubosc);
    EXPECT_DOUBLE_EQ(d.Linia[3].Y, 300);
    ASSERT_EQ(d.Plaszczyzny.size(), 1u);
    EXPECT_EQ(d.Plaszczyzny[0], (TPunkt{0.265, 600}));
    // A profile that does not match the layers is not drawn rather than drawn wrong.
    s.CisCzast.pop_back();
    EXPECT_TRUE(DaneLiniiKondensacji(m, s).Linia.empty());
}

// Plaster 1,5 cm, brick 25 cm, EPS (λ 0,04), render 0,5 cm; Rsi + Rse = 0,17. Umax 0,20 needs
// R ≥ 5: the fixed layers give 0,5201, so d ≥ 0,1792 m: 18 cm (17 cm gives U = 0,2096).
TEST(DoborGrubosci, NajmniejszaGruboscWPelnychCentymetrach) {
    const TModelProjektu m = ModelTestowy(20, -20, {0.015, 0.25, 0.05, 0.005});
    const auto d = DobierzGrubosc(m, 3, 0.20);
    ASSERT_TRUE(d);
    EXPECT_DOUBLE_EQ(d->Grubosc, 0.18);
    EXPECT_NEAR(d->Uk, 1 / (0.52011 + 0.18 / 0.04), 1e-4);
    EXPECT_DOUBLE_EQ(m.Warstwy[3].Grubosc, 0.05) << "the model itself is not changed";
    // A fastener correction adds to Uk as it stands, so it takes more insulation.
    TModelProjektu zLacznikami = m;
    zLacznikami.WarunkiPracy.LambdaF = 50;
    zLacznikami.WarunkiPracy.Alfa = 6;
    zLacznikami.WarunkiPracy.LiczbaF = 6;
    zLacznikami.WarunkiPracy.PoleF = 0.0000196;
    const auto dl = DobierzGrubosc(zLacznikami, 3, 0.20);
    ASSERT_TRUE(dl);
    EXPECT_GT(dl->Grubosc, 0.18);
    EXPECT_LE(dl->Uk, 0.20);

    EXPECT_FALSE(DobierzGrubosc(m, 3, 0.01)) << "no thickness up to 1 m reaches it";
    EXPECT_FALSE(DobierzGrubosc(m, 0, 0.20));
    EXPECT_FALSE(DobierzGrubosc(m, 5, 0.20));
}
