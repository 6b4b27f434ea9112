// The points, boundary lines and axis ranges of both charts. Positions and ranges are written from
// the geometry (air points 2 % and 5 % of the thickness outside the surfaces, axes 3 degrees
// beyond the air temperatures) and from the saturation table (23,37 hPa at 20 °C, 4,01 at -5 °C).
#include "ModelTestowy.h"
#include "output/DaneWykresow.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace murolab;

namespace {

std::vector<double> Xy(const std::vector<TPunkt>& punkty) {
    std::vector<double> x;
    for (const TPunkt& p : punkty)
        x.push_back(p.X);
    return x;
}

void OczekujX(const std::vector<TPunkt>& punkty, std::initializer_list<double> oczekiwane) {
    const std::vector<double> x = Xy(punkty);
    ASSERT_EQ(x.size(), oczekiwane.size());
    auto it = oczekiwane.begin();
    for (std::size_t i = 0; i < x.size(); ++i, ++it)
        EXPECT_NEAR(x[i], *it, 1e-12) << "point " << i;
}

bool PoKolei(const std::vector<TPunkt>& punkty) {
    return std::is_sorted(punkty.begin(), punkty.end(),
                          [](const TPunkt& a, const TPunkt& b) { return a.X < b.X; });
}

} // namespace

TEST(WykresTemperatur, JednaWarstwaZima) {
    const TModelProjektu m = ModelTestowy(20, -5, {0.2});
    const TDaneWykresuTemperatur d = DaneWykresuTemperatur(m, true);
    OczekujX(d.Temperatura, {-0.01, 0, 0.2, 0.21});
    EXPECT_EQ(d.Temperatura.front().Y, 20) << "indoor air";
    EXPECT_EQ(d.Temperatura.back().Y, -5) << "outdoor air";
    EXPECT_EQ(d.OsY.Min, -8);
    EXPECT_EQ(d.OsY.Max, 23);
    ASSERT_EQ(d.LinieGranic.size(), 2u);
    for (const auto& [linia, x] : {std::pair{d.LinieGranic[0], 0.0}, std::pair{d.LinieGranic[1], 0.2}}) {
        EXPECT_NEAR(linia.Dol.X, x, 1e-12);
        EXPECT_NEAR(linia.Gora.X, x, 1e-12);
        EXPECT_EQ(linia.Dol.Y, -8);
        EXPECT_EQ(linia.Gora.Y, 23);
    }
    ASSERT_EQ(d.PunktRosy.size(), 1u);
    EXPECT_EQ(d.PunktRosy[0].X, 0) << "the dew point's mark stands at the inner surface";
    EXPECT_EQ(d.PunktRosy[0].Y, m.Wyniki.Ts);
    EXPECT_NEAR(d.OsX.Min, -0.01, 1e-12);
    EXPECT_NEAR(d.OsX.Max, 0.21, 1e-12);
}

TEST(WykresCisnien, JednaWarstwaZima) {
    const TModelProjektu m = ModelTestowy(20, -5, {0.2});
    const TDaneWykresuCisnien d = DaneWykresuCisnien(m, true);
    OczekujX(d.CisCzast, {0, 0.2});
    OczekujX(d.CisNasy, {-0.004, 0, 0.2, 0.204});
    EXPECT_NEAR(d.CisNasy.front().Y, 2337, 1e-9) << "23,37 hPa at 20 degC, in Pa";
    EXPECT_NEAR(d.CisNasy.back().Y, 401, 1e-9) << "4,01 hPa at -5 degC, in Pa";
    EXPECT_NEAR(d.Gora, 2387, 1e-9) << "indoor saturation + 50";
    ASSERT_EQ(d.LinieGranic.size(), 2u);
    EXPECT_NEAR(d.LinieGranic[1].Dol.X, 0.2, 1e-12);
    for (const TLinia& l : d.LinieGranic) {
        EXPECT_EQ(l.Dol.Y, 0);
        EXPECT_NEAR(l.Gora.Y, 2387, 1e-9);
    }
    // The automatic axes: from 0 (the foot of the lines) to their top, over every point.
    EXPECT_EQ(d.OsY.Min, 0);
    EXPECT_NEAR(d.OsY.Max, 2387, 1e-9);
    EXPECT_NEAR(d.OsX.Min, -0.004, 1e-12);
    EXPECT_NEAR(d.OsX.Max, 0.204, 1e-12);
}

// ti = te and the summer case: no dew point, the axis from the colder - 3 to the warmer + 3, the
// lines measured from the outdoor saturation pressure.
TEST(Wykresy, StronaCieplejsza) {
    struct {
        const char* Nazwa;
        int Ti, Te;
        bool Cieplej;
        double Min, Max, Gora;
    } const przypadki[] = {
        {"zima", 20, -5, true, -8, 23, 2337 + 50},
        {"rowne", 20, 20, false, 17, 23, 2337 + 50},
        {"lato", 18, 25, false, 15, 28, 3166 + 50},
        // The field says warmer inside but the model holds a summer: the axis keeps its order and
        // the lines are measured from the indoor air, as the field says (20,63 hPa at 18 degC).
        {"pole i model niezgodne", 18, 25, true, 15, 28, 2063 + 50},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        const TModelProjektu m = ModelTestowy(p.Ti, p.Te, {0.1, 0.05});
        const TDaneWykresuTemperatur t = DaneWykresuTemperatur(m, p.Cieplej);
        EXPECT_EQ(t.OsY.Min, p.Min);
        EXPECT_EQ(t.OsY.Max, p.Max);
        EXPECT_EQ(t.PunktRosy.size(), p.Cieplej ? 1u : 0u);
        for (const TLinia& l : t.LinieGranic) {
            EXPECT_EQ(l.Dol.Y, p.Min);
            EXPECT_EQ(l.Gora.Y, p.Max);
        }
        const TDaneWykresuCisnien c = DaneWykresuCisnien(m, p.Cieplej);
        EXPECT_NEAR(c.Gora, p.Gora, 0.5);
        EXPECT_NEAR(c.LinieGranic.back().Gora.Y, p.Gora, 0.5);
    }
}

TEST(Wykresy, PunktyPoKoleiIJednaLiniaNaPlaszczyzne) {
    const TModelProjektu m = ModelTestowy(20, -20, {0.015, 0.24, 0.12, 0.005});
    const TDaneWykresuTemperatur t = DaneWykresuTemperatur(m, true);
    const TDaneWykresuCisnien c = DaneWykresuCisnien(m, true);
    EXPECT_TRUE(PoKolei(t.Temperatura));
    EXPECT_TRUE(PoKolei(c.CisNasy));
    EXPECT_TRUE(PoKolei(c.CisCzast));
    EXPECT_EQ(t.Temperatura.size(), 7u);
    EXPECT_EQ(c.CisNasy.size(), 7u);
    EXPECT_EQ(c.CisCzast.size(), 5u);
    OczekujX(c.CisCzast, {0, 0.015, 0.255, 0.375, 0.38});
    ASSERT_EQ(t.LinieGranic.size(), 5u);
    EXPECT_NEAR(t.LinieGranic.back().Dol.X, 0.38, 1e-12) << "the outer surface";
}

// A loaded project may hold up to 15 layers: one line per joint, never an index past the end;
// a damaged count is held to the model's 15 slots.
TEST(Wykresy, PietnascieWarstw) {
    TModelProjektu m = ModelTestowy(
        20, -5, {0.01, 0.01, 0.01, 0.01, 0.01, 0.01, 0.01, 0.01, 0.01, 0.01, 0.01, 0.01, 0.01, 0.01, 0.01});
    ASSERT_EQ(m.LiczbaWarstw, 15);
    TDaneWykresuTemperatur t = DaneWykresuTemperatur(m, true);
    EXPECT_EQ(t.LinieGranic.size(), 16u);
    EXPECT_EQ(t.Temperatura.size(), 18u);
    EXPECT_NEAR(t.Temperatura.back().X, 0.15 * 1.05, 1e-12);
    EXPECT_EQ(DaneWykresuCisnien(m, true).LinieGranic.size(), 16u);

    m.LiczbaWarstw = 40;
    EXPECT_NO_THROW(t = DaneWykresuTemperatur(m, true));
    EXPECT_EQ(t.LinieGranic.size(), 16u);
    m.LiczbaWarstw = -3;
    EXPECT_NO_THROW(DaneWykresuCisnien(m, true));
}

TEST(Wykresy, LiczbaSeriiLiniiGranic) {
    EXPECT_EQ(LiczbaLiniiGranic(0), 11);
    EXPECT_EQ(LiczbaLiniiGranic(1), 11);
    EXPECT_EQ(LiczbaLiniiGranic(10), 11);
    EXPECT_EQ(LiczbaLiniiGranic(11), 12);
    EXPECT_EQ(LiczbaLiniiGranic(15), 16);
    EXPECT_EQ(LiczbaLiniiGranic(99), 16);
}

// Before any calculation the results are zero: the charts are drawn from them without a crash and
// with usable (non-empty) axes.
TEST(Wykresy, WynikiZerowe) {
    TModelProjektu m;
    const TDaneWykresuCisnien c = DaneWykresuCisnien(m, false);
    EXPECT_LT(c.OsX.Min, c.OsX.Max);
    EXPECT_EQ(c.OsY.Min, 0);
    EXPECT_EQ(c.OsY.Max, 50);
    const TDaneWykresuTemperatur t = DaneWykresuTemperatur(m, false);
    EXPECT_LT(t.OsX.Min, t.OsX.Max);
    EXPECT_EQ(t.OsY.Min, -3);
    EXPECT_EQ(t.OsY.Max, 3);
}

TEST(Podzialka, KrokIMiejsca) {
    struct {
        double Rozpietosc;
        int Podzialek;
        double Krok;
        int Miejsc;
    } const przypadki[] = {
        {0.418, 10, 0.05, 2},  {2387, 7, 500, 0},    {31, 7, 5, 0},       {6, 7, 1, 0},
        {0.021, 10, 0.005, 3}, {0.02, 10, 0.002, 3}, {0.22, 10, 0.05, 2}, {100, 10, 10, 0},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Rozpietosc);
        EXPECT_DOUBLE_EQ(KrokPodzialki(p.Rozpietosc, p.Podzialek), p.Krok);
        EXPECT_EQ(MiejscPoPrzecinku(p.Krok), p.Miejsc);
    }
    EXPECT_EQ(KrokPodzialki(0, 10), 1) << "an empty span still gets a step";
}

TEST(Znaczniki, WzorzecWartosci) {
    // The dew point is found by adding 0.1 again and again: 107 steps do not give 10.7 exactly.
    double ts = 0;
    for (int i = 0; i < 107; ++i)
        ts += 0.1;
    ASSERT_NE(ts, 10.7);
    struct {
        double Wartosc;
        int Miejsc;
        const char* Tekst;
    } const przypadki[] = {
        {20, 1, "20"},   {18.46, 1, "18,5"}, {-19.54, 1, "-19,5"}, {-0.04, 1, "0"},      {9.999, 1, "10"},
        {ts, 1, "10,7"}, {ts, 2, "10,7"},    {10.75, 2, "10,75"},  {2337.04, 1, "2337"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Tekst);
        EXPECT_EQ(WartoscZnacznika(p.Wartosc, p.Miejsc), p.Tekst);
    }
    EXPECT_EQ(OpisPunktuRosy(ts, 1), "10,7°C-pkt rosy");
    EXPECT_EQ(OpisPunktuRosy(9, 2), "9°C-pkt rosy");
}
