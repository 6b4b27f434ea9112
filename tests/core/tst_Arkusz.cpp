// The texts of the results sheet, line by line, for the worked examples (expected texts written
// from the published values and the notations, not produced by the code).
#include "core/Arkusz.h"
#include "core/Przygotowanie.h"

#include <gtest/gtest.h>

using namespace murolab;
using namespace murolab::test;
using Linie = std::vector<std::string>;

namespace {

const char* kWew = "      Wewnętrzna strona przegrody";
const char* kZew = "      Zewnętrzna strona przegrody";

TEST(Arkusz, PrzykladTrzechWarstw) {
    TModelProjektu m = Warunki(20, 55, -20, 85);
    DodajWarstwe(m, "Beton", 0.12, 0.77, 70);
    DodajWarstwe(m, "Wełna mineralna", 0.10, 0.04, 1);
    DodajWarstwe(m, "Tynk", 0.02, 0.82, 10);
    PoprawkiPrzykladu(m.WarunkiPracy);
    ObliczPrzegrode(m);
    const TArkuszWynikow a = ArkuszWynikow(m, 20, -20);

    EXPECT_EQ(a.RichEditNr, (Linie{"", "1", "2", "3"}));
    EXPECT_EQ(a.RichEditMaterial, (Linie{kWew, "Beton", "Wełna mineralna", "Tynk", kZew, "suma:"}));
    EXPECT_EQ(a.RichEditLambda, (Linie{"", "0,7700", "0,0400", "0,8200"}));
    EXPECT_EQ(a.RichEditMi, (Linie{"", "70", "1", "10", ""}));
    EXPECT_EQ(a.RichEditGrubosc, (Linie{"", "0,1200", "0,1000", "0,0200", "", "0,2400"}));
    // R: 0.155844, 2.5, 0.024390; the sum 0.13 + 0.04 + 2.680234 = 2.850234.
    EXPECT_EQ(a.RichEditR, (Linie{"0,13", "0,1558", "2,5000", "0,0244", "0,04", "2,8500"}));
    EXPECT_EQ(a.RichEditDelta, (Linie{"", "12600000", "150000", "300000", "", "13050000"}));
    // Temp = 20, 18.1756, 15.9885, -19.0964, -19.4386, -20.
    EXPECT_EQ(a.RichEditTemp, (Linie{"20,0", "18,2", "16,0", "-19,1", "-19,4", "-20,0"}));
    EXPECT_EQ(a.RichEditSpadek, (Linie{"1,8", "2,2", "35,1", "0,3", "0,6"}));
    EXPECT_EQ(a.RichEditCisNasy.size(), 6u);
    EXPECT_EQ(a.RichEditCisNasy.front(), "2337,0");
    EXPECT_EQ(a.RichEditCisNasy.back(), "103,0");
    EXPECT_EQ(a.RichEditCisCzast.size(), 5u);
    EXPECT_EQ(a.RichEditCisCzast[0], "");
    EXPECT_EQ(a.RichEditCisCzast[1], "1285,0") << "1285.35 keeps four significant digits";
    EXPECT_EQ(a.RichEditCisCzast[4], "87,6") << "85 % of 103 Pa = 87.55";
    EXPECT_EQ(a.LabelUk, "U  = 0,425");
    EXPECT_EQ(a.LabelP, "p = 1198,0") << "1285.35 - 87.55 = 1197.8";
}

TEST(Arkusz, PrzykladDyfuzjiJednejWarstwy) {
    TModelProjektu m = Warunki(20, 55, -5, 85);
    DodajWarstwe(m, "Mur", 0.24, 0.77, 10);
    ObliczPrzegrode(m);
    const TArkuszWynikow a = ArkuszWynikow(m, 20, -5);
    // One layer: four lines of names, three drops, four temperatures and pressures, 1 + 2 partial.
    EXPECT_EQ(a.RichEditMaterial, (Linie{kWew, "Mur", kZew, "suma:"}));
    EXPECT_EQ(a.RichEditSpadek.size(), 3u);
    EXPECT_EQ(a.RichEditTemp.size(), 4u);
    EXPECT_EQ(a.RichEditCisNasy.size(), 4u);
    // U0 = 1 / 0.481688 = 2.076033; surface 20 - 25 * 2.076033 * 0.13 = 13.25; outer -2.92.
    EXPECT_EQ(a.RichEditTemp, (Linie{"20,0", "13,3", "-2,9", "-5,0"}));
    EXPECT_EQ(a.RichEditCisNasy.front(), "2337,0");
    EXPECT_EQ(a.RichEditCisNasy.back(), "401,0");
    EXPECT_EQ(a.RichEditCisCzast, (Linie{"", "1285,0", "340,9"})) << "340.85 rounds half away from zero";
    EXPECT_EQ(a.RichEditDelta, (Linie{"", "3600000", "", "3600000"}));
    EXPECT_EQ(a.LabelP, "p = 944,5");
    EXPECT_EQ(a.LabelI, "i = 0,262");
    EXPECT_EQ(a.LabelUk, "U  = 2,076");
    EXPECT_EQ(a.RichEditR.front(), "0,13") << "Rsi in the general notation beside four-decimal layers";
    EXPECT_EQ(a.RichEditR[1], "0,3117");
}

TEST(Arkusz, WerdyktIKryterium) {
    TModelProjektu m = Warunki(20, 55, -20, 85);
    DodajWarstwe(m, "Cienka blacha", 0.001, 50, 9999999);
    ObliczPrzegrode(m);
    // A single metal sheet: the inner surface is far below the dew point.
    TArkuszWynikow a = ArkuszWynikow(m, 20, -20);
    EXPECT_EQ(a.LabeLKomunikat, "UWAGA -Dla zadanych warunków brzegowych występuje kondensacja pary wodnej "
                                "na wewnętrznej powierzchni.");
    EXPECT_TRUE(a.KomunikatCzerwony);
    EXPECT_TRUE(a.PokazKryterium);

    TModelProjektu cieplo = Warunki(20, 55, -20, 85);
    DodajWarstwe(cieplo, "Styropian", 0.2, 0.04, 60);
    ObliczPrzegrode(cieplo);
    a = ArkuszWynikow(cieplo, 20, -20);
    EXPECT_EQ(a.LabeLKomunikat,
              "Dla zadanych warunków brzegowych kondensacja pary        wodnej  na wewnętrznej "
              "powierzchni nie występuje.");
    EXPECT_FALSE(a.KomunikatCzerwony);
    EXPECT_FALSE(a.PokazKryterium);

    a = ArkuszWynikow(cieplo, 20, 20);
    EXPECT_EQ(a.LabeLKomunikat,
              "(temp. wewn.< temp. zewn.) Wskazana konsultacja ze specjalistą z zakresu fizyki budowli.");
    EXPECT_TRUE(a.KomunikatCzerwony);
    EXPECT_FALSE(a.PokazKryterium);
}

TEST(Arkusz, RowneTemperaturyDajaZeroweSpadki) {
    TModelProjektu m = Warunki(15, 70, 15, 70);
    DodajWarstwe(m, "A", 0.2, 0.5, 10);
    DodajWarstwe(m, "B", 0.05, 0.04, 60);
    ObliczPrzegrode(m);
    const TArkuszWynikow a = ArkuszWynikow(m, 15, 15);
    EXPECT_EQ(a.RichEditSpadek, (Linie{"0,0", "0,0", "0,0", "0,0"}));
    EXPECT_EQ(a.LabelI, "i = 0,000");
    EXPECT_EQ(a.LabelP, "p = 0,0");
}

// The parts of Uk under it, by hand for the three-layer wall: R = 0.155844, 2.5, 0.024390,
// U0 = 1 / 2.850234 = 0.350848; air voids in layer 2: (2.5 / 2.680234)² · 0.01 = 0.008700;
// fasteners 6 · 50 · 4 · 0.000013 = 0.0156.
TEST(Arkusz, SkladnikiUkPodUk) {
    struct Wiersz {
        const char* Nazwa;
        bool Poprawki;
        double Wlasny;
        Linie Oczekiwane;
        const char* LabelUk;
    };
    const Wiersz wiersze[] = {
        {"bez poprawek",
         false,
         0,
         {"U0 = 0,351", "ΔUg = 0,000", "ΔUf = 0,000", "ΔUk + dodatek własny = 0,000"},
         "U  = 0,351"},
        {"wszystkie poprawki",
         true,
         0,
         {"U0 = 0,351", "ΔUg = 0,009", "ΔUf = 0,016", "ΔUk + dodatek własny = 0,050"},
         "U  = 0,425"},
        {"dodatek własny obok ΔUk",
         true,
         0.1,
         {"U0 = 0,351", "ΔUg = 0,009", "ΔUf = 0,016", "ΔUk + dodatek własny = 0,150"},
         "U  = 0,525"},
    };
    for (const Wiersz& w : wiersze) {
        SCOPED_TRACE(w.Nazwa);
        TModelProjektu m = Warunki(20, 55, -20, 85);
        DodajWarstwe(m, "Beton", 0.12, 0.77, 70);
        DodajWarstwe(m, "Wełna mineralna", 0.10, 0.04, 1);
        DodajWarstwe(m, "Tynk", 0.02, 0.82, 10);
        if (w.Poprawki)
            PoprawkiPrzykladu(m.WarunkiPracy);
        m.WarunkiPracy.MostekWlasny = w.Wlasny;
        ObliczPrzegrode(m);
        const TArkuszWynikow a = ArkuszWynikow(m, 20, -20);
        EXPECT_EQ(a.SkladnikiUk, w.Oczekiwane);
        EXPECT_EQ(a.LabelUk, w.LabelUk);
    }
    EXPECT_EQ(ArkuszPusty().SkladnikiUk,
              (Linie{"U0 = 0,000", "ΔUg = 0,000", "ΔUf = 0,000", "ΔUk + dodatek własny = 0,000"}));
}

TEST(Arkusz, LinieWarunkowPokazujaTylkoUstaloneWartosci) {
    struct Wiersz {
        const char* Nazwa;
        int Ti, Fi, Te, Fe;
        std::vector<std::string> Oczekiwane; // ti, φi, te, φe
    };
    const Wiersz wiersze[] = {
        {"zima", 20, 55, -20, 85, {"20", "55", "-20", "85"}},
        {"lato", 22, 60, 28, 70, {"22", "60", "28", "70"}},
        {"zero stopni to wartość", 0, 50, 0, 90, {"0", "50", "0", "90"}},
        {"nieustalone po poleceniu Nowy", 50, 0, -50, 0, {"", "", "", ""}},
    };
    for (const Wiersz& w : wiersze) {
        SCOPED_TRACE(w.Nazwa);
        const TLinieWarunkow l = LinieWarunkow(Warunki(w.Ti, w.Fi, w.Te, w.Fe).WarunkiPracy);
        EXPECT_EQ((std::vector<std::string>{l.TempWew, l.WilgotWewn, l.TempZewn, l.WilgotZewn}),
                  w.Oczekiwane);
    }
    TWarunkiPracy nowy;
    nowy.Resetuj();
    const TLinieWarunkow l = LinieWarunkow(nowy);
    EXPECT_EQ(l.TempWew + l.WilgotWewn + l.TempZewn + l.WilgotZewn, "");
}

TEST(Arkusz, PustyMaTekstyPoczatkowe) {
    const TArkuszWynikow a = ArkuszPusty();
    EXPECT_EQ(a.LabelUk, "U  = 0,000");
    EXPECT_EQ(a.LabelI, "i = 0,000");
    EXPECT_EQ(a.LabelP, "p = 0000,0");
    EXPECT_TRUE(a.LabeLKomunikat.empty());
    EXPECT_FALSE(a.PokazKryterium);
    EXPECT_TRUE(a.RichEditNr.empty());
    EXPECT_TRUE(a.RichEditCisCzast.empty());
}

} // namespace
