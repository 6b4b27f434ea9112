// Partitions with bridged and air layers on the command line: the sections in the JSON, the
// top-level verdicts taken from the worst section, air layers' R, a method that does not apply, and a
// homogeneous partition's output left as it was.
#include "Json.h"
#include "Pomoc.h"
#include "app/CliZestawienie.h"
#include "core/Iso6946.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

using namespace murolab;
using namespace murolab::test;

namespace {

// The rafter roof with densities, so that the summer figures are computed for every section.
TModelProjektu Dach() {
    TModelProjektu m = DachNaKrokwiach();
    const double gestosci[] = {900, 30, 250};
    const double ciepla[] = {1.0, 1.03, 2.1};
    for (int k = 1; k <= 3; ++k) {
        m.Warstwy[k].Gestosc = gestosci[k - 1];
        m.Warstwy[k].Cieplo = ciepla[k - 1];
    }
    return m;
}

// Brick, an unventilated 25 mm cavity, brick: a wall whose only peculiarity is its air layer.
TModelProjektu ScianaZeSzczelina(TWentylacja wentylacja = TWentylacja::Brak) {
    TModelProjektu m = Warunki(20, 50, -20, 85);
    DodajWarstwe(m, "Cegła pełna", 0.12, 0.77, 10);
    DodajWarstwe(m, "Szczelina", 0.025, 1, 1);
    m.Warstwy[2].Powietrze = TPowietrze{wentylacja, wentylacja == TWentylacja::Dobra ? 2000.0 : 0.0};
    UzgodnijWarstwePowietrza(m.Warstwy[2]);
    DodajWarstwe(m, "Cegła pełna", 0.25, 0.77, 10);
    return m;
}

TJson Oblicz(const std::vector<std::string>& argumenty) {
    const auto u = Uruchom(argumenty);
    EXPECT_EQ(u.Kod, 0) << u.Bledy;
    return CzytajJson(u.Wyjscie);
}

TUruchomienie Zestawienie(const std::vector<std::string>& argumenty) {
    std::ostringstream out, err;
    TUruchomienie u;
    u.Kod = UruchomZestawienie(argumenty, kKatalogDanych, out, err);
    u.Wyjscie = out.str();
    u.Bledy = err.str();
    return u;
}

bool Zawiera(const std::vector<std::string>& klucze, const std::string& klucz) {
    return std::find(klucze.begin(), klucze.end(), klucz) != klucze.end();
}

TEST(WierszPolecenNiejednorodna, JsonPrzekrojowIWerdyktyNajgorszychPrzekrojow) {
    TKatalogProjektow k;
    const std::string klimat = ZapiszKlimat(k, "mroz.csv", -5);
    const TJson j = Oblicz({"--oblicz", k.PelnyProjekt("dach.pro", Dach()), "--json", "--klimat", klimat});
    const TJson& n = j["Niejednorodna"];
    EXPECT_EQ(n.Klucze(),
              (std::vector<std::string>{"RTGorna", "RTDolna", "RT", "Blad", "Stosowalna", "Przekroje"}));
    EXPECT_TRUE(n["Stosowalna"].Logiczna);
    EXPECT_GE(n["RTGorna"].Liczba, n["RTDolna"].Liczba);
    EXPECT_NEAR(n["RT"].Liczba, (n["RTGorna"].Liczba + n["RTDolna"].Liczba) / 2, 1e-12);
    EXPECT_NEAR(j["U0"].Liczba, 1 / n["RT"].Liczba, 1e-12) << "U0 = 1/RT of the combined method";

    ASSERT_EQ(n["Przekroje"].Elementy.size(), 2u);
    const TJson& welna = n["Przekroje"][0];
    const TJson& krokiew = n["Przekroje"][1];
    EXPECT_EQ(welna.Klucze(), (std::vector<std::string>{"Udzial", "RT", "U", "Warstwy", "Kondensacja",
                                                        "Roczny", "fRsi", "Letnie"}));
    EXPECT_NEAR(welna["Udzial"].Liczba, 0.88, 1e-12);
    EXPECT_NEAR(krokiew["Udzial"].Liczba, 0.12, 1e-12);
    EXPECT_EQ(welna["Warstwy"].Teksty(),
              (std::vector<std::string>{"Płyta g-k", "Wełna mineralna", "Płyta pilśniowa"}));
    EXPECT_EQ(krokiew["Warstwy"].Teksty()[1], "Krokiew");
    EXPECT_NEAR(krokiew["U"].Liczba, 1 / krokiew["RT"].Liczba, 1e-12);

    // Each top-level check is its worst section's: the wool condenses, the rafter has the lower fRsi,
    // and the summer figures are the larger section's.
    ASSERT_FALSE(welna["Kondensacja"]["Plaszczyzny"].Elementy.empty());
    EXPECT_TRUE(krokiew["Kondensacja"]["Plaszczyzny"].Elementy.empty());
    EXPECT_EQ(j["Kondensacja"]["CisCzast"].Liczby(), welna["Kondensacja"]["CisCzast"].Liczby());
    EXPECT_EQ(j["Roczny"]["MaMax"].Liczba, welna["Roczny"]["MaMax"].Liczba);
    EXPECT_LT(krokiew["fRsi"]["Przegrody"].Liczba, welna["fRsi"]["Przegrody"].Liczba);
    EXPECT_EQ(j["fRsi"]["Przegrody"].Liczba, krokiew["fRsi"]["Przegrody"].Liczba);
    ASSERT_EQ(j["Letnie"].Rodzaj, TJson::Typ::Obiekt);
    EXPECT_EQ(j["Letnie"]["Opoznienie"].Liczba, welna["Letnie"]["Opoznienie"].Liczba);
    EXPECT_NE(welna["Letnie"]["Opoznienie"].Liczba, krokiew["Letnie"]["Opoznienie"].Liczba);
    EXPECT_NEAR(j["WT2021"]["Uk"].Liczba, j["Uk"].Liczba, 1e-12);
}

TEST(WierszPolecenNiejednorodna, TekstNazywaPrzekrojKazdegoWerdyktu) {
    TKatalogProjektow k;
    const std::string klimat = ZapiszKlimat(k, "mroz.csv", -5);
    const auto u = Uruchom({"--oblicz", k.PelnyProjekt("dach.pro", Dach()), "--klimat", klimat});
    ASSERT_EQ(u.Kod, 0) << u.Bledy;
    const std::string& t = u.Wyjscie;
    for (const char* fragment :
         {"Przegroda niejednorodna (PN-EN ISO 6946):\n", "  Warstwa 2: Wełna mineralna 88 %, Krokiew 12 %\n",
          "  R'T = ", "  przez Krokiew 12 %: na powierzchni brak kondensacji; wewnątrz brak kondensacji",
          "Najniekorzystniejsze przekroje: temperatura powierzchni – przez Krokiew 12 %; kondensacja "
          "wewnątrz – "
          "przez Wełna mineralna 88 %"})
        EXPECT_NE(t.find(fragment), std::string::npos) << fragment << "\nin:\n" << t;
    // The fRsi group starts by naming the rafter, the year's by naming the wool.
    const std::size_t frsi = t.find("Temperatura powierzchni wewnętrznej:\n");
    ASSERT_NE(frsi, std::string::npos) << t;
    EXPECT_EQ(t.find("  Najniekorzystniejszy przekrój: „przez Krokiew 12 %”\n", frsi),
              t.find('\n', frsi) + 1);
    const std::size_t rok = t.find("Bilans roczny (PN-EN ISO 13788):\n");
    ASSERT_NE(rok, std::string::npos);
    EXPECT_EQ(t.find("  Najniekorzystniejszy przekrój: „przez Wełna mineralna 88 %”\n", rok),
              t.find('\n', rok) + 1)
        << "named above its monthly table";
    EXPECT_NE(t.find("  Przekrój o największym udziale: „przez Wełna mineralna 88 %”\n"), std::string::npos);
}

TEST(WierszPolecenNiejednorodna, MostekMetalowyBezOcenyWT) {
    TKatalogProjektow k;
    TModelProjektu m = Dach();
    m.Warstwy[2].Mostki[0] = {"Profil stalowy", 50, 1e6, 7850, 0.45, 0.01};
    const std::string p = k.PelnyProjekt("stal.pro", m);
    const TJson j = Oblicz({"--oblicz", p, "--json"});
    EXPECT_FALSE(j["Niejednorodna"]["Stosowalna"].Logiczna);
    EXPECT_EQ(j["WT2021"]["Spelnia"].Rodzaj, TJson::Typ::Null) << "nie oceniono";
    EXPECT_GT(j["U0"].Liczba, 0) << "U still given for information";

    const auto u = Uruchom({"--oblicz", p});
    ASSERT_EQ(u.Kod, 0) << u.Bledy;
    EXPECT_NE(u.Wyjscie.find("Wymagania WT 2021: nie oceniono – metoda uproszczona PN-EN ISO 6946 nie ma "
                             "zastosowania"),
              std::string::npos)
        << u.Wyjscie;
}

TEST(WierszPolecenNiejednorodna, WarstwaPowietrza) {
    TKatalogProjektow k;
    // Unventilated, 25 mm, horizontal flow: Ra as the standard's table gives it, 0,18.
    const TJson j = Oblicz({"--oblicz", k.PelnyProjekt("szczelina.pro", ScianaZeSzczelina()), "--json"});
    EXPECT_NEAR(j["R"][1].Liczba, 0.18, 0.005);
    ASSERT_EQ(j["Niejednorodna"]["Przekroje"].Elementy.size(), 1u);
    EXPECT_NEAR(j["Niejednorodna"]["RTGorna"].Liczba, j["Niejednorodna"]["RTDolna"].Liczba, 1e-12);

    // Well ventilated: the cavity and the outer leaf are left out, and the moisture check stops at
    // the cavity's inner face (one layer: two interfaces).
    const TJson d =
        Oblicz({"--oblicz", k.PelnyProjekt("went.pro", ScianaZeSzczelina(TWentylacja::Dobra)), "--json"});
    EXPECT_EQ(d["Kondensacja"]["CisCzast"].Elementy.size(), 2u);
    EXPECT_EQ(d["Niejednorodna"]["Przekroje"][0]["Warstwy"].Teksty(),
              std::vector<std::string>{"Cegła pełna"});
    const auto u = Uruchom({"--oblicz", k.PelnyProjekt("went.pro", ScianaZeSzczelina(TWentylacja::Dobra))});
    ASSERT_EQ(u.Kod, 0) << u.Bledy;
    EXPECT_NE(u.Wyjscie.find("warstwa powietrza dobrze wentylowana"), std::string::npos) << u.Wyjscie;
}

TEST(WierszPolecenNiejednorodna, TekstPodajePostacLacznika) {
    TKatalogProjektow k;
    TModelProjektu m = ScianaZWelna();
    TWarunkiPracy& w = m.WarunkiPracy;
    w.LambdaF = 17;
    w.LiczbaF = 4;
    w.PoleF = 1.96e-5;
    w.Alfa = 6;
    const auto starsza = Uruchom({"--oblicz", k.PelnyProjekt("starsza.pro", m)});
    ASSERT_EQ(starsza.Kod, 0) << starsza.Bledy;
    EXPECT_NE(
        starsza.Wyjscie.find("  ΔUf w starszej postaci: α = 6 1/m; dostępna postać wg PN-EN ISO 6946:2017\n"),
        std::string::npos)
        << starsza.Wyjscie;

    w.Alfa = 0;
    w.Lacznik2017 = TLacznik2017{2, 0.08};
    const auto nowa = Uruchom({"--oblicz", k.PelnyProjekt("nowa.pro", m)});
    ASSERT_EQ(nowa.Kod, 0) << nowa.Bledy;
    EXPECT_NE(nowa.Wyjscie.find("  ΔUf wg PN-EN ISO 6946:2017, warstwa 2, łącznik wpuszczony: α = 0,8·d1/d0"),
              std::string::npos)
        << nowa.Wyjscie;
}

TEST(WierszPolecenNiejednorodna, JednorodnaBezNowychKluczy) {
    TKatalogProjektow k;
    const TJson j = Oblicz({"--oblicz", k.PelnyProjekt("welna.pro", ScianaZWelna()), "--json"});
    EXPECT_FALSE(Zawiera(j.Klucze(), "Niejednorodna"));
    EXPECT_EQ(j.Klucze().back(), "Letnie");
    const auto u = Uruchom({"--oblicz", k.PelnyProjekt("welna.pro", ScianaZWelna())});
    EXPECT_EQ(u.Wyjscie.find("niejednorodna"), std::string::npos);
    EXPECT_EQ(u.Wyjscie.find("Najniekorzystniejszy"), std::string::npos);
}

// The summary of projects: a bridged roof's row carries the combined method's limits exactly as
// "--oblicz --json" gives them; where the method does not apply, WT 2021 is not judged and the text
// marks U and names the reason under the table.
TEST(WierszPolecenNiejednorodna, ZestawienieMetodyUproszczonej) {
    TKatalogProjektow k;
    TModelProjektu stal = Dach();
    stal.Warstwy[2].Mostki[0] = {"Profil stalowy", 50, 1e6, 7850, 0.45, 0.01};
    const std::vector<std::string> pliki{k.PelnyProjekt("dach.pro", Dach()),
                                         k.PelnyProjekt("stal.pro", stal)};
    const auto u = Zestawienie({"--zestawienie", pliki[0], pliki[1], "--json"});
    ASSERT_EQ(u.Kod, 0) << u.Bledy;
    const TJson j = CzytajJson(u.Wyjscie);
    ASSERT_EQ(j["Wiersze"].Elementy.size(), 2u);
    for (std::size_t i = 0; i < pliki.size(); ++i) {
        SCOPED_TRACE(pliki[i]);
        const TJson o = Oblicz({"--oblicz", pliki[i], "--json"});
        const TJson& w = j["Wiersze"][i]["Niejednorodna"];
        for (const char* klucz : {"RTGorna", "RTDolna", "RT", "Blad"})
            EXPECT_EQ(w[klucz].Liczba, o["Niejednorodna"][klucz].Liczba) << klucz;
        EXPECT_EQ(w["Stosowalna"].Logiczna, o["Niejednorodna"]["Stosowalna"].Logiczna);
        EXPECT_EQ(j["Wiersze"][i]["Uk"].Liczba, o["Uk"].Liczba);
    }
    EXPECT_TRUE(j["Wiersze"][0]["Niejednorodna"]["Stosowalna"].Logiczna);
    EXPECT_FALSE(Zawiera(j["Wiersze"][0]["Niejednorodna"].Klucze(), "Komunikat"));
    const TJson& stalowy = j["Wiersze"][1];
    EXPECT_EQ(stalowy["WT2021"].Tekst, "nie oceniono");
    EXPECT_EQ(stalowy["SpelniaWT2021"].Rodzaj, TJson::Typ::Null);
    EXPECT_TRUE(stalowy["Niejednorodna"]["Komunikat"].Tekst.starts_with(
        "metoda uproszczona PN-EN ISO 6946 nie ma zastosowania: "));

    const auto t = Zestawienie({"--zestawienie", pliki[0], pliki[1]});
    ASSERT_EQ(t.Kod, 0) << t.Bledy;
    for (const std::string& fragment :
         {std::string(" ¹ "), std::string(" ² "), std::string("² metoda uproszczona nie ma zastosowania"),
          "  Poz. 2, stal.pro: " + stalowy["Niejednorodna"]["Komunikat"].Tekst + "\n"})
        EXPECT_NE(t.Wyjscie.find(fragment), std::string::npos) << fragment << "\nin:\n" << t.Wyjscie;
}

} // namespace
