// The checks of a bridged partition per section: a rafter roof whose wool section condenses and whose
// rafter section does not, the worst verdicts naming their section, and the "Niejednorodna" JSON.
#include "core/Niejednorodna.h"
#include "core/Przygotowanie.h"

#include <gtest/gtest.h>

using namespace murolab;
using namespace murolab::test;

namespace {

TAnalizaNiejednorodna Analiza(TModelProjektu m, const TKlimat* klimat) {
    ObliczPrzegrode(m);
    return AnalizujNiejednorodna(m, klimat, klimat ? "nizina" : "", TWnetrze{},
                                 DomyslnyWierszWT(m.WarunkiPracy.TypPrzegrody.Utf8()));
}

TEST(Niejednorodna, DachKondensujeWWelnieNieWKrokwi) {
    const TKlimat klimat = KlimatNizinny();
    const TAnalizaNiejednorodna a = Analiza(DachNaKrokwiach(), &klimat);
    ASSERT_EQ(a.Przekroje.size(), 2u);
    const TAnalizaPrzekroju& welna = a.Przekroje[0];
    const TAnalizaPrzekroju& krokiew = a.Przekroje[1];
    EXPECT_EQ(welna.Przekroj.Nazwa, "przez Wełna mineralna 88 %");
    EXPECT_EQ(krokiew.Przekroj.Nazwa, "przez Krokiew 12 %");
    EXPECT_EQ(a.Najwiekszy, 0u);

    // Both are computed and kept; the interstitial verdicts come from the wool.
    EXPECT_FALSE(welna.Iso13788.Projektowe.Plaszczyzny.empty());
    EXPECT_EQ(welna.Iso13788.Projektowe.Plaszczyzny[0].Styk, 2);
    EXPECT_TRUE(krokiew.Iso13788.Projektowe.Plaszczyzny.empty());
    EXPECT_EQ(a.NajgorszaKondensacja, 0u);
    ASSERT_TRUE(welna.Iso13788.Rok && krokiew.Iso13788.Rok);
    EXPECT_NE(welna.Iso13788.Rok->Werdykt, TWerdyktRoczny::Brak);
    EXPECT_EQ(krokiew.Iso13788.Rok->Werdykt, TWerdyktRoczny::Brak);
    EXPECT_EQ(a.NajgorszyRok, 0u);

    // The rafter conducts more: its inner surface is colder and its fRsi lower.
    EXPECT_LT(krokiew.Model.Wyniki.Temp[1], welna.Model.Wyniki.Temp[1]);
    EXPECT_EQ(a.NajgorszaPowierzchnia, 1u);
    EXPECT_LT(krokiew.Iso13788.FRsi.Przegrody, welna.Iso13788.FRsi.Przegrody);
    EXPECT_EQ(a.NajgorszeFRsi, 1u);

    // The partition's verdict: its own Uk (U0 = 1/RT), the worst section's fRsi and year.
    EXPECT_TRUE(a.WT.Nieoceniona.empty());
    EXPECT_NEAR(a.WT.Uk, 1 / a.Metoda.RT, 1e-12);
    EXPECT_EQ(a.WT.SpelniafRsi, krokiew.Iso13788.WT.SpelniafRsi);
    EXPECT_EQ(a.WT.SpelniaKondensacja, welna.Iso13788.WT.SpelniaKondensacja);
}

TEST(Niejednorodna, LiniaWerdyktowPrzekroju) {
    const TKlimat klimat = KlimatNizinny();
    const TAnalizaNiejednorodna a = Analiza(DachNaKrokwiach(), &klimat);
    // fRsi of the rafter section: 1 - 0,25 / (0,25 + 0,05 + 1,538462 + 0,44 + 0,04) = 0,892.
    EXPECT_EQ(WerdyktyPrzekroju(a.Przekroje[1]),
              "przez Krokiew 12 %: na powierzchni brak kondensacji; wewnątrz "
              "brak kondensacji; w roku brak kondensacji; fRsi = 0,892");
    const std::string welna = WerdyktyPrzekroju(a.Przekroje[0]);
    EXPECT_EQ(
        welna.rfind("przez Wełna mineralna 88 %: na powierzchni brak kondensacji; wewnątrz kondensacja na "
                    "styku 2; w roku kondensacja",
                    0),
        0u)
        << welna;
    EXPECT_EQ(ZrodloWerdyktu(a, a.NajgorszeFRsi), "przekrój „przez Krokiew 12 %”");
}

TEST(Niejednorodna, NiestosowalnaBezOcenyWT) {
    TModelProjektu m = DachNaKrokwiach();
    m.Warstwy[2].Mostki[0] = {"Profil stalowy", 50, 1e6, 7850, 0.45, 0.01};
    const TAnalizaNiejednorodna a = Analiza(m, nullptr);
    EXPECT_FALSE(a.Metoda.Stosowalna);
    EXPECT_FALSE(a.WT.Spelnia.has_value()) << "nie oceniono";
    EXPECT_EQ(a.WT.Nieoceniona, a.Metoda.Komunikat);
    EXPECT_FALSE(a.NajgorszyRok.has_value());
}

TEST(Niejednorodna, JsonPrzekrojow) {
    TModelProjektu m = DachNaKrokwiach();
    for (int k = 1; k <= 3; ++k) {
        m.Warstwy[k].Gestosc = 100 * k;
        m.Warstwy[k].Cieplo = 1.0;
    }
    const TAnalizaNiejednorodna a = Analiza(m, nullptr);
    const TWartoscJson j = JsonNiejednorodnej(a);
    std::vector<std::string> klucze;
    for (const auto& [k, w] : j.Pola())
        klucze.push_back(k);
    EXPECT_EQ(klucze,
              (std::vector<std::string>{"RTGorna", "RTDolna", "RT", "Blad", "Stosowalna", "Przekroje"}));
    EXPECT_EQ(j.Znajdz("RT")->Liczba(), a.Metoda.RT);
    EXPECT_EQ(j.Znajdz("Blad")->Liczba(), a.Metoda.Blad);
    EXPECT_TRUE(j.Znajdz("Stosowalna")->Logiczna());
    const auto& przekroje = j.Znajdz("Przekroje")->Elementy();
    ASSERT_EQ(przekroje.size(), 2u);
    const TWartoscJson& krokiew = przekroje[1];
    klucze.clear();
    for (const auto& [k, w] : krokiew.Pola())
        klucze.push_back(k);
    EXPECT_EQ(klucze, (std::vector<std::string>{"Udzial", "RT", "U", "Warstwy", "Kondensacja", "Roczny",
                                                "fRsi", "Letnie"}));
    EXPECT_EQ(krokiew.Znajdz("Udzial")->Liczba(), 0.12);
    EXPECT_EQ(krokiew.Znajdz("U")->Liczba(), 1 / a.Przekroje[1].Przekroj.RT);
    EXPECT_EQ(ZapiszJson(*krokiew.Znajdz("Warstwy")), R"(["Płyta g-k","Krokiew","Płyta pilśniowa"])");
    EXPECT_TRUE(krokiew.Znajdz("Kondensacja")->Znajdz("Plaszczyzny")->Elementy().empty());
    EXPECT_EQ(krokiew.Znajdz("Kondensacja")->Znajdz("CisNasy")->Elementy().size(), 4u);
    EXPECT_FALSE(przekroje[0].Znajdz("Kondensacja")->Znajdz("Plaszczyzny")->Elementy().empty());
    EXPECT_TRUE(krokiew.Znajdz("Roczny")->CzyNull());
    EXPECT_EQ(krokiew.Znajdz("fRsi")->Znajdz("Przegrody")->Liczba(), a.Przekroje[1].Iso13788.FRsi.Przegrody);
    // The rafter's own mass and heat go into its summer figures.
    ASSERT_TRUE(krokiew.Znajdz("Letnie")->CzyObiekt());
    EXPECT_NE(krokiew.Znajdz("Letnie")->Znajdz("Kappa1")->Liczba(),
              przekroje[0].Znajdz("Letnie")->Znajdz("Kappa1")->Liczba());
}

} // namespace
