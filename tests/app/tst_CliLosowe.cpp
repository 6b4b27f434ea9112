// `murolab --oblicz x.pro --json` against an independent computation, on a few hundred generated
// valid projects. The computation and both notations are written here again from their definitions
// (the notations with integer arithmetic instead of the program's digit strings), without calling the
// core: any disagreement in a value or a single character of the sheet fails the test.
#include "Json.h"
#include "Pomoc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <random>

using namespace murolab;
using namespace murolab::test;

namespace {

// ---- Notations -----------------------------------------------------------------------------------

std::int64_t Potega10(int k) {
    std::int64_t p = 1;
    while (k-- > 0)
        p *= 10;
    return p;
}

// fixed(p, d): the 15-digit decimal mantissa as an integer, rounded half away from zero where the
// first of p significant digits or d decimals runs out, then printed with exactly d decimals.
std::string StalyNiezalezny(double x, int p, int d) {
    char bufor[40];
    std::snprintf(bufor, sizeof bufor, "%.14e", std::fabs(x)); // C locale in the tests
    std::int64_t m = 0;
    for (const char* c = bufor; *c != 'e'; ++c)
        if (*c != '.')
            m = m * 10 + (*c - '0');
    int e = std::atoi(std::strchr(bufor, 'e') + 1); // x = m * 10^(e - 14)
    if (m != 0) {
        const int zostaw = std::min(p, e + 1 + d);
        if (zostaw < 0) {
            m = 0;
        } else if (zostaw < 15) {
            const std::int64_t dzielnik = Potega10(15 - zostaw);
            std::int64_t q = m / dzielnik;
            if ((m % dzielnik) * 2 >= dzielnik)
                ++q;
            m = q * dzielnik;
            if (m >= Potega10(15)) {
                m /= 10;
                ++e;
            }
        }
    }
    if (m != 0 && e + 1 > p)
        return "(wykladnicza)"; // not produced by the generated projects
    // The value times 10^d is an integer now.
    const int przesuniecie = e - 14 + d;
    const std::int64_t s = przesuniecie >= 0 ? m * Potega10(przesuniecie) : m / Potega10(-przesuniecie);
    std::string wynik = (x < 0 && s != 0) ? "-" : "";
    wynik += std::to_string(s / Potega10(d));
    if (d > 0) {
        std::string ulamek = std::to_string(s % Potega10(d));
        wynik += "," + std::string(static_cast<std::size_t>(d) - ulamek.size(), '0') + ulamek;
    }
    return wynik;
}

// general: %.15g with the decimal comma (the generated values are all between 0.001 and 10^12).
std::string OgolnyNiezalezny(double x) {
    char bufor[40];
    std::snprintf(bufor, sizeof bufor, "%.15g", x);
    std::string s = bufor;
    if (s.find('e') != std::string::npos)
        return "(wykladnicza)";
    for (char& c : s)
        if (c == '.')
            c = ',';
    return s == "-0" ? "0" : s;
}

TEST(NotacjeNiezalezne, ZgodneZPrzykladamiDefinicji) {
    // The independent notations must first agree with the definition's examples themselves.
    EXPECT_EQ(StalyNiezalezny(0.045, 4, 4), "0,0450");
    EXPECT_EQ(StalyNiezalezny(12.3456, 4, 4), "12,3500");
    EXPECT_EQ(StalyNiezalezny(18.1756, 4, 1), "18,2");
    EXPECT_EQ(StalyNiezalezny(2339.45, 4, 1), "2339,0");
    EXPECT_EQ(StalyNiezalezny(0.425149, 4, 3), "0,425");
    EXPECT_EQ(StalyNiezalezny(-0.04, 4, 1), "0,0");
    EXPECT_EQ(OgolnyNiezalezny(0.13), "0,13");
    EXPECT_EQ(OgolnyNiezalezny(3600000), "3600000");
}

// ---- The calculation ------------------------------------------------------------------------------

struct TDane {
    int n = 0;
    std::vector<std::string> Nazwy;
    std::vector<double> d, l, mi;
    int ti = 0, te = 0, fi = 0, fe = 0;
    double Rsi = 0, Rse = 0;
    int Nr = 0, Alfa = 0, LiczbaF = 0;
    double DeltaU = 0, LambdaF = 0, PoleF = 0, DeltaUk = 0, Mostek = 0;
};

struct TOczekiwane {
    std::vector<double> R, NarastR, Temp, NarastGrubosc, Delta, NarastDelta, CisCzast, CisNasy;
    double SumaR = 0, U0 = 0, DeltaUg = 0, DeltaUf = 0, Uk = 0, SumaGrubosc = 0, SumaDelta = 0;
    double CisCzastWewn = 0, CisCzastZewn = 0, P = 0, I = 0, Ts = 0;
    std::map<std::string, std::vector<std::string>> Kolumny;
    std::string LabelUk, LabelI, LabelP, Komunikat;
};

std::vector<double> TablicaUla() {
    std::ifstream f(MUROLAB_KATALOG_DANYCH "/ula.dat", std::ios::binary);
    std::vector<double> t;
    unsigned char b[8];
    while (f.read(reinterpret_cast<char*>(b), 8)) {
        std::uint64_t u = 0;
        for (int k = 7; k >= 0; --k)
            u = (u << 8) | b[k];
        t.push_back(std::bit_cast<double>(u));
    }
    return t;
}

double Nasycenie(const std::vector<double>& t, double temp) {
    const double c = std::clamp(temp, -24.0, 30.0);
    const int m = static_cast<int>(std::floor(c));
    if (m == 30)
        return t[54];
    return t[m + 24] + (c - m) * (t[m + 25] - t[m + 24]);
}

TOczekiwane Oblicz(const TDane& x, const std::vector<double>& t) {
    TOczekiwane o;
    const int n = x.n;
    o.NarastR.push_back(0);
    for (int k = 0; k < n; ++k) {
        o.R.push_back(x.d[k] / x.l[k]);
        o.SumaR += o.R.back();
        o.NarastR.push_back(o.SumaR);
        o.SumaGrubosc += x.d[k];
        o.NarastGrubosc.push_back(o.SumaGrubosc);
        o.Delta.push_back(1500000 * x.d[k] * x.mi[k]);
        o.SumaDelta += o.Delta.back();
        o.NarastDelta.push_back(o.SumaDelta);
    }
    o.CisCzastWewn = Nasycenie(t, x.ti) * x.fi;
    o.CisCzastZewn = Nasycenie(t, x.te) * x.fe;
    o.P = o.CisCzastWewn - o.CisCzastZewn;
    o.I = o.P * 1000 / o.SumaDelta;
    o.U0 = 1 / (o.SumaR + x.Rsi + x.Rse);
    o.Temp.push_back(x.ti);
    for (int i = 0; i <= n; ++i)
        o.Temp.push_back(x.ti - (x.ti - x.te) * o.U0 * (x.Rsi + o.NarastR[static_cast<std::size_t>(i)]));
    o.Temp.push_back(x.te);
    for (double temp : o.Temp)
        o.CisNasy.push_back(Nasycenie(t, temp) * 100);
    o.CisCzast.push_back(o.CisCzastWewn);
    for (int k = 0; k < n; ++k)
        o.CisCzast.push_back(o.CisCzastZewn +
                             o.P * (o.SumaDelta - o.NarastDelta[static_cast<std::size_t>(k)]) / o.SumaDelta);
    double ts = 0;
    int kroki = 0;
    while (Nasycenie(t, ts) * 100 <= o.CisCzastWewn && kroki < 300) {
        ts += 0.1;
        ++kroki;
    }
    o.Ts = kroki == 300 ? 30 : ts;

    if (x.Nr >= 1 && x.Nr <= n) {
        const double q = o.R[static_cast<std::size_t>(x.Nr - 1)] / o.SumaR;
        o.DeltaUg = q * q * x.DeltaU;
    }
    o.DeltaUf = x.Alfa * x.LambdaF * x.LiczbaF * x.PoleF;
    o.Uk = ((o.U0 + o.DeltaUg) + o.DeltaUf) + x.DeltaUk + x.Mostek;

    // The sheet.
    auto& k = o.Kolumny;
    k["RichEditNr"].push_back("");
    k["RichEditMaterial"].push_back("      Wewnętrzna strona przegrody");
    k["RichEditLambda"].push_back("");
    k["RichEditMi"].push_back("");
    k["RichEditGrubosc"].push_back("");
    k["RichEditR"].push_back(OgolnyNiezalezny(x.Rsi));
    k["RichEditDelta"].push_back("");
    for (int i = 0; i < n; ++i) {
        const auto u = static_cast<std::size_t>(i);
        k["RichEditNr"].push_back(std::to_string(i + 1));
        k["RichEditMaterial"].push_back(x.Nazwy[u]);
        k["RichEditLambda"].push_back(StalyNiezalezny(x.l[u], 4, 4));
        k["RichEditMi"].push_back(OgolnyNiezalezny(x.mi[u]));
        k["RichEditGrubosc"].push_back(StalyNiezalezny(x.d[u], 4, 4));
        k["RichEditR"].push_back(StalyNiezalezny(o.R[u], 4, 4));
        k["RichEditDelta"].push_back(OgolnyNiezalezny(o.Delta[u]));
    }
    k["RichEditMaterial"].push_back("      Zewnętrzna strona przegrody");
    k["RichEditMaterial"].push_back("suma:");
    k["RichEditMi"].push_back("");
    k["RichEditGrubosc"].push_back("");
    k["RichEditGrubosc"].push_back(StalyNiezalezny(o.SumaGrubosc, 4, 4));
    k["RichEditR"].push_back(OgolnyNiezalezny(x.Rse));
    k["RichEditR"].push_back(StalyNiezalezny(x.Rsi + x.Rse + o.SumaR, 4, 4));
    k["RichEditDelta"].push_back("");
    k["RichEditDelta"].push_back(OgolnyNiezalezny(o.SumaDelta));
    for (std::size_t j = 0; j + 1 < o.Temp.size(); ++j)
        k["RichEditSpadek"].push_back(StalyNiezalezny(o.Temp[j] - o.Temp[j + 1], 4, 1));
    for (std::size_t j = 0; j < o.Temp.size(); ++j) {
        k["RichEditTemp"].push_back(StalyNiezalezny(o.Temp[j], 4, 1));
        k["RichEditCisNasy"].push_back(StalyNiezalezny(o.CisNasy[j], 4, 1));
    }
    k["RichEditCisCzast"].push_back("");
    for (double c : o.CisCzast)
        k["RichEditCisCzast"].push_back(StalyNiezalezny(c, 4, 1));
    o.LabelUk = "U  = " + StalyNiezalezny(o.Uk, 4, 3);
    o.LabelI = "i = " + StalyNiezalezny(o.I, 4, 3);
    o.LabelP = "p = " + StalyNiezalezny(o.P, 4, 1);
    if (x.ti <= x.te)
        o.Komunikat =
            "(temp. wewn.< temp. zewn.) Wskazana konsultacja ze specjalistą z zakresu fizyki budowli.";
    else if (o.Ts + 1 >= o.Temp[1])
        o.Komunikat =
            "UWAGA -Dla zadanych warunków brzegowych występuje kondensacja pary wodnej na wewnętrznej "
            "powierzchni.";
    else
        o.Komunikat =
            "Dla zadanych warunków brzegowych kondensacja pary        wodnej  na wewnętrznej powierzchni "
            "nie występuje.";
    return o;
}

// ---- Generated projects -----------------------------------------------------------------------------

TDane Losuj(std::mt19937& g) {
    auto calk = [&](int od, int do_) { return std::uniform_int_distribution<int>(od, do_)(g); };
    auto jeden = [&](std::initializer_list<double> z) {
        return *(z.begin() + calk(0, static_cast<int>(z.size()) - 1));
    };
    const char* nazwy[] = {"Tynk cementowo-wapienny",
                           "Cegła pełna",
                           "Pustak ceramiczny",
                           "Styropian EPS",
                           "Wełna mineralna",
                           "Żelbet",
                           "Beton komórkowy 600",
                           "Płyta gipsowo-kartonowa",
                           "Drewno sosnowe",
                           "Pustka powietrzna",
                           "Łupek",
                           "Folia PE"};
    TDane x;
    x.n = calk(1, 10);
    for (int k = 0; k < x.n; ++k) {
        x.Nazwy.push_back(nazwy[calk(0, 11)]);
        x.d.push_back(calk(1, 5000) / 10000.0);                                            // 0.0001 .. 0.5 m
        x.l.push_back(calk(0, 4) == 0 ? calk(10, 100) / 1000.0 : calk(30, 2500) / 1000.0); // 0.01 .. 2.5
        x.mi.push_back(calk(0, 3) == 0 ? calk(10, 5000) / 10.0 : calk(1, 200));
    }
    x.ti = calk(12, 25);
    x.te = calk(0, 19) == 0 ? calk(x.ti, 29) : calk(-24, 12); // now and then the consultation case
    x.fi = calk(20, 90);
    x.fe = calk(40, 99); // what the sheet accepts, as a file that opens must hold
    x.Rsi = jeden({0.10, 0.13, 0.17, 0.25});
    x.Rse = jeden({0.04, 0.08, 0.13, 0.17});
    if (calk(0, 1)) {
        x.Nr = calk(0, x.n + 2);
        x.DeltaU = jeden({0.0, 0.01, 0.04});
        x.LambdaF = jeden({0.0, 50.0, 17.0});
        x.Alfa = calk(0, 1) ? 6 : 5;
        x.LiczbaF = calk(0, 8);
        x.PoleF = jeden({0.0, 0.000013, 0.0000196});
        x.DeltaUk = jeden({0.0, 0.05, 0.15});
        x.Mostek = jeden({0.0, 0.02, 0.1});
    }
    return x;
}

TModelProjektu Model(const TDane& x) {
    TModelProjektu m;
    m.Resetuj();
    m.LiczbaWarstw = x.n;
    for (int k = 1; k <= x.n; ++k) {
        const auto u = static_cast<std::size_t>(k - 1);
        m.Warstwy[k].Nazwa.UstawUtf8(x.Nazwy[u]);
        m.Warstwy[k].Grubosc = x.d[u];
        m.Warstwy[k].Lambda = x.l[u];
        m.Warstwy[k].Mi = x.mi[u];
    }
    TWarunkiPracy& w = m.WarunkiPracy;
    w.TempWew = x.ti;
    w.TempZewn = x.te;
    w.WilgotWewn = x.fi;
    w.WilgotZewn = x.fe;
    w.Rsi = x.Rsi;
    w.Rse = x.Rse;
    w.TypPrzegrody.UstawUtf8("Ściana zewnętrzna");
    w.StrefaKl.UstawUtf8("Strefa III");
    w.WarunkiWilg.UstawUtf8("Warunki średniowilgotne");
    w.NrNieszczelnosci = x.Nr;
    w.DeltaU = x.DeltaU;
    w.LambdaF = x.LambdaF;
    w.Alfa = x.Alfa;
    w.LiczbaF = x.LiczbaF;
    w.PoleF = x.PoleF;
    w.DeltaUk = x.DeltaUk;
    w.MostekWlasny = x.Mostek;
    return m;
}

void Porownaj(const char* klucz, const TJson& j, double oczekiwana) {
    EXPECT_NEAR(j.Liczba, oczekiwana, 1e-12 * std::max(1.0, std::fabs(oczekiwana))) << klucz;
}

void Porownaj(const char* klucz, const TJson& j, const std::vector<double>& oczekiwane) {
    const std::vector<double> w = j.Liczby();
    ASSERT_EQ(w.size(), oczekiwane.size()) << klucz;
    for (std::size_t i = 0; i < w.size(); ++i)
        EXPECT_NEAR(w[i], oczekiwane[i], 1e-12 * std::max(1.0, std::fabs(oczekiwane[i])))
            << klucz << "[" << i << "]";
}

TEST(WierszPolecenLosowo, JsonZgodnyZNiezaleznymObliczeniem) {
    const std::vector<double> tablica = TablicaUla();
    ASSERT_EQ(tablica.size(), 55u);
    TKatalogProjektow katalog;
    std::mt19937 g(20240611);
    int kondensacje = 0, konsultacje = 0, bezKondensacji = 0;
    for (int projekt = 0; projekt < 300; ++projekt) {
        const TDane x = Losuj(g);
        SCOPED_TRACE("projekt " + std::to_string(projekt) + ", warstw " + std::to_string(x.n));
        const std::string plik = katalog.Projekt("p.pro", Model(x));
        const auto u = Uruchom({"--oblicz", plik, "--json"});
        ASSERT_EQ(u.Kod, 0) << u.Bledy;
        const TJson j = CzytajJson(u.Wyjscie);
        const TOczekiwane o = Oblicz(x, tablica);

        // The inputs come back exactly.
        ASSERT_EQ(j["LiczbaWarstw"].Liczba, x.n);
        for (int k = 0; k < x.n; ++k) {
            const auto uk = static_cast<std::size_t>(k);
            EXPECT_EQ(j["Warstwy"][uk]["Nazwa"].Tekst, x.Nazwy[uk]);
            EXPECT_EQ(j["Warstwy"][uk]["Grubosc"].Liczba, x.d[uk]);
            EXPECT_EQ(j["Warstwy"][uk]["Lambda"].Liczba, x.l[uk]);
            EXPECT_EQ(j["Warstwy"][uk]["Mi"].Liczba, x.mi[uk]);
        }
        EXPECT_EQ(j["WarunkiPracy"]["Rsi"].Liczba, x.Rsi);
        EXPECT_EQ(j["WarunkiPracy"]["PoleF"].Liczba, x.PoleF);
        EXPECT_EQ(j["WarunkiPracy"]["NrNieszczelnosci"].Liczba, x.Nr);

        Porownaj("R", j["R"], o.R);
        Porownaj("SumaR", j["SumaR"], o.SumaR);
        Porownaj("NarastR", j["NarastR"], o.NarastR);
        Porownaj("U0", j["U0"], o.U0);
        Porownaj("DeltaUg", j["DeltaUg"], o.DeltaUg);
        Porownaj("DeltaUf", j["DeltaUf"], o.DeltaUf);
        Porownaj("Uk", j["Uk"], o.Uk);
        Porownaj("Temp", j["Temp"], o.Temp);
        Porownaj("SumaGrubosc", j["SumaGrubosc"], o.SumaGrubosc);
        Porownaj("NarastGrubosc", j["NarastGrubosc"], o.NarastGrubosc);
        Porownaj("Delta", j["Delta"], o.Delta);
        Porownaj("SumaDelta", j["SumaDelta"], o.SumaDelta);
        Porownaj("NarastDelta", j["NarastDelta"], o.NarastDelta);
        Porownaj("CisCzastWewn", j["CisCzastWewn"], o.CisCzastWewn);
        Porownaj("CisCzastZewn", j["CisCzastZewn"], o.CisCzastZewn);
        Porownaj("P", j["P"], o.P);
        Porownaj("CisCzast", j["CisCzast"], o.CisCzast);
        Porownaj("CisNasy", j["CisNasy"], o.CisNasy);
        Porownaj("I", j["I"], o.I);
        Porownaj("Ts", j["Ts"], o.Ts);

        const TJson& a = j["Arkusz"];
        for (const auto& [kolumna, linie] : o.Kolumny)
            EXPECT_EQ(a[kolumna].Teksty(), linie) << kolumna;
        EXPECT_EQ(a["LabelUk"].Tekst, o.LabelUk);
        EXPECT_EQ(a["LabelI"].Tekst, o.LabelI);
        EXPECT_EQ(a["LabelP"].Tekst, o.LabelP);
        EXPECT_EQ(a["LabeLKomunikat"].Tekst, o.Komunikat);

        if (o.Komunikat.rfind("UWAGA", 0) == 0)
            ++kondensacje;
        else if (o.Komunikat.rfind("(temp.", 0) == 0)
            ++konsultacje;
        else
            ++bezKondensacji;
        if (::testing::Test::HasFailure())
            break;
    }
    // The generator must reach all three verdicts, or the comparison proves less than it seems.
    EXPECT_GT(kondensacje, 0);
    EXPECT_GT(konsultacje, 0);
    EXPECT_GT(bezKondensacji, 0);
}

} // namespace
