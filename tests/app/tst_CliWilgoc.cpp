// The moisture check and the summer figures on the command line: options, the new JSON keys, the text
// sections, and several projects in one run (JSON Lines, error objects, the worst status).
#include "Json.h"
#include "Pomoc.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace murolab;
using namespace murolab::test;

namespace {

// The condensing wall of the shared set-up, with a correction so that no reminder is printed.
TModelProjektu Welna() {
    TModelProjektu m = ScianaZWelna();
    m.WarunkiPracy.DeltaUk = 0.05;
    return m;
}

std::string ZapiszKlimat(const TKatalogTymczasowy& k, const std::string& nazwa, double zima) {
    std::string s = "# Stacja próbna\nmiesiąc;temp;wilgotnosc\n";
    for (int m = 1; m <= 12; ++m)
        s += std::to_string(m) + ";" + (m <= 2 || m >= 11 ? std::to_string(zima) : std::string("15")) +
             ";80\n";
    const std::string p = k.Plik(nazwa);
    std::filesystem::create_directories(std::filesystem::path(p).parent_path());
    std::ofstream(p) << s;
    return p;
}

std::vector<TJson> Linie(const std::string& wyjscie) {
    std::vector<TJson> w;
    std::istringstream s(wyjscie);
    std::string l;
    while (std::getline(s, l))
        w.push_back(CzytajJson(l));
    return w;
}

TEST(WierszPolecenWilgoc, JsonZKlimatemMaUzgodnioneKlucze) {
    TKatalogProjektow k;
    const std::string klimat = ZapiszKlimat(k, "mroz.csv", -5);
    const std::string projekt = k.Projekt("welna.pro", Welna());
    const auto u = Uruchom({"--oblicz", projekt, "--json", "--klimat", klimat, "--wnetrze", "klasa3"});
    ASSERT_EQ(u.Kod, 0) << u.Bledy;
    const TJson j = CzytajJson(u.Wyjscie);
    EXPECT_EQ(j["Plik"].Tekst, projekt);
    EXPECT_EQ(j["Kondensacja"].Klucze(),
              (std::vector<std::string>{"Plaszczyzny", "Strumien", "CisNasy", "CisCzast"}));
    ASSERT_EQ(j["Kondensacja"]["Plaszczyzny"].Elementy.size(), 1u);
    EXPECT_EQ(j["Kondensacja"]["Plaszczyzny"][0].Klucze(),
              (std::vector<std::string>{"Styk", "Temp", "Strumien"}));
    EXPECT_EQ(j["Kondensacja"]["Plaszczyzny"][0]["Styk"].Liczba, 2);
    EXPECT_NEAR(j["Kondensacja"]["Plaszczyzny"][0]["Strumien"].Liczba, 5.242345e-7, 5e-12) << "kg/(m2 s)";
    EXPECT_EQ(j["Kondensacja"]["Strumien"].Rodzaj, TJson::Typ::Null);
    EXPECT_EQ(j["Kondensacja"]["CisCzast"].Elementy.size(), 4u) << "interfaces 0..n";

    const TJson& r = j["Roczny"];
    EXPECT_EQ(r.Klucze(), (std::vector<std::string>{"Klimat", "Wnetrze", "MiesiacStartu", "Werdykt", "MaMax",
                                                    "MaMaxMiesiac", "MaMaxStyk", "MaKoniec", "Miesiace"}));
    EXPECT_EQ(r["Klimat"].Tekst, klimat);
    EXPECT_EQ(r["Wnetrze"].Tekst, "klasa3");
    EXPECT_EQ(r["MiesiacStartu"].Liczba, 11);
    EXPECT_EQ(r["MaMaxStyk"].Liczba, 2);
    ASSERT_EQ(r["Miesiace"].Elementy.size(), 12u);
    for (std::size_t m = 0; m < 12; ++m)
        EXPECT_EQ(r["Miesiace"][m]["Miesiac"].Liczba, static_cast<double>(m + 1)) << "calendar order";
    EXPECT_EQ(r["Miesiace"][0].Klucze(),
              (std::vector<std::string>{"Miesiac", "TempZewn", "WilgotZewn", "CisZewn", "TempWewn", "CisWewn",
                                        "fRsiMin", "Plaszczyzny"}));
    ASSERT_FALSE(r["Miesiace"][0]["Plaszczyzny"].Elementy.empty());
    EXPECT_EQ(r["Miesiace"][0]["Plaszczyzny"][0].Klucze(),
              (std::vector<std::string>{"Styk", "Strumien", "Ilosc", "Ma"}));
    // Class 3 at -5 degC: pi = pe + 1.10 * 810.
    EXPECT_NEAR(r["Miesiace"][0]["CisWewn"].Liczba - r["Miesiace"][0]["CisZewn"].Liczba, 891, 1e-9);

    EXPECT_EQ(j["fRsi"].Klucze(),
              (std::vector<std::string>{"Przegrody", "Wymagane072", "MiesiacKrytyczny", "fRsiMax"}));
    EXPECT_EQ(j["fRsi"]["Wymagane072"].Liczba, 0.72);
    EXPECT_EQ(j["fRsi"]["MiesiacKrytyczny"].Rodzaj, TJson::Typ::Liczba);
    EXPECT_EQ(j["WT2021"].Klucze(),
              (std::vector<std::string>{"Wiersz", "UMax", "Uk", "SpelniaU", "SpelniafRsi",
                                        "SpelniaKondensacja", "Spelnia"}));
    EXPECT_EQ(j["WT2021"]["Wiersz"].Tekst, "sciana_zewnetrzna");
    EXPECT_EQ(j["WT2021"]["Spelnia"].Rodzaj, TJson::Typ::Logiczna);
    EXPECT_EQ(j["Letnie"].Rodzaj, TJson::Typ::Null) << "the layers carry no density";
}

TEST(WierszPolecenWilgoc, BezKlimatuRokNieJestOceniany) {
    TKatalogProjektow k;
    const auto u = Uruchom({"--oblicz", k.Projekt("welna.pro", Welna()), "--json", "--wiersz-wt", "dach"});
    ASSERT_EQ(u.Kod, 0) << u.Bledy;
    const TJson j = CzytajJson(u.Wyjscie);
    EXPECT_EQ(j["Roczny"].Rodzaj, TJson::Typ::Null);
    EXPECT_EQ(j["fRsi"]["MiesiacKrytyczny"].Rodzaj, TJson::Typ::Null);
    EXPECT_EQ(j["fRsi"]["fRsiMax"].Rodzaj, TJson::Typ::Null);
    EXPECT_EQ(j["WT2021"]["Wiersz"].Tekst, "dach") << "the option beats the partition type";
    EXPECT_EQ(j["WT2021"]["UMax"].Liczba, 0.15);
    EXPECT_EQ(j["WT2021"]["SpelniaU"].Rodzaj, TJson::Typ::Logiczna);
    EXPECT_EQ(j["WT2021"]["SpelniaKondensacja"].Rodzaj, TJson::Typ::Null);
    // 15 cm of wool misses the roof row's 0,15: that alone fails the whole, year or no year.
    EXPECT_FALSE(j["WT2021"]["SpelniaU"].Logiczna);
    EXPECT_EQ(j["WT2021"]["Spelnia"].Rodzaj, TJson::Typ::Logiczna);
    EXPECT_FALSE(j["WT2021"]["Spelnia"].Logiczna);
}

TEST(WierszPolecenWilgoc, TekstMaNoweSekcjePoKlasycznych) {
    TKatalogProjektow k;
    const std::string klimat = ZapiszKlimat(k, "k.csv", -5);
    const auto u = Uruchom({"--oblicz", k.Projekt("welna.pro", Welna()), "--klimat", klimat});
    ASSERT_EQ(u.Kod, 0) << u.Bledy;
    const auto klasyczny = u.Wyjscie.find("Dla zadanych warunków brzegowych");
    ASSERT_NE(klasyczny, std::string::npos);
    std::size_t poprzedni = klasyczny;
    for (const char* sekcja :
         {"Kondensacja wewnątrz przegrody", "styk warstw 2 i 3", "Bilans roczny (klimat: ", "listopad",
          "Werdykt: kondensacja", "fRsi = ", "Wymagania WT 2021 (Ściany zewnętrzne)", "Umax = 0,20 W/(m²·K)",
          "Lato (PN-EN ISO 13786", "brak gęstości lub ciepła właściwego warstw 1, 2, 3"}) {
        const auto gdzie = u.Wyjscie.find(sekcja, poprzedni);
        EXPECT_NE(gdzie, std::string::npos) << sekcja;
        if (gdzie != std::string::npos)
            poprzedni = gdzie;
    }
}

TEST(WierszPolecenWilgoc, KlimatPoNazwieZKataloguUzytkownika) {
    TKatalogProjektow k;
    ZapiszKlimat(k, "xdg/murolab/klimat/Moj.csv", -12);
    const char* bylo = std::getenv("XDG_DATA_HOME");
    const std::string stare = bylo ? bylo : "";
    ::setenv("XDG_DATA_HOME", k.Plik("xdg").c_str(), 1);
    const auto u = Uruchom({"--oblicz", k.Projekt("welna.pro", Welna()), "--json", "--klimat", "Moj"});
    const auto brak = Uruchom({"--oblicz", k.Projekt("welna.pro", Welna()), "--klimat", "NieMa"});
    bylo ? (void)::setenv("XDG_DATA_HOME", stare.c_str(), 1) : (void)::unsetenv("XDG_DATA_HOME");
    ASSERT_EQ(u.Kod, 0) << u.Bledy;
    const TJson j = CzytajJson(u.Wyjscie);
    EXPECT_EQ(j["Roczny"]["Klimat"].Tekst, "Moj");
    EXPECT_EQ(j["Roczny"]["Miesiace"][0]["TempZewn"].Liczba, -12);
    EXPECT_EQ(brak.Kod, 2);
    EXPECT_NE(brak.Bledy.find("Nie znaleziono klimatu „NieMa”"), std::string::npos) << brak.Bledy;
    EXPECT_EQ(brak.Wyjscie, "") << "nothing printed for a project whose climate is missing";
}

TEST(WierszPolecenWilgoc, ZleOpcjeKonczaSieKodem2) {
    TKatalogProjektow k;
    const std::string p = k.Projekt("welna.pro", Welna());
    struct Wiersz {
        const char* nazwa;
        std::vector<std::string> argumenty;
        const char* komunikat;
    };
    for (const Wiersz& w :
         {Wiersz{"wnetrze", {"--oblicz", p, "--wnetrze", "klasa5"}, "Nieznana wartość --wnetrze"},
          Wiersz{"wiersz_wt", {"--oblicz", p, "--wiersz-wt", "sciana"}, "Nieznany wiersz WT 2021"},
          Wiersz{"klimat_bez_wartosci", {"--oblicz", p, "--klimat"}, "Po --klimat brakuje wartości"},
          Wiersz{"klimat_dwa_razy",
                 {"--oblicz", p, "--klimat", "a", "--klimat", "b"},
                 "Opcja --klimat podana dwa razy"},
          Wiersz{"raport_z_dwoma", {"--oblicz", p, p, "--raport", "r.pdf"}, "tylko z jednym plikiem"},
          Wiersz{"zly_plik_klimatu",
                 {"--oblicz", p, "--klimat", k.Plik("zly.csv")},
                 "Plik klimatu: Nie można otworzyć pliku"}}) {
        SCOPED_TRACE(w.nazwa);
        const auto u = Uruchom(w.argumenty);
        EXPECT_EQ(u.Kod, 2);
        EXPECT_NE(u.Bledy.find(w.komunikat), std::string::npos) << u.Bledy;
        EXPECT_EQ(u.Wyjscie, "");
    }
    EXPECT_TRUE(CzyWierszPolecen({"--klimat", "Opole"})) << "an incomplete command line gets its message";
}

TEST(WierszPolecenWilgoc, WielePlikowJsonLinesINajgorszyKod) {
    TKatalogProjektow k;
    const std::string dobry = k.Projekt("dobry.pro", Welna());
    TModelProjektu bezWarunkow = Welna();
    bezWarunkow.WarunkiPracy.Rsi = 0;
    const std::string zly = k.Projekt("bez_warunkow.pro", bezWarunkow);
    const std::string brak = k.Plik("brak.pro");

    const auto u = Uruchom({"--oblicz", dobry, brak, zly, dobry, "--json"});
    EXPECT_EQ(u.Kod, 2) << "the worst of 0, 2, 1, 0";
    const auto linie = Linie(u.Wyjscie);
    ASSERT_EQ(linie.size(), 4u) << u.Wyjscie;
    EXPECT_EQ(linie[0]["Plik"].Tekst, dobry);
    EXPECT_EQ(linie[0]["LiczbaWarstw"].Liczba, 3);
    EXPECT_EQ(linie[1].Klucze(), (std::vector<std::string>{"Plik", "Blad", "Kod"}));
    EXPECT_EQ(linie[1]["Plik"].Tekst, brak);
    EXPECT_EQ(linie[1]["Kod"].Liczba, 2);
    EXPECT_NE(linie[1]["Blad"].Tekst.find("brak.pro"), std::string::npos) << linie[1]["Blad"].Tekst;
    EXPECT_EQ(linie[2]["Kod"].Liczba, 1);
    EXPECT_EQ(linie[2]["Blad"].Tekst, "Nie określono warunków pracy !!");
    EXPECT_EQ(linie[3]["Plik"].Tekst, dobry);
    EXPECT_NE(u.Bledy.find("Nie określono warunków pracy !!"), std::string::npos)
        << "messages still on stderr";

    const auto tekst = Uruchom({"--oblicz", zly, dobry});
    EXPECT_EQ(tekst.Kod, 1);
    EXPECT_NE(tekst.Wyjscie.find("Projekt: " + dobry), std::string::npos);
}

TEST(WierszPolecenWilgoc, LatoWJsonieIWTekscie) {
    TModelProjektu m = Warunki(20, 50, -20, 85);
    DodajWarstwe(m, "Beton", 0.2, 2.0, 70);
    DodajWarstwe(m, "Styropian", 0.15, 0.04, 60);
    m.Warstwy[1].Gestosc = 2400;
    m.Warstwy[1].Cieplo = 1.0;
    m.Warstwy[2].Gestosc = 20;
    m.Warstwy[2].Cieplo = 1.45;
    ObliczPrzegrode(m);
    const TAnalizaIso13788 a = AnalizujIso13788(m, nullptr, "", TWnetrze{0}, DomyslnyWierszWT(""));
    const auto lato = LatoPrzegrody(m);
    ASSERT_TRUE(lato.has_value());
    const TJson j = CzytajJson(DopiszJsonWilgotnosciowy("{\"A\":1}\n", "p.pro", a, lato));
    EXPECT_EQ(j.Klucze(),
              (std::vector<std::string>{"A", "Plik", "Kondensacja", "Roczny", "fRsi", "WT2021", "Letnie"}));
    EXPECT_EQ(j["Letnie"].Klucze(),
              (std::vector<std::string>{"U", "Y12", "Tlumienie", "Opoznienie", "Kappa1", "Kappa2", "Y11"}));
    EXPECT_NEAR(j["Letnie"]["Opoznienie"].Liczba, 8.0797, 1e-4);
    const std::string t = TekstWilgotnosciowy(m, a, lato);
    EXPECT_NE(t.find("tłumienie 5,9-krotne, opóźnienie 8,1 h"), std::string::npos) << t;
    EXPECT_NE(t.find("nie wybrano klimatu"), std::string::npos) << t;
}

} // namespace
