// The calculation pass against the worked examples and the edge cases of the thermal and vapour
// calculation; expected numbers are the published ones (six decimals), not recomputed here.
#include "core/Obliczenia.h"
#include "core/Przygotowanie.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace murolab;
using namespace murolab::test;

namespace {

// A table whose entry k is k squared: interpolation is visible and exact in binary.
TTablicaNasycenia TablicaKwadratow() {
    TTablicaNasycenia t{};
    for (std::size_t k = 0; k < t.size(); ++k)
        t[k] = static_cast<double>(k * k);
    return t;
}

constexpr double kSzesc = 5e-7; // the published values have six decimals

TEST(Cieplne, PrzykladTrzechWarstwZPoprawkami) {
    TModelProjektu m = Warunki(20, 55, -20, 85);
    DodajWarstwe(m, "Beton", 0.12, 0.77, 70);
    DodajWarstwe(m, "Wełna mineralna", 0.10, 0.04, 1);
    DodajWarstwe(m, "Tynk", 0.02, 0.82, 10);
    ObliczPrzegrode(m);
    const TWyniki& r = m.Wyniki;
    EXPECT_NEAR(r.R[1], 0.155844, kSzesc);
    EXPECT_NEAR(r.R[2], 2.5, kSzesc);
    EXPECT_NEAR(r.R[3], 0.024390, kSzesc);
    EXPECT_NEAR(r.SumaR, 2.680234, kSzesc);
    EXPECT_EQ(r.NarastR[0], 0);
    EXPECT_NEAR(r.NarastR[2], 0.155844 + 2.5, 2 * kSzesc);
    EXPECT_NEAR(r.NarastR[3], r.SumaR, 1e-15);
    EXPECT_NEAR(r.U0, 0.350848, kSzesc);
    const double temp[] = {20, 18.1756, 15.9885, -19.0964, -19.4386, -20};
    for (int j = 0; j < 6; ++j) {
        SCOPED_TRACE(j);
        EXPECT_NEAR(r.Temp[j], temp[j], 5e-5);
    }
    EXPECT_NEAR(r.SumaGrubosc, 0.24, 1e-15);
    EXPECT_NEAR(r.NarastGrubosc[1], 0.12, 1e-15);
    EXPECT_NEAR(r.NarastGrubosc[2], 0.22, 1e-15);

    EXPECT_EQ(Uk(m), r.U0) << "all corrections 0";
    PoprawkiPrzykladu(m.WarunkiPracy);
    EXPECT_NEAR(DeltaUg(m), 0.008700, kSzesc);
    EXPECT_NEAR(DeltaUf(m), 0.0156, 1e-12);
    EXPECT_NEAR(Uk(m), 0.425149, kSzesc);
}

TEST(Cieplne, PoprawkaNieszczelnosciTylkoDlaIstniejacejWarstwy) {
    TModelProjektu m = Warunki(20, 55, -20, 85);
    DodajWarstwe(m, "A", 0.12, 0.77, 10);
    DodajWarstwe(m, "B", 0.10, 0.04, 1);
    ObliczPrzegrode(m);
    m.WarunkiPracy.DeltaU = 0.04;
    m.WarunkiPracy.MostekWlasny = 0.1;
    for (int nr : {0, -1, 3, 15, 16}) {
        SCOPED_TRACE(nr);
        m.WarunkiPracy.NrNieszczelnosci = nr;
        EXPECT_EQ(DeltaUg(m), 0);
        EXPECT_NEAR(Uk(m), m.Wyniki.U0 + 0.1, 1e-15) << "U0 plus the other terms only";
    }
}

TEST(Cieplne, JednaWarstwa) {
    TModelProjektu m = Warunki(20, 55, -20, 85);
    DodajWarstwe(m, "Styropian", 0.1, 0.04, 60);
    ObliczPrzegrode(m);
    EXPECT_NEAR(m.Wyniki.U0, 0.374532, kSzesc) << "1 / 2.67";
}

TEST(Cieplne, SpadkiSumujaSieDoRoznicyTemperatur) {
    TModelProjektu m = Warunki(21, 50, -16, 85);
    DodajWarstwe(m, "A", 0.015, 0.82, 10);
    DodajWarstwe(m, "B", 0.24, 0.77, 10);
    DodajWarstwe(m, "C", 0.12, 0.04, 60);
    ObliczPrzegrode(m);
    double suma = 0;
    for (int j = 0; j <= m.LiczbaWarstw + 1; ++j)
        suma += m.Wyniki.Temp[j] - m.Wyniki.Temp[j + 1];
    EXPECT_NEAR(suma, 37, 1e-12);
    EXPECT_EQ(m.Wyniki.Temp[0], 21);
    EXPECT_EQ(m.Wyniki.Temp[m.LiczbaWarstw + 2], -16);
}

TEST(Dyfuzja, PrzykladJednejWarstwy) {
    TModelProjektu m = Warunki(20, 55, -5, 85);
    ASSERT_EQ(m.TablicaNasycenia[20 + 24], 23.37);
    ASSERT_EQ(m.TablicaNasycenia[-5 + 24], 4.01);
    DodajWarstwe(m, "Mur", 0.24, 0.77, 10);
    ObliczPrzegrode(m);
    const TWyniki& r = m.Wyniki;
    EXPECT_NEAR(r.CisCzastWewn, 1285.35, 1e-9);
    EXPECT_NEAR(r.CisCzastZewn, 340.85, 1e-9);
    EXPECT_NEAR(r.P, 944.5, 1e-9);
    EXPECT_NEAR(r.Delta[1], 3600000, 1e-6);
    EXPECT_NEAR(r.SumaDelta, 3600000, 1e-6);
    EXPECT_NEAR(r.I, 0.262361, kSzesc);
    // The straight line of partial pressure ends at the outdoor value in the outer surface.
    EXPECT_EQ(r.CisCzast[0], r.CisCzastWewn);
    EXPECT_NEAR(r.CisCzast[1], r.CisCzastZewn, 1e-9);
    EXPECT_NEAR(r.CisNasy[0], 2337, 1e-9);
    EXPECT_NEAR(r.CisNasy[3], 401, 1e-9);
}

TEST(Dyfuzja, CisnienieCzastkoweLiniowoPoOporzeDyfuzyjnym) {
    TModelProjektu m = Warunki(20, 60, -10, 80);
    DodajWarstwe(m, "A", 0.1, 0.5, 10); // Delta 1 500 000
    DodajWarstwe(m, "B", 0.1, 0.5, 30); // Delta 4 500 000
    ObliczPrzegrode(m);
    const TWyniki& r = m.Wyniki;
    EXPECT_NEAR(r.NarastDelta[1], 1500000, 1e-6);
    EXPECT_NEAR(r.NarastDelta[2], 6000000, 1e-6);
    EXPECT_NEAR(r.CisCzast[1], r.CisCzastZewn + r.P * 0.75, 1e-9);
}

TEST(Dyfuzja, RowneWarunkiPoObuStronach) {
    TModelProjektu m = Warunki(15, 70, 15, 70);
    DodajWarstwe(m, "A", 0.2, 0.5, 10);
    DodajWarstwe(m, "B", 0.05, 0.04, 60);
    ObliczPrzegrode(m);
    const TWyniki& r = m.Wyniki;
    EXPECT_EQ(r.P, 0);
    EXPECT_EQ(r.I, 0);
    for (int i = 0; i <= 2; ++i)
        EXPECT_EQ(r.CisCzast[i], r.CisCzastWewn) << i;
    for (int j = 0; j <= 4; ++j)
        EXPECT_EQ(r.Temp[j], 15) << j;
}

TEST(Dyfuzja, PunktRosyPowietrza20i55) {
    TModelProjektu m = Warunki(20, 55, -20, 85);
    DodajWarstwe(m, "A", 0.3, 0.8, 10);
    ObliczPrzegrode(m);
    // The dew point of air at 20 degC and 55 % is 10.7 degC (Magnus formula: 10.69).
    EXPECT_NEAR(m.Wyniki.Ts, 10.7, 1e-9);
    EXPECT_LE(CisnienieNasycenia(m.TablicaNasycenia, m.Wyniki.Ts - 0.1) * 100, m.Wyniki.CisCzastWewn);
    EXPECT_GT(CisnienieNasycenia(m.TablicaNasycenia, m.Wyniki.Ts) * 100, m.Wyniki.CisCzastWewn);
}

TEST(Dyfuzja, PunktRosyNigdyPonizejZeraINigdyPonad30) {
    const TTablicaNasycenia zPliku = TablicaUla();
    const TTablicaNasycenia pusta{};
    struct {
        const char* Nazwa;
        const TTablicaNasycenia& Tablica;
        double Cisnienie;
        double Oczekiwany;
    } const przypadki[] = {
        {"suche powietrze", zPliku, 23.37, 0},
        {"dokladnie cisnienie przy 0 stopni", zPliku, zPliku[24] * 100, 0.1},
        {"pusta tablica", pusta, 0, 30},
        {"pusta tablica i para", pusta, 1000, 30},
        {"wilgotnosc ponad 100 procent", zPliku, 23.37 * 200, 30},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        EXPECT_NEAR(PunktRosy(p.Tablica, p.Cisnienie), p.Oczekiwany, 1e-9);
    }
}

TEST(Dyfuzja, ObliczenieZPustaTablicaSieKonczy) {
    TModelProjektu m = Warunki(20, 55, -20, 85);
    m.TablicaNasycenia = {};
    DodajWarstwe(m, "A", 0.3, 0.8, 10);
    ObliczPrzegrode(m);
    EXPECT_EQ(m.Wyniki.Ts, 30);
    EXPECT_EQ(m.Wyniki.CisCzastWewn, 0);
}

TEST(CisnienieNasycenia, InterpolacjaMiedzyPelnymiStopniami) {
    const TTablicaNasycenia t = TablicaKwadratow();
    struct {
        const char* Nazwa;
        double Temp;
        double Oczekiwane;
    } const przypadki[] = {
        {"-3,4 miedzy -4 i -3 z f = 0,6", -3.4, 400 + 0.6 * (441 - 400)},
        {"pelny stopien 12", 12, 36 * 36},
        {"-24 pierwszy wpis", -24, 0},
        {"30 ostatni wpis", 30, 54 * 54},
        {"29,5", 29.5, 53 * 53 + 0.5 * (54 * 54 - 53 * 53)},
        {"ponizej tablicy", -30, 0},
        {"powyzej tablicy", 35, 54 * 54},
        {"znacznik 50", 50, 54 * 54},
        {"-0,5", -0.5, 23 * 23 + 0.5 * (24 * 24 - 23 * 23)},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        EXPECT_NEAR(CisnienieNasycenia(t, p.Temp), p.Oczekiwane, 1e-9);
    }
    EXPECT_EQ(CisnienieNasycenia(TablicaUla(), 12), TablicaUla()[36]);
}

TEST(Obliczenie, CzysciWynikiPoprzedniegoObliczenia) {
    TModelProjektu m = Warunki(20, 55, -20, 85);
    DodajWarstwe(m, "A", 0.1, 0.5, 10);
    DodajWarstwe(m, "B", 0.1, 0.04, 60);
    DodajWarstwe(m, "C", 0.02, 0.8, 10);
    ObliczPrzegrode(m);
    m.LiczbaWarstw = 1;
    ObliczPrzegrode(m);
    const TWyniki& r = m.Wyniki;
    EXPECT_EQ(r.R[2], 0);
    EXPECT_EQ(r.R[3], 0);
    EXPECT_EQ(r.Delta[2], 0);
    EXPECT_EQ(r.NarastR[2], 0);
    EXPECT_EQ(r.CisCzast[2], 0);
    EXPECT_EQ(r.Temp[4], 0);
    EXPECT_EQ(r.CisNasy[4], 0);
    EXPECT_NEAR(r.SumaR, 0.2, 1e-15);
}

TEST(Obliczenie, TemperaturyPozaTablicaBiorąJejKonce) {
    TModelProjektu m = Warunki(40, 50, -35, 80);
    DodajWarstwe(m, "A", 0.2, 0.5, 10);
    ObliczPrzegrode(m);
    EXPECT_NEAR(m.Wyniki.CisCzastWewn, m.TablicaNasycenia[54] * 50, 1e-9);
    EXPECT_NEAR(m.Wyniki.CisCzastZewn, m.TablicaNasycenia[0] * 80, 1e-9);
    EXPECT_NEAR(m.Wyniki.CisNasy[3], m.TablicaNasycenia[0] * 100, 1e-9);
}

TEST(Obliczenie, LiczbaWarstwPozaZakresemNicNieZmienia) {
    TModelProjektu m = Warunki(20, 55, -20, 85);
    m.Wyniki.U0 = 7;
    for (int n : {-1, 16}) {
        m.LiczbaWarstw = n;
        EXPECT_THROW(ObliczPrzegrode(m), std::out_of_range);
        EXPECT_EQ(m.Wyniki.U0, 7);
    }
}

TEST(Obliczenie, PietnascieWarstwMiesciSieWTablicach) {
    TModelProjektu m = Warunki(20, 55, -20, 85);
    for (int k = 0; k < kLiczbaSlotow; ++k)
        DodajWarstwe(m, "W", 0.01, 0.5, 5);
    ObliczPrzegrode(m);
    EXPECT_EQ(m.Wyniki.Temp[17], -20);
    EXPECT_GT(m.Wyniki.CisNasy[17], 0);
    EXPECT_NEAR(m.Wyniki.CisCzast[15], m.Wyniki.CisCzastZewn, 1e-9);
}

// ---- The surface-condensation verdict ----------------------------------------------------------

const char* kKonsultacja =
    "(temp. wewn.< temp. zewn.) Wskazana konsultacja ze specjalistą z zakresu fizyki budowli.";
const char* kKondensacja =
    "UWAGA -Dla zadanych warunków brzegowych występuje kondensacja pary wodnej na wewnętrznej powierzchni.";
const char* kBrak =
    "Dla zadanych warunków brzegowych kondensacja pary        wodnej  na wewnętrznej powierzchni "
    "nie występuje.";

TEST(Werdykt, TrzyWerdyktyZKryterium) {
    struct {
        const char* Nazwa;
        int Ti, Te;
        double Ts, TempPowierzchni;
        const char* Tekst;
        bool Czerwony, Kryterium;
    } const przypadki[] = {
        {"ti rowne te", 20, 20, 5, 10, kKonsultacja, true, false},
        {"ti ponizej te", 19, 20, 5, 10, kKonsultacja, true, false},
        {"ts+1 rowne powierzchni", 20, -20, 9, 10, kKondensacja, true, true},
        {"ts+1 ponad powierzchnia", 20, -20, 9.5, 10, kKondensacja, true, true},
        {"powierzchnia cieplejsza", 20, -20, 8.9, 10, kBrak, false, false},
        {"suche powietrze i powierzchnia 1 stopien", 20, -20, 0, 1, kKondensacja, true, true},
        {"suche powietrze i powierzchnia ponad 1 stopien", 20, -20, 0, 1.0001, kBrak, false, false},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        // The model's own temperatures are 0 and 0 (a consultation if they were read): the rows
        // with other verdicts show that the sheet's ti and te decide.
        TModelProjektu m;
        m.Wyniki.Ts = p.Ts;
        m.Wyniki.Temp[1] = p.TempPowierzchni;
        const TWerdykt w = WerdyktKondensacji(p.Ti, p.Te, m);
        EXPECT_EQ(w.Tekst, p.Tekst);
        EXPECT_EQ(w.Czerwony, p.Czerwony);
        EXPECT_EQ(w.PokazKryterium(), p.Kryterium);
    }
}

} // namespace
