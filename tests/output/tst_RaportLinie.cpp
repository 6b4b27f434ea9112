// The report's texts: the two tables line by line, the half-line columns, the blank cells that are
// not written, the heights for n layers, the description and the partition-type rule, the reset.
// The results are set by hand so that every expected text is written from the notations alone.
#include "output/RaportLinie.h"

#include <gtest/gtest.h>

using namespace murolab;
using Linie = std::vector<std::string>;

namespace {

const char* kWew = "      Wewnętrzna strona przegrody";
const char* kZew = "      Zewnętrzna strona przegrody";

void DodajWarstwe(TModelProjektu& m, const char* nazwa, double d, double lambda, double mi) {
    TWarstwa& w = m.Warstwy[++m.LiczbaWarstw];
    w.Nazwa.UstawUtf8(nazwa);
    w.Grubosc = d;
    w.Lambda = lambda;
    w.Mi = mi;
}

// Three layers with results chosen to exercise the notations.
TModelProjektu TrzyWarstwy() {
    TModelProjektu m;
    m.WarunkiPracy.Rsi = 0.13;
    m.WarunkiPracy.Rse = 0.04;
    DodajWarstwe(m, "Beton", 0.12, 0.77, 70);
    DodajWarstwe(m, "Wełna mineralna", 0.10, 0.04, 1);
    DodajWarstwe(m, "Tynk", 0.02, 0.82, 10);
    TWyniki& w = m.Wyniki;
    w.R[1] = 0.155844;
    w.R[2] = 2.5;
    w.R[3] = 0.0243902;
    w.SumaR = 2.6802342;
    const double temp[] = {20, 18.1756, 15.9885, -19.0964, -19.4386, -20};
    for (int j = 0; j < 6; ++j)
        w.Temp[j] = temp[j];
    w.SumaGrubosc = 0.24;
    w.Delta[1] = 12600000;
    w.Delta[2] = 150000;
    w.Delta[3] = 300000;
    w.SumaDelta = 13050000;
    const double nasy[] = {2339.45, 2090.1, 1815.3, 125.2, 122.0, 103.0};
    for (int j = 0; j < 6; ++j)
        w.CisNasy[j] = nasy[j];
    const double czast[] = {1285.35, 1262.8, 233.94, 87.56};
    for (int i = 0; i < 4; ++i)
        w.CisCzast[i] = czast[i];
    return m;
}

TArkuszWynikow Arkusz(bool kondensacja) {
    TArkuszWynikow a = ArkuszPusty();
    a.LabelUk = "U  = 0,425";
    a.SkladnikiUk = {"U0 = 0,351", "ΔUg = 0,009", "ΔUf = 0,016", "ΔUk + dodatek własny = 0,050"};
    a.LabelI = "i = 0,262";
    a.LabelP = "p = 944,5";
    a.LabeLKomunikat = kondensacja
                           ? "UWAGA -Dla zadanych warunków brzegowych występuje kondensacja pary wodnej "
                             "na wewnętrznej powierzchni."
                           : "Dla zadanych warunków brzegowych kondensacja pary        wodnej  na "
                             "wewnętrznej powierzchni nie występuje.";
    a.PokazKryterium = kondensacja;
    return a;
}

TModelProjektu Warstw(int n) {
    TModelProjektu m;
    for (int k = 1; k <= n; ++k)
        DodajWarstwe(m, "Warstwa", 0.01 * k, 0.5, 10);
    return m;
}

} // namespace

TEST(RaportLinie, TrzyWarstwy) {
    TRaport r;
    WypelnijRaport(r, TrzyWarstwy(), Arkusz(false), "Ściana zewnętrzna");
    const TTabelaTemperatur& t = r.Temperatury;
    // Six rows: inner side, three layers, outer side, sum; each column holds only its lines.
    EXPECT_EQ(t.Nr, (Linie{"", "1", "2", "3"}));
    EXPECT_EQ(t.Nazwa, (Linie{kWew, "  Beton", "  Wełna mineralna", "  Tynk", kZew, " suma:"}));
    EXPECT_EQ(t.Grubosc, (Linie{"", "0,1200", "0,1000", "0,0200", "", "0,2400"}));
    EXPECT_EQ(t.Lambda, (Linie{"", "0,7700", "0,0400", "0,8200"}));
    // Rsi and Rse in the general notation; 0.13 + 0.04 + 2.6802342 keeps four significant digits.
    EXPECT_EQ(t.R, (Linie{"0,13", "0,1558", "2,5000", "0,0244", "0,04", "2,8500"}));
    // Drops 1.8244, 2.1871, 35.0849, 0.3422, 0.5614: five values, none for the sum row.
    EXPECT_EQ(t.Spadek, (Linie{"1,8", "2,2", "35,1", "0,3", "0,6"}));
    // Six temperatures standing on the row borders, indoor air first.
    EXPECT_EQ(t.Temp, (Linie{"20,0", "18,2", "16,0", "-19,1", "-19,4", "-20,0"}));

    const TTabelaCisnien& c = r.Cisnienia;
    EXPECT_EQ(c.Nr, (Linie{"", "1", "2", "3"}));
    EXPECT_EQ(c.Nazwa, (Linie{kWew, "  Beton", "  Wełna mineralna", "  Tynk", kZew, " suma:"}));
    EXPECT_EQ(c.Grubosc, (Linie{"", "0,1200", "0,1000", "0,0200", "", "0,2400"}));
    EXPECT_EQ(c.Mi, (Linie{"", "70", "1", "10", ""}));
    EXPECT_EQ(c.Delta, (Linie{"", "12600000", "150000", "300000", "", "13050000"}));
    // fixed(4, 1): 2339.45 -> 2339,0; 1262.8 -> 1263,0; 233.94 -> 233,9.
    EXPECT_EQ(c.CisNasy, (Linie{"2339,0", "2090,0", "1815,0", "125,2", "122,0", "103,0"}));
    EXPECT_EQ(c.CisCzast, (Linie{"", "1285,0", "1263,0", "233,9", "87,6"}));
}

TEST(RaportLinie, LiczbaLiniiIWysokosci) {
    struct {
        int N;
        std::size_t Wierszy;
        int Kolumna, KolumnaTemp, Linie;
    } const przypadki[] = {
        {1, 4, 60, 68, 80}, {3, 6, 96, 104, 112}, {10, 13, 222, 230, 224}, // 58,7 mm and 59,3 mm
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.N);
        TRaport r;
        WypelnijRaport(r, Warstw(p.N), Arkusz(false), "Strop");
        EXPECT_EQ(r.WysokoscKolumny, p.Kolumna);
        EXPECT_EQ(r.WysokoscKolumnyTemp, p.KolumnaTemp);
        EXPECT_EQ(r.DlugoscLinii, p.Linie);
        const std::size_t n = static_cast<std::size_t>(p.N);
        EXPECT_EQ(r.Temperatury.Nazwa.size(), p.Wierszy);
        EXPECT_EQ(r.Temperatury.Nr.size(), n + 1);
        EXPECT_EQ(r.Temperatury.Lambda.size(), n + 1);
        EXPECT_EQ(r.Temperatury.Grubosc.size(), n + 3);
        EXPECT_EQ(r.Temperatury.R.size(), n + 3);
        EXPECT_EQ(r.Temperatury.Spadek.size(), n + 2);
        EXPECT_EQ(r.Temperatury.Temp.size(), n + 3);
        EXPECT_EQ(r.Cisnienia.Nazwa.size(), p.Wierszy);
        EXPECT_EQ(r.Cisnienia.Mi.size(), n + 2);
        EXPECT_EQ(r.Cisnienia.Delta.size(), n + 3);
        EXPECT_EQ(r.Cisnienia.CisNasy.size(), n + 3);
        EXPECT_EQ(r.Cisnienia.CisCzast.size(), n + 2);
        EXPECT_EQ(r.Cisnienia.CisCzast.front(), "") << "no partial pressure for the indoor air";
    }
}

TEST(RaportLinie, OpisIRodzajPrzegrody) {
    struct {
        const char* Nazwa;
        const char* Obiekt;
        const char* Oczekiwany;
    } const przypadki[] = {
        {"obiekt podany", "Szkoła nr 3", "Ściana zewnętrzna"},
        {"obiekt pusty", "", ""},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        TModelProjektu m = TrzyWarstwy();
        m.DaneProjektu.Obiekt.UstawUtf8(p.Obiekt);
        m.DaneProjektu.Adres.UstawUtf8("ul. Długa 5, Łódź");
        m.DaneProjektu.Inwestor.UstawUtf8("Gmina Żółkiewka");
        m.DaneProjektu.Projektant.UstawUtf8("Jan Kowalski");
        m.DaneProjektu.Data.UstawUtf8("21.04.2002");
        TRaport r;
        WypelnijRaport(r, m, Arkusz(false), "Ściana zewnętrzna");
        EXPECT_EQ(r.Obiekt, p.Obiekt);
        EXPECT_EQ(r.Przegroda, p.Oczekiwany);
        EXPECT_EQ(r.Adres, "ul. Długa 5, Łódź");
        EXPECT_EQ(r.Inwestor, "Gmina Żółkiewka");
        EXPECT_EQ(r.Projektant, "Jan Kowalski");
        EXPECT_EQ(r.Data, "21.04.2002");
    }
}

TEST(RaportLinie, PrzedPierwszymWypelnieniem) {
    const TRaport r;
    for (const std::string* pole : {&r.Inwestor, &r.Obiekt, &r.Adres, &r.Przegroda, &r.Projektant})
        EXPECT_EQ(*pole, ".................................");
    EXPECT_EQ(r.Data, "Data:");
    EXPECT_EQ(r.Uk, "Uk = 0,000");
    EXPECT_EQ(r.SkladnikiUk, ArkuszPusty().SkladnikiUk);
    EXPECT_EQ(r.I, "i = 0,000");
    EXPECT_EQ(r.P, "p = 0000,0");
    EXPECT_TRUE(r.Temperatury.Nazwa.empty());
    EXPECT_TRUE(r.Cisnienia.CisCzast.empty());
}

TEST(RaportLinie, WynikiIKryterium) {
    TRaport r;
    WypelnijRaport(r, TrzyWarstwy(), Arkusz(true), "Strop");
    EXPECT_EQ(r.Uk, "U  = 0,425") << "copied exactly as the results sheet shows it";
    EXPECT_EQ(r.SkladnikiUk, Arkusz(true).SkladnikiUk);
    EXPECT_EQ(r.SkladnikiUk[0], "U0 = 0,351");
    EXPECT_EQ(r.I, "i = 0,262");
    EXPECT_EQ(r.P, "p = 944,5");
    EXPECT_EQ(r.Kondensacja, Arkusz(true).LabeLKomunikat);
    EXPECT_EQ(r.Kondensacja1, "ts +1 >     i");
    EXPECT_EQ(r.Kondensacja2, "θ");

    // A calculation without condensation after one with it empties the criterion.
    WyczyscRaport(r);
    WypelnijRaport(r, TrzyWarstwy(), Arkusz(false), "Strop");
    EXPECT_EQ(r.Kondensacja, Arkusz(false).LabeLKomunikat);
    EXPECT_EQ(r.Kondensacja1, "");
    EXPECT_EQ(r.Kondensacja2, "");
}

TEST(RaportLinie, SkladnikiUkZIndeksami) {
    const struct {
        const char* Tekst;
        const char* Html;
    } wiersze[] = {
        {"U0 = 0,351", "U<sub>0</sub> = 0,351"},
        {"ΔUg = 0,009", "ΔU<sub>g</sub> = 0,009"},
        {"ΔUf = 0,016", "ΔU<sub>f</sub> = 0,016"},
        {"ΔUk + dodatek własny = 0,050", "ΔU<sub>k</sub> + dodatek własny = 0,050"},
        {"a < b & c", "a &lt; b &amp; c"},
    };
    for (const auto& w : wiersze)
        EXPECT_EQ(SkladnikUkHtml(w.Tekst), w.Html) << w.Tekst;
}

TEST(RaportLinie, ResetZachowujeOpisIWerdykt) {
    TModelProjektu m = TrzyWarstwy();
    m.DaneProjektu.Obiekt.UstawUtf8("Hala");
    TRaport r;
    WypelnijRaport(r, m, Arkusz(true), "Strop");
    WyczyscRaport(r);
    const TTabelaTemperatur& t = r.Temperatury;
    const TTabelaCisnien& c = r.Cisnienia;
    for (const Linie* kolumna : {&t.Nr, &t.Nazwa, &t.Grubosc, &t.Lambda, &t.R, &t.Spadek, &t.Temp, &c.Nr,
                                 &c.Nazwa, &c.Grubosc, &c.Mi, &c.Delta, &c.CisNasy, &c.CisCzast})
        EXPECT_TRUE(kolumna->empty());
    EXPECT_EQ(r.Uk, "Uk = 0,000");
    EXPECT_EQ(r.SkladnikiUk, ArkuszPusty().SkladnikiUk);
    EXPECT_EQ(r.I, "i = 0,000");
    EXPECT_EQ(r.P, "p = 0000,0");
    EXPECT_EQ(r.Obiekt, "Hala");
    EXPECT_EQ(r.Przegroda, "Strop");
    EXPECT_EQ(r.Kondensacja1, "ts +1 >     i");
}

// A fill that is not preceded by the reset rebuilds the tables instead of printing the rows twice.
TEST(RaportLinie, DwaWypelnieniaBezResetu) {
    TRaport r;
    WypelnijRaport(r, TrzyWarstwy(), Arkusz(false), "Strop");
    WypelnijRaport(r, TrzyWarstwy(), Arkusz(false), "Strop");
    EXPECT_EQ(r.Temperatury.Nazwa.size(), 6u);
    EXPECT_EQ(r.Cisnienia.CisCzast.size(), 5u);
}

// A damaged layer count never reads past the model's 15 slots.
TEST(RaportLinie, LiczbaWarstwPozaTablica) {
    TModelProjektu m = Warstw(15);
    m.LiczbaWarstw = 99;
    TRaport r;
    ASSERT_NO_THROW(WypelnijRaport(r, m, Arkusz(false), "Strop"));
    EXPECT_EQ(r.Temperatury.Nazwa.size(), 18u);
    EXPECT_EQ(r.DlugoscLinii, 16 * 15 + 64);
}
