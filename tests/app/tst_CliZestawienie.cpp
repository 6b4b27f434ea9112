// The summary of projects on the command line: each row equals what `--oblicz … --json` gives for the
// project alone; a broken project keeps its row; the summary file; the exit statuses; the CSV.
#include "Json.h"
#include "Pomoc.h"
#include "app/CliZestawienie.h"
#include "files/Zestawienie.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

using namespace murolab;
using namespace murolab::test;

namespace {

TUruchomienie UruchomZestawienie(const std::vector<std::string>& argumenty) {
    std::ostringstream out, err;
    TUruchomienie u;
    u.Kod = murolab::UruchomZestawienie(argumenty, kKatalogDanych, out, err);
    u.Wyjscie = out.str();
    u.Bledy = err.str();
    return u;
}

// The whole file with its extension block: the description, the stored choices, density and heat.
std::string ZapiszPelny(const TKatalogTymczasowy& k, const std::string& nazwa, const TModelProjektu& m) {
    const std::string p = k.Plik(nazwa);
    EXPECT_EQ(ZapiszBajtyProjektu(p, KodujProjekt(m)), std::nullopt);
    return p;
}

std::string Czytaj(const std::string& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// Three projects that differ in what a row shows: a condensing wool wall with its own stored climate
// and indoor class, a massive wall with a description and its summer data, a roof on its own WT row.
struct TTrzyProjekty {
    TKatalogProjektow k;
    std::vector<std::string> Pliki;
    TTrzyProjekty() {
        TModelProjektu welna = ScianaZWelna();
        welna.WarunkiPracy.DeltaUk = 0.05;
        welna.Iso13788.Klimat = ZapiszKlimat(k, "mroz.csv", -8);
        welna.Iso13788.Wnetrze = "klasa3";
        Pliki.push_back(ZapiszPelny(k, "welna.pro", welna));

        TModelProjektu masywna = Warunki(20, 50, -20, 85);
        WarunkiScianyStrefyIII(masywna.WarunkiPracy);
        masywna.WarunkiPracy.DeltaUk = 0.05;
        DodajWarstwe(masywna, "Beton", 0.2, 2.0, 70);
        DodajWarstwe(masywna, "Styropian grafitowy", 0.25, 0.031, 60);
        masywna.Warstwy[1].Gestosc = 2400;
        masywna.Warstwy[1].Cieplo = 1.0;
        masywna.Warstwy[2].Gestosc = 20;
        masywna.Warstwy[2].Cieplo = 1.45;
        masywna.DaneProjektu.Obiekt.UstawUtf8("Ściana parteru");
        masywna.DaneProjektu.Data.UstawUtf8("01.02.2026");
        Pliki.push_back(ZapiszPelny(k, "masywna.pro", masywna));

        TModelProjektu dach = Warunki(20, 55, -20, 85);
        dach.WarunkiPracy.DeltaUk = 0.15;
        dach.WarunkiPracy.TypPrzegrody.UstawUtf8("Dach");
        DodajWarstwe(dach, "Płyta g-k", 0.0125, 0.25, 10);
        DodajWarstwe(dach, "Wełna mineralna", 0.25, 0.035, 1);
        dach.Iso13788.WierszWT = "strop_nad_nieogrzewanym";
        Pliki.push_back(ZapiszPelny(k, "dach.pro", dach));
    }
};

void PorownajZObliczeniem(const TJson& w, const TJson& o) {
    SCOPED_TRACE(w["Plik"].Tekst);
    ASSERT_EQ(w["Stan"].Tekst, "obliczony");
    const TJson& wt = o["WT2021"];
    const TJson& f = o["fRsi"];
    EXPECT_EQ(w["RodzajPrzegrody"].Tekst, o["WarunkiPracy"]["TypPrzegrody"].Tekst);
    EXPECT_EQ(w["WierszWT"].Tekst, wt["Wiersz"].Tekst);
    EXPECT_EQ(w["Uk"].Liczba, wt["Uk"].Liczba);
    EXPECT_EQ(w["Uk"].Liczba, o["Uk"].Liczba);
    EXPECT_EQ(w["UMax"].Rodzaj, wt["UMax"].Rodzaj);
    EXPECT_EQ(w["UMax"].Liczba, wt["UMax"].Liczba);
    EXPECT_EQ(w["SpelniaU"].Logiczna, wt["SpelniaU"].Logiczna);
    EXPECT_EQ(w["fRsi"].Liczba, f["Przegrody"].Liczba);
    const bool rokWyzszy =
        f["fRsiMax"].Rodzaj == TJson::Typ::Liczba && f["fRsiMax"].Liczba > f["Wymagane072"].Liczba;
    EXPECT_EQ(w["fRsiWymagane"].Liczba, rokWyzszy ? f["fRsiMax"].Liczba : f["Wymagane072"].Liczba);
    if (rokWyzszy)
        EXPECT_EQ(w["fRsiMiesiac"].Liczba, f["MiesiacKrytyczny"].Liczba);
    else
        EXPECT_EQ(w["fRsiMiesiac"].Rodzaj, TJson::Typ::Null);
    EXPECT_EQ(w["SpelniafRsi"].Logiczna, wt["SpelniafRsi"].Logiczna);
    const bool kondensuje = o["Arkusz"]["LabeLKomunikat"].Tekst.rfind("UWAGA", 0) == 0;
    EXPECT_EQ(w["KondensacjaPowierzchniowa"].Tekst, kondensuje ? "wystepuje" : "brak");
    if (o["Roczny"].Rodzaj == TJson::Typ::Null) {
        EXPECT_EQ(w["Bilans"].Rodzaj, TJson::Typ::Null);
        EXPECT_EQ(w["MaMax"].Rodzaj, TJson::Typ::Null);
    } else {
        EXPECT_EQ(w["Bilans"].Tekst, o["Roczny"]["Werdykt"].Tekst);
        EXPECT_EQ(w["MaMax"].Liczba, o["Roczny"]["MaMax"].Liczba);
    }
    if (o["Letnie"].Rodzaj == TJson::Typ::Null) {
        EXPECT_EQ(w["Opoznienie"].Rodzaj, TJson::Typ::Null);
        EXPECT_EQ(w["Tlumienie"].Rodzaj, TJson::Typ::Null);
    } else {
        EXPECT_EQ(w["Opoznienie"].Liczba, o["Letnie"]["Opoznienie"].Liczba);
        EXPECT_EQ(w["Tlumienie"].Liczba, o["Letnie"]["Tlumienie"].Liczba);
    }
    EXPECT_EQ(w["SpelniaWT2021"].Rodzaj, wt["Spelnia"].Rodzaj);
    EXPECT_EQ(w["SpelniaWT2021"].Logiczna, wt["Spelnia"].Logiczna);
}

TEST(WierszPolecenZestawienie, WierszRownaSieObliczeniuPojedynczemu) {
    TTrzyProjekty p;
    // With the stored choices, and with options that beat them (a climate by its path, and a shipped
    // one by its station's name as a user writes it), alike for both commands.
    const std::string klimat = ZapiszKlimat(p.k, "odwilz.csv", 2);
    for (const std::vector<std::string>& opcje :
         {std::vector<std::string>{}, std::vector<std::string>{"--klimat", klimat, "--wnetrze", "klasa4"},
          std::vector<std::string>{"--klimat", "warszawa-okęcie"}}) {
        std::vector<std::string> argumenty{"--zestawienie"};
        argumenty.insert(argumenty.end(), p.Pliki.begin(), p.Pliki.end());
        argumenty.push_back("--json");
        argumenty.insert(argumenty.end(), opcje.begin(), opcje.end());
        const auto z = UruchomZestawienie(argumenty);
        ASSERT_EQ(z.Kod, 0) << z.Bledy;
        const TJson j = CzytajJson(z.Wyjscie);
        EXPECT_EQ(j.Klucze(), (std::vector<std::string>{"Zestawienie", "Budynek", "Wiersze"}));
        ASSERT_EQ(j["Wiersze"].Elementy.size(), 3u);
        for (std::size_t i = 0; i < p.Pliki.size(); ++i) {
            std::vector<std::string> pojedynczo{"--oblicz", p.Pliki[i], "--json"};
            pojedynczo.insert(pojedynczo.end(), opcje.begin(), opcje.end());
            const auto o = Uruchom(pojedynczo);
            ASSERT_EQ(o.Kod, 0) << o.Bledy;
            PorownajZObliczeniem(j["Wiersze"][i], CzytajJson(o.Wyjscie));
        }
    }
}

TEST(WierszPolecenZestawienie, WierszeMajaNazwyIWerdykty) {
    TTrzyProjekty p;
    const auto z = UruchomZestawienie({"--zestawienie", p.Pliki[0], p.Pliki[1], p.Pliki[2], "--json"});
    ASSERT_EQ(z.Kod, 0) << z.Bledy;
    const TJson j = CzytajJson(z.Wyjscie);
    EXPECT_EQ(j["Wiersze"][0]["Przegroda"].Tekst, "welna.pro") << "no description: the file's name";
    EXPECT_EQ(j["Wiersze"][1]["Przegroda"].Tekst, "Ściana parteru");
    EXPECT_EQ(j["Wiersze"][0]["Bilans"].Tekst, "narasta");
    EXPECT_EQ(j["Wiersze"][0]["WT2021"].Tekst, "nie spełnia");
    EXPECT_EQ(j["Wiersze"][2]["WierszWT"].Tekst, "strop_nad_nieogrzewanym");
    EXPECT_EQ(j["Wiersze"][1]["WT2021"].Tekst, "nie oceniono") << "no climate, U and fRsi pass";

    const auto t = UruchomZestawienie({"--zestawienie", p.Pliki[0], p.Pliki[1], p.Pliki[2]});
    ASSERT_EQ(t.Kod, 0) << t.Bledy;
    EXPECT_NE(t.Wyjscie.find("Ściana parteru"), std::string::npos) << t.Wyjscie;
    EXPECT_NE(t.Wyjscie.find("Przesunięcie fazy [h]"), std::string::npos) << t.Wyjscie;
    EXPECT_NE(t.Wyjscie.find("nie sprawdzono"), std::string::npos) << t.Wyjscie;
}

TEST(WierszPolecenZestawienie, ZepsutyProjektWSrodkuNieZatrzymujePozostalych) {
    TTrzyProjekty p;
    const std::string zepsuty = p.k.Plik("zepsuty.pro");
    std::ofstream(zepsuty) << "to nie jest projekt";
    TModelProjektu pusty = Warunki(20, 50, -20, 85);
    const std::string bezWarstw = p.k.Projekt("bez_warstw.pro", pusty);

    struct TPrzypadek {
        const char* Nazwa;
        std::string Srodek;
        int Kod;
        const char* Stan;
    };
    for (const TPrzypadek& c : {TPrzypadek{"nieczytelny", zepsuty, 2, "błąd pliku"},
                                TPrzypadek{"bez warstw", bezWarstw, 1, "błąd obliczeń"},
                                TPrzypadek{"brak pliku", p.k.Plik("nie_ma.pro"), 2, "brak pliku"}}) {
        SCOPED_TRACE(c.Nazwa);
        const auto z = UruchomZestawienie({"--zestawienie", p.Pliki[0], c.Srodek, p.Pliki[1], "--json"});
        EXPECT_EQ(z.Kod, c.Kod);
        const TJson j = CzytajJson(z.Wyjscie);
        ASSERT_EQ(j["Wiersze"].Elementy.size(), 3u);
        EXPECT_EQ(j["Wiersze"][0]["Stan"].Tekst, "obliczony");
        EXPECT_EQ(j["Wiersze"][1]["Stan"].Tekst, c.Stan);
        EXPECT_EQ(j["Wiersze"][1]["Kod"].Liczba, c.Kod);
        EXPECT_FALSE(j["Wiersze"][1]["Blad"].Tekst.empty());
        EXPECT_NE(z.Bledy.find(j["Wiersze"][1]["Blad"].Tekst), std::string::npos) << z.Bledy;
        EXPECT_EQ(j["Wiersze"][2]["Stan"].Tekst, "obliczony");

        const auto t = UruchomZestawienie({"--zestawienie", p.Pliki[0], c.Srodek, p.Pliki[1]});
        EXPECT_EQ(t.Kod, c.Kod);
        EXPECT_NE(t.Wyjscie.find("Nie obliczono:\n  " + c.Srodek + ": "), std::string::npos) << t.Wyjscie;
    }
}

TEST(WierszPolecenZestawienie, PlikZestawieniaZeSciezkamiWzglednymi) {
    TTrzyProjekty p;
    std::filesystem::create_directories(p.k.Sciezka() / "budynek");
    const std::string plik = p.k.Plik("budynek/dom.zestawienie.json");
    TPlikZestawienia z;
    z.Budynek.Nazwa = "Dom jednorodzinny";
    z.Budynek.Adres = "ul. Łąkowa 5, Łódź";
    for (const std::string& projekt : p.Pliki)
        z.Projekty.push_back(SciezkaWZestawieniu(projekt, plik));
    z.Projekty.push_back("../zaginiony.pro");
    ASSERT_EQ(ZapiszZestawienie(plik, z), std::nullopt);
    EXPECT_EQ(z.Projekty[0], "../welna.pro");

    const auto u = UruchomZestawienie({"--zestawienie", plik, "--json"});
    EXPECT_EQ(u.Kod, 2) << "a path leaving no file";
    const TJson j = CzytajJson(u.Wyjscie);
    EXPECT_EQ(j["Zestawienie"].Tekst, plik);
    EXPECT_EQ(j["Budynek"]["Adres"].Tekst, "ul. Łąkowa 5, Łódź");
    ASSERT_EQ(j["Wiersze"].Elementy.size(), 4u);
    EXPECT_EQ(j["Wiersze"][1]["Plik"].Tekst, "../masywna.pro") << "the path as stored";
    EXPECT_EQ(j["Wiersze"][1]["Stan"].Tekst, "obliczony");
    EXPECT_EQ(j["Wiersze"][3]["Stan"].Tekst, "brak pliku");
    EXPECT_EQ(j["Wiersze"][3]["Plik"].Tekst, "../zaginiony.pro");
    EXPECT_NE(j["Wiersze"][3]["Blad"].Tekst.find("zaginiony.pro"), std::string::npos);

    const auto t = UruchomZestawienie({"--zestawienie", plik});
    EXPECT_NE(t.Wyjscie.find("Budynek: Dom jednorodzinny\n"), std::string::npos) << t.Wyjscie;
}

TEST(WierszPolecenZestawienie, NiepoprawnyJsonZestawieniaZNumeremWiersza) {
    TKatalogTymczasowy k;
    const std::string plik = k.Plik("zly.zestawienie.json");
    std::ofstream(plik)
        << "{\n  \"Format\": \"murolab-zestawienie\",\n  \"Wersja\": 1,\n  \"Projekty\": [\"a.pro\",]\n}\n";
    const auto u = UruchomZestawienie({"--zestawienie", plik});
    EXPECT_EQ(u.Kod, 2);
    EXPECT_EQ(u.Wyjscie, "");
    EXPECT_NE(u.Bledy.find("zly.zestawienie.json"), std::string::npos) << u.Bledy;
    EXPECT_NE(u.Bledy.find("wiersz 4"), std::string::npos) << u.Bledy;
}

TEST(WierszPolecenZestawienie, ZleWywolaniaKod2) {
    TTrzyProjekty p;
    for (const std::vector<std::string>& a : {
             std::vector<std::string>{"--zestawienie"},
             std::vector<std::string>{"--zestawienie", p.Pliki[0], "--csv"},
             std::vector<std::string>{"--zestawienie", p.Pliki[0], "--wnetrze", "klasa9"},
             std::vector<std::string>{"--zestawienie", p.Pliki[0], "--nieznana"},
             std::vector<std::string>{"--zestawienie", p.Pliki[0], "b.zestawienie.json"},
             std::vector<std::string>{"--zestawienie", p.Pliki[0], "--csv", p.Pliki[0]},
             std::vector<std::string>{"--csv", "x.csv"},
         }) {
        EXPECT_TRUE(CzyZestawienie(a));
        SCOPED_TRACE(a.back());
        const auto u = UruchomZestawienie(a);
        EXPECT_EQ(u.Kod, 2);
        EXPECT_EQ(u.Wyjscie, "");
        EXPECT_FALSE(u.Bledy.empty());
    }
    EXPECT_EQ(Niepowodzenie(WczytajPlikProjektu(p.Pliki[0])), nullptr)
        << "the project was not replaced by the CSV";
    const auto pomoc = UruchomZestawienie({"--zestawienie", "--help"});
    EXPECT_EQ(pomoc.Kod, 0);
    EXPECT_TRUE(pomoc.Wyjscie.starts_with("Użycie: murolab --zestawienie")) << pomoc.Wyjscie;
}

TEST(WierszPolecenZestawienie, CsvZNaglowkiemIPrzecinkiem) {
    TTrzyProjekty p;
    const std::string csv = p.k.Plik("zestawienie.csv");
    const auto u =
        UruchomZestawienie({"--zestawienie", p.Pliki[0], p.Pliki[1], p.k.Plik("nie_ma.pro"), "--csv", csv});
    EXPECT_EQ(u.Kod, 2);
    const std::string s = Czytaj(csv);
    ASSERT_TRUE(s.starts_with("\xEF\xBB\xBF")) << "a Polish spreadsheet needs the mark to read UTF-8";
    std::vector<std::string> linie;
    std::size_t od = 3;
    for (std::size_t i; (i = s.find("\r\n", od)) != std::string::npos; od = i + 2)
        linie.push_back(s.substr(od, i - od));
    ASSERT_EQ(linie.size(), 4u);
    EXPECT_TRUE(
        linie[0].starts_with("Plik;Przegroda;Rodzaj przegrody;Uk [W/(m2K)];Umax [W/(m2K)];fRsi;fRsi "
                             "wymagane;Kondensacja powierzchniowa;Bilans roczny;Ma,max [g/m2];Przesunięcie "
                             "fazy [h];WT 2021"))
        << linie[0];
    for (const std::string& l : linie)
        EXPECT_EQ(std::count(l.begin(), l.end(), ';'), std::count(linie[0].begin(), linie[0].end(), ';'))
            << l;
    auto pola = [](const std::string& l) {
        std::vector<std::string> w;
        std::size_t a = 0;
        for (std::size_t b; (b = l.find(';', a)) != std::string::npos; a = b + 1)
            w.push_back(l.substr(a, b - a));
        w.push_back(l.substr(a));
        return w;
    };
    const auto welna = pola(linie[1]);
    const auto masywna = pola(linie[2]);
    EXPECT_EQ(welna[0], p.Pliki[0]);
    EXPECT_EQ(masywna[1], "Ściana parteru");
    EXPECT_EQ(masywna[3], "0,170") << "Uk, three decimals with a comma";
    EXPECT_EQ(masywna[4], "0,200") << "Umax";
    EXPECT_EQ(masywna[8], "nie sprawdzono");
    EXPECT_EQ(masywna[9], "") << "Ma,max without a climate";
    ASSERT_GE(masywna[10].size(), 3u);
    EXPECT_EQ(masywna[10][masywna[10].size() - 2], ',') << "the time shift with one decimal: " << masywna[10];
    EXPECT_NE(welna[9], "") << "Ma,max with the stored climate";
    EXPECT_EQ(welna[9].find('.'), std::string::npos);
    EXPECT_EQ(welna[9][welna[9].size() - 2], ',');
    EXPECT_EQ(pola(linie[3])[3], "") << "a missing project has no Uk";
}

} // namespace
