// The rows of the summary of projects as texts: the cells, the verdicts, the spreadsheet's fields
// and the worst exit status.
#include "core/AnalizaProjektu.h"
#include "core/Iso6946.h"
#include "core/Liczby.h"
#include "core/Przygotowanie.h"
#include "core/Zestawienie.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace murolab;
using namespace murolab::test;

namespace {

TWierszZestawienia Obliczony() {
    TWierszZestawienia w;
    w.Plik = "a.pro";
    w.Przegroda = "Ściana";
    w.RodzajPrzegrody = "Ściana zewnętrzna";
    w.Uk = 0.18349;
    w.UMax = 0.2;
    w.SpelniaU = true;
    w.FRsi = 0.95;
    w.FRsiWymagane = 0.7812;
    w.MiesiacFRsi = 1;
    w.SpelniaFRsi = true;
    w.Bilans = TWerdyktRoczny::Wysycha;
    w.MaMax = 0.01234;
    w.Opoznienie = 8.0797;
    w.Tlumienie = 0.16912;
    w.WT2021 = TOcenaWT2021::Spelnia;
    return w;
}

std::vector<std::string> Linie(const std::string& s) {
    std::vector<std::string> w;
    std::size_t od = 0;
    for (std::size_t i; (i = s.find("\r\n", od)) != std::string::npos; od = i + 2)
        w.push_back(s.substr(od, i - od));
    return w;
}

TEST(Zestawienie, KomorkiWPolskimZapisie) {
    const TWierszZestawienia w = Obliczony();
    using K = TKolumnaZestawienia;
    const std::vector<std::pair<K, std::string>> oczekiwane{
        {K::Przegroda, "Ściana"},
        {K::Rodzaj, "Ściana zewnętrzna"},
        {K::Uk, "0,183"},
        {K::UMax, "0,200"},
        {K::FRsi, "0,950"},
        {K::FRsiWymagane, "0,781 (styczeń)"},
        {K::KondensacjaPowierzchniowa, "nie występuje"},
        {K::Bilans, "wysycha"},
        {K::MaMax, "12,3"},
        {K::Opoznienie, "8,1"},
        {K::Tlumienie, "0,169"},
        {K::WT2021, "spełnia"},
    };
    for (const auto& [k, tekst] : oczekiwane)
        EXPECT_EQ(KomorkaZestawienia(w, k), tekst) << NaglowekKolumny(k);

    TWierszZestawienia bez = w;
    bez.UMax.reset();
    bez.MaMax.reset();
    bez.Bilans.reset();
    bez.Opoznienie.reset();
    bez.MiesiacFRsi.reset();
    bez.FRsiWymagane = 0.72;
    bez.Niezapisany = true;
    EXPECT_EQ(KomorkaZestawienia(bez, K::UMax), "–");
    EXPECT_EQ(KomorkaZestawienia(bez, K::MaMax), "–");
    EXPECT_EQ(KomorkaZestawienia(bez, K::Bilans), "nie sprawdzono");
    EXPECT_EQ(KomorkaZestawienia(bez, K::FRsiWymagane), "0,720");
    EXPECT_EQ(KomorkaZestawienia(bez, K::Przegroda), "Ściana (niezapisane zmiany)");
    EXPECT_FALSE(LiczbaKomorki(bez, K::MaMax).has_value()) << "an empty cell sorts as none";

    const TWierszZestawienia zly = WierszNieobliczony("b.pro", "b.pro", TStanWiersza::BladPliku, "powód");
    for (int k = 1; k < kLiczbaKolumnZestawienia; ++k)
        EXPECT_EQ(KomorkaZestawienia(zly, static_cast<K>(k)), "");
    EXPECT_EQ(KomorkaZestawienia(zly, K::Przegroda), "b.pro");
}

TEST(Zestawienie, WerdyktWT2021ZModelu) {
    // The analysis of a computed wall decides the row: the whole is "not assessed" only while
    // nothing checked fails.
    struct TPrzypadek {
        const char* Nazwa;
        double Styropian; // m
        TOcenaWT2021 Ocena;
    };
    for (const TPrzypadek& c : {TPrzypadek{"ciepła", 0.20, TOcenaWT2021::NieOceniono},
                                TPrzypadek{"za cienka izolacja", 0.02, TOcenaWT2021::NieSpelnia}}) {
        SCOPED_TRACE(c.Nazwa);
        TModelProjektu m = Warunki(20, 50, -20, 85);
        WarunkiScianyStrefyIII(m.WarunkiPracy);
        DodajWarstwe(m, "Cegła", 0.25, 0.77, 10);
        DodajWarstwe(m, "Styropian", c.Styropian, 0.04, 60);
        ObliczPrzegrode(m);
        const TAnalizaIso13788 a =
            AnalizujIso13788(m, nullptr, "", TWnetrze{0}, DomyslnyWierszWT("Ściana zewnętrzna"));
        const TWierszZestawienia w = WierszZestawienia("p.pro", "p", m, a, LatoPrzegrody(m));
        EXPECT_EQ(w.WT2021, c.Ocena);
        // The analysis itself says "does not comply" once a checked part fails, year or none.
        EXPECT_EQ(w.SpelniaWT,
                  c.Ocena == TOcenaWT2021::NieSpelnia ? std::optional<bool>(false) : std::nullopt);
        EXPECT_FALSE(w.Bilans.has_value());
        EXPECT_FALSE(w.Opoznienie.has_value()) << "no density or heat";
        EXPECT_EQ(w.Uk, Uk(m));
        EXPECT_EQ(OcenaKomorki(w, TKolumnaZestawienia::Uk), w.SpelniaU);
        EXPECT_EQ(OcenaKomorki(w, TKolumnaZestawienia::Bilans), std::nullopt);
    }
}

// A rafter roof: its U is the combined method's, marked; the same roof with steel profiles instead of
// rafters: the method does not apply, the mark is red, WT 2021 not judged and the reason named in
// every output; a homogeneous wall beside them has none of it.
TEST(Zestawienie, PrzegrodaNiejednorodnaWWierszu) {
    const auto wiersz = [](const std::string& plik, TModelProjektu m) {
        ObliczPrzegrode(m);
        const TAnalizaProjektu a = AnalizujProjekt(m, {nullptr, "", TWnetrze{0}, nullptr});
        return WierszZestawienia(plik, plik, m, a);
    };
    TModelProjektu stal = DachNaKrokwiach();
    stal.Warstwy[2].Mostki[0] = {"Profil stalowy", 50, 1e6, 7850, 0.45, 0.01};
    TModelProjektu sciana = Warunki(20, 50, -20, 85);
    WarunkiScianyStrefyIII(sciana.WarunkiPracy);
    DodajWarstwe(sciana, "Cegła", 0.25, 0.77, 10);
    DodajWarstwe(sciana, "Styropian", 0.2, 0.04, 60);
    const std::vector<TWierszZestawienia> w{wiersz("dach.pro", DachNaKrokwiach()), wiersz("stal.pro", stal),
                                            wiersz("sciana.pro", sciana)};

    const TModelProjektu dach = DachNaKrokwiach();
    const TMetodaLaczona metoda = MetodaLaczona(dach);
    ASSERT_TRUE(w[0].Niejednorodna.has_value());
    EXPECT_TRUE(w[0].Niejednorodna->Stosowalna);
    EXPECT_EQ(w[0].Niejednorodna->RTGorna, metoda.RTGorna);
    EXPECT_EQ(w[0].Niejednorodna->RTDolna, metoda.RTDolna);
    EXPECT_EQ(KomorkaZestawienia(w[0], TKolumnaZestawienia::Uk), Staly(w[0].Uk, 17, 3) + " ¹");
    EXPECT_EQ(OcenaKomorki(w[0], TKolumnaZestawienia::Uk), w[0].SpelniaU);
    // The coldest section decides the surface verdict: the rafter's, not the wool's.
    TModelProjektu krokiew = ModelPrzekroju(dach, metoda.Przekroje[1]);
    ObliczPrzegrode(krokiew);
    EXPECT_EQ(w[0].KondensacjaPowierzchniowa, WerdyktKondensacji(20, -5, krokiew).Rodzaj);

    ASSERT_TRUE(w[1].Niejednorodna.has_value());
    EXPECT_FALSE(w[1].Niejednorodna->Stosowalna);
    EXPECT_EQ(KomorkaZestawienia(w[1], TKolumnaZestawienia::Uk), Staly(w[1].Uk, 17, 3) + " ²");
    EXPECT_EQ(OcenaKomorki(w[1], TKolumnaZestawienia::Uk), std::optional<bool>(false)) << "red";
    EXPECT_EQ(w[1].WT2021, TOcenaWT2021::NieOceniono);
    EXPECT_EQ(KomorkaZestawienia(w[1], TKolumnaZestawienia::WT2021), "nie oceniono");
    EXPECT_FALSE(w[1].SpelniaWT.has_value());
    const std::string komunikat = w[1].Niejednorodna->Komunikat;
    EXPECT_TRUE(komunikat.starts_with("metoda uproszczona PN-EN ISO 6946 nie ma zastosowania: R'T/R''T = "))
        << komunikat;

    EXPECT_FALSE(w[2].Niejednorodna.has_value());
    EXPECT_EQ(KomorkaZestawienia(w[2], TKolumnaZestawienia::Uk), Staly(w[2].Uk, 17, 3));

    EXPECT_EQ(UwagiNiestosowalnych(w), std::vector<std::string>{"Poz. 2, stal.pro: " + komunikat});
    const std::string tekst = TekstZestawienia(w);
    for (const std::string& fragment :
         {std::string(ObjasnienieZnakuMetodyU()), std::string(ObjasnienieZnakuNiestosowalnej()),
          "  Poz. 2, stal.pro: " + komunikat, std::string(kNiestosowalna)})
        EXPECT_NE(tekst.find(fragment), std::string::npos) << fragment << "\nin:\n" << tekst;
    EXPECT_EQ(TekstZestawienia({w[2]}).find("¹"), std::string::npos) << "a homogeneous summary is unchanged";

    const auto csv = Linie(CsvZestawienia(w).substr(3));
    ASSERT_EQ(csv.size(), 4u);
    EXPECT_TRUE(csv[1].ends_with(";U metodą uproszczoną PN-EN ISO 6946 (warstwy niejednorodne)")) << csv[1];
    EXPECT_TRUE(csv[2].ends_with(";\"" + komunikat + "\"")) << csv[2]; // quoted for its ";"
    EXPECT_TRUE(csv[3].ends_with(";spełnia;spełnia;")) << csv[3];

    const TWartoscJson j = JsonWiersza(w[1]);
    ASSERT_NE(j.Znajdz("Niejednorodna"), nullptr);
    EXPECT_EQ(j.Znajdz("Niejednorodna")->Znajdz("Komunikat")->Tekst(), komunikat);
    EXPECT_EQ(j.Znajdz("WT2021")->Tekst(), "nie oceniono");
    EXPECT_EQ(JsonWiersza(w[2]).Znajdz("Niejednorodna"), nullptr);
    EXPECT_EQ(JsonWiersza(w[0]).Znajdz("Niejednorodna")->Znajdz("Komunikat"), nullptr);
}

TEST(Zestawienie, CsvPolaIWiersze) {
    TWierszZestawienia w = Obliczony();
    w.Przegroda = "Ściana; \"A\"";
    const std::vector<TWierszZestawienia> wiersze{
        w,
        WierszNieobliczony("c;d.pro", "c;d.pro", TStanWiersza::BrakPliku, "Brak pliku projektu „c;d.pro”.")};
    const std::string csv = CsvZestawienia(wiersze);
    ASSERT_TRUE(csv.starts_with("\xEF\xBB\xBF"));
    const auto linie = Linie(csv.substr(3));
    ASSERT_EQ(linie.size(), 3u);
    EXPECT_TRUE(linie[0].starts_with(kNaglowekCsv));
    EXPECT_EQ(linie[1], "a.pro;\"Ściana; \"\"A\"\"\";Ściana zewnętrzna;0,183;0,200;0,950;0,781;nie występuje;"
                        "wysycha;12,3;8,1;spełnia;0,169;styczeń;spełnia;spełnia;");
    EXPECT_EQ(linie[2],
              "\"c;d.pro\";\"c;d.pro\";;;;;;;;;;;;;;;\"brak pliku: Brak pliku projektu „c;d.pro”.\"");
    EXPECT_EQ(std::count(linie[0].begin(), linie[0].end(), ';'), 16);
}

TEST(Zestawienie, NajgorszyKodWyjscia) {
    const auto wiersz = [](TStanWiersza s) { return WierszNieobliczony("p", "p", s, "x"); };
    EXPECT_EQ(KodWyjsciaZestawienia({}), 0);
    EXPECT_EQ(KodWyjsciaZestawienia({Obliczony(), Obliczony()}), 0);
    EXPECT_EQ(KodWyjsciaZestawienia({Obliczony(), wiersz(TStanWiersza::BladObliczen)}), 1);
    EXPECT_EQ(KodWyjsciaZestawienia({wiersz(TStanWiersza::BrakPliku), wiersz(TStanWiersza::BladObliczen)}),
              2);
    EXPECT_EQ(KodWyjsciaZestawienia({wiersz(TStanWiersza::BladPliku)}), 2);
}

} // namespace
