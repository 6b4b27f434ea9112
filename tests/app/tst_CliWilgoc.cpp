// The moisture check and the summer figures on the command line: options, the new JSON keys, the text
// sections, and several projects in one run (JSON Lines, error objects, the worst status).
#include "Json.h"
#include "Pomoc.h"
#include "app/JsonWiersza.h"
#include "app/TekstWiersza.h"
#include "core/Obliczenia.h"
#include "files/PlikTablicyNasycenia.h"
#include "output/TekstyKondensacji.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
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

// The analysis of a wall as the window computes it, with the program's own saturation table.
TAnalizaIso13788 AnalizaJakWOknie(TModelProjektu& m, const TKlimat* klimat, const std::string& nazwa) {
    EXPECT_EQ(WczytajTabliceNasycenia((kKatalogDanych / "ula.dat").string(), m.TablicaNasycenia),
              std::nullopt);
    ObliczPrzegrode(m);
    return AnalizujIso13788(m, klimat, nazwa, TWnetrze{0},
                            DomyslnyWierszWT(m.WarunkiPracy.TypPrzegrody.Utf8()));
}

TEST(WierszPolecenWilgoc, TekstToLinieWspolnychTekstowOkna) {
    // The command line words nothing of the moisture check itself: every line of the sheet
    // "Kondensacja i WT 2021", the lines under the verdict and the summer group appear, in order.
    TKatalogProjektow k;
    const std::string plikKlimatu = ZapiszKlimat(k, "k.csv", -5);
    TModelProjektu zLatem = Welna();
    for (int w = 1; w <= zLatem.LiczbaWarstw; ++w) {
        zLatem.Warstwy[w].Gestosc = 500.0 * w;
        zLatem.Warstwy[w].Cieplo = 1.0;
    }
    ASSERT_EQ(ZapiszBajtyProjektu(k.Plik("lato.pro"), KodujProjekt(zLatem)), std::nullopt);
    const std::string bezLata = k.Projekt("welna.pro", Welna());
    struct {
        const char* Nazwa;
        std::string Plik;
        TModelProjektu Model;
        bool Klimat;
    } const przypadki[] = {
        {"z klimatem, bez danych lata", bezLata, Welna(), true},
        {"bez klimatu, z latem", k.Plik("lato.pro"), zLatem, false},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        std::vector<std::string> argumenty{"--oblicz", p.Plik};
        if (p.Klimat) {
            argumenty.push_back("--klimat");
            argumenty.push_back(plikKlimatu);
        }
        const auto u = Uruchom(argumenty);
        ASSERT_EQ(u.Kod, 0) << u.Bledy;

        TModelProjektu m = p.Model;
        std::ifstream f(plikKlimatu);
        std::stringstream tekst;
        tekst << f.rdbuf();
        const auto klimat = CzytajKlimat(tekst.str(), plikKlimatu);
        ASSERT_FALSE(Niepowodzenie(klimat));
        const TAnalizaIso13788 a =
            AnalizaJakWOknie(m, p.Klimat ? &std::get<TKlimat>(klimat) : nullptr, p.Klimat ? plikKlimatu : "");
        const TTekstyKondensacji t = TekstyKondensacji(a, m.LiczbaWarstw);
        std::vector<std::string> oczekiwane;
        for (const TLiniaWyniku& l : LiniePodWerdyktem(a, m.LiczbaWarstw))
            oczekiwane.push_back("\n" + l.Pelna() + "\n");
        for (const auto* grupa : {&t.Projektowe, &t.Rok, &t.FRsi, &t.WT})
            for (const TLiniaWyniku& l : *grupa)
                oczekiwane.push_back("\n  " + l.Pelna() + "\n");
        for (const TLiniaWyniku& l : TekstyLata(m))
            oczekiwane.push_back("\n  " + l.Pelna() + "\n");
        ASSERT_GT(oczekiwane.size(), 8u);
        EXPECT_EQ(p.Klimat, !t.Miesiace.empty());
        std::size_t poprzedni = u.Wyjscie.find("Dla zadanych warunków brzegowych");
        ASSERT_NE(poprzedni, std::string::npos) << u.Wyjscie;
        for (const std::string& linia : oczekiwane) {
            const auto gdzie = u.Wyjscie.find(linia, poprzedni);
            EXPECT_NE(gdzie, std::string::npos) << "„" << linia << "” missing or out of order in\n"
                                                << u.Wyjscie;
            if (gdzie != std::string::npos)
                poprzedni = gdzie;
        }
        // The monthly table: one line per month with the sheet's cells in its columns.
        for (const auto& wiersz : t.Miesiace) {
            const auto od = u.Wyjscie.find("\n  " + wiersz.front() + " ");
            ASSERT_NE(od, std::string::npos) << wiersz.front();
            const std::string linia = u.Wyjscie.substr(od + 1, u.Wyjscie.find('\n', od + 1) - od - 1);
            std::size_t kolumna = 0;
            for (const std::string& komorka : wiersz) {
                kolumna = linia.find(komorka, kolumna);
                EXPECT_NE(kolumna, std::string::npos) << komorka << " in " << linia;
            }
        }
    }
}

TEST(WierszPolecenWilgoc, WerdyktPowierzchniBezWielokrotnychSpacji) {
    TKatalogProjektow k;
    const auto u = Uruchom({"--oblicz", k.Projekt("welna.pro", Welna())});
    ASSERT_EQ(u.Kod, 0) << u.Bledy;
    const auto od = u.Wyjscie.find("Dla zadanych warunków brzegowych");
    ASSERT_NE(od, std::string::npos);
    const std::string werdykt = u.Wyjscie.substr(od, u.Wyjscie.find('\n', od) - od);
    EXPECT_EQ(werdykt.find("  "), std::string::npos) << werdykt;
}

// XDG_DATA_HOME for the life of the object.
class TKatalogDanychUzytkownika {
public:
    explicit TKatalogDanychUzytkownika(const std::string& sciezka) {
        if (const char* bylo = std::getenv("XDG_DATA_HOME"))
            stare_ = bylo;
        ::setenv("XDG_DATA_HOME", sciezka.c_str(), 1);
    }
    ~TKatalogDanychUzytkownika() {
        stare_ ? (void)::setenv("XDG_DATA_HOME", stare_->c_str(), 1) : (void)::unsetenv("XDG_DATA_HOME");
    }

private:
    std::optional<std::string> stare_;
};

TEST(WierszPolecenWilgoc, KlimatPoNazwieZKataloguUzytkownika) {
    TKatalogProjektow k;
    ZapiszKlimat(k, "xdg/murolab/klimat/Moj.csv", -12);
    const TKatalogDanychUzytkownika xdg(k.Plik("xdg"));
    const auto u = Uruchom({"--oblicz", k.Projekt("welna.pro", Welna()), "--json", "--klimat", "Moj"});
    const auto brak = Uruchom({"--oblicz", k.Projekt("welna.pro", Welna()), "--klimat", "NieMa"});
    ASSERT_EQ(u.Kod, 0) << u.Bledy;
    const TJson j = CzytajJson(u.Wyjscie);
    EXPECT_EQ(j["Roczny"]["Klimat"].Tekst, "Moj");
    EXPECT_EQ(j["Roczny"]["Miesiace"][0]["TempZewn"].Liczba, -12);
    EXPECT_EQ(brak.Kod, 2);
    EXPECT_NE(brak.Bledy.find("Nie znaleziono klimatu „NieMa”"), std::string::npos) << brak.Bledy;
    // The available ones are listed by their stations: the user's own and the shipped ones.
    EXPECT_NE(brak.Bledy.find("Dostępne: Stacja próbna, Białystok, "), std::string::npos) << brak.Bledy;
    EXPECT_NE(brak.Bledy.find("Warszawa-Okęcie"), std::string::npos) << brak.Bledy;
    EXPECT_EQ(brak.Wyjscie, "") << "nothing printed for a project whose climate is missing";
}

// A project that stores the months of its own climate gives the same year on a machine without that
// climate file; a climate named on the command line still beats it.
TEST(WierszPolecenWilgoc, KlimatZapisanyWProjekcie) {
    TKatalogProjektow k;
    TModelProjektu m = Welna();
    m.Iso13788.Klimat = "Zakopane";
    TKlimat zakopane;
    zakopane.Nazwa = "Zakopane";
    for (auto& miesiac : zakopane.Miesiace)
        miesiac = {-7, 85};
    m.Iso13788.KlimatZapisany = zakopane;
    // The months travel in the extension block, which the record alone does not hold.
    const std::string projekt = k.Plik("zakopane.pro");
    ASSERT_EQ(ZapiszBajtyProjektu(projekt, KodujProjekt(m)), std::nullopt);
    const auto u = Uruchom({"--oblicz", projekt, "--json"});
    ASSERT_EQ(u.Kod, 0) << u.Bledy;
    const TJson j = CzytajJson(u.Wyjscie);
    EXPECT_EQ(j["Roczny"]["Klimat"].Tekst, "Zakopane");
    EXPECT_EQ(j["Roczny"]["Miesiace"][6]["TempZewn"].Liczba, -7);
    const auto inny = Uruchom({"--oblicz", projekt, "--json", "--klimat", "Opole"});
    ASSERT_EQ(inny.Kod, 0) << inny.Bledy;
    EXPECT_GT(CzytajJson(inny.Wyjscie)["Roczny"]["Miesiace"][6]["TempZewn"].Liczba, 10);
}

TEST(WierszPolecenWilgoc, KlimatPoNazwieStacji) {
    TKatalogProjektow k;
    const TKatalogDanychUzytkownika xdg(k.Plik("xdg"));
    const std::string projekt = k.Projekt("welna.pro", Welna());
    const struct {
        const char* Nazwa;
        const char* Plik; // the climate file it names
    } przypadki[] = {
        {"Warszawa-Okęcie", "Warszawa-Okecie"},
        {"warszawa-okęcie", "Warszawa-Okecie"},
        {"WARSZAWA-OKĘCIE", "Warszawa-Okecie"},
        {"warszawa-okecie", "Warszawa-Okecie"},
        {"Warszawa Okęcie", "Warszawa-Okecie"},
        {"Kołobrzeg", "Kolobrzeg"},
        {"kolobrzeg", "Kolobrzeg"},
        {"ELBLĄG", "Elblag"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        const auto u = Uruchom({"--oblicz", projekt, "--json", "--klimat", p.Nazwa});
        const auto wzor = Uruchom({"--oblicz", projekt, "--json", "--klimat", p.Plik});
        ASSERT_EQ(u.Kod, 0) << u.Bledy;
        ASSERT_EQ(wzor.Kod, 0) << wzor.Bledy;
        const TJson j = CzytajJson(u.Wyjscie);
        EXPECT_EQ(j["Roczny"]["Klimat"].Tekst, p.Nazwa) << "the name as given";
        for (std::size_t m = 0; m < 12; ++m)
            EXPECT_EQ(j["Roczny"]["Miesiace"][m]["TempZewn"].Liczba,
                      CzytajJson(wzor.Wyjscie)["Roczny"]["Miesiace"][m]["TempZewn"].Liczba);
    }
}

TEST(WierszPolecenWilgoc, KlimatKtoryNieJestPlikiemKlimatu) {
    // A folder or a FIFO named by mistake is said to be one, not "not found"; the run never waits.
    TKatalogProjektow k;
    const TKatalogDanychUzytkownika xdg(k.Plik("xdg"));
    const std::string projekt = k.Projekt("welna.pro", Welna());
    std::filesystem::create_directories(k.Plik("xdg/murolab/klimat/Folder.csv"));
    ASSERT_EQ(::mkfifo(k.Plik("xdg/murolab/klimat/Kolejka.csv").c_str(), 0644), 0);
    const std::filesystem::path stary = std::filesystem::current_path();
    std::filesystem::current_path(k.Sciezka());
    std::filesystem::create_directory("katalog");
    ::mkfifo("fifo", 0644);
    struct {
        const char* Klimat;
        const char* Komunikat;
    } const przypadki[] = {
        {"katalog", "to jest katalog"}, {"fifo", "kolejka (FIFO)"},    {"./katalog", "to jest katalog"},
        {"Folder", "to jest katalog"},  {"Kolejka", "kolejka (FIFO)"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Klimat);
        const auto u = Uruchom({"--oblicz", projekt, "--klimat", p.Klimat});
        EXPECT_EQ(u.Kod, 2);
        EXPECT_NE(u.Bledy.find(p.Komunikat), std::string::npos) << u.Bledy;
        EXPECT_EQ(u.Bledy.find("Nie znaleziono"), std::string::npos) << u.Bledy;
        EXPECT_EQ(u.Wyjscie, "");
    }
    std::filesystem::current_path(stary);
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
          Wiersz{"klimat_bez_wartosci",
                 {"--oblicz", p, "--klimat"},
                 "Po --klimat brakuje nazwy klimatu lub pliku klimatu."},
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
    EXPECT_EQ(RozpoznajWywolanie({"--klimat", "Opole"}).Rodzaj, TRodzajWywolania::Blad)
        << "an incomplete command line gets its message";
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
    EXPECT_NE(u.Bledy.find(zly + ": Nie określono warunków pracy !!\n"), std::string::npos)
        << "messages still on stderr, each line naming its file";
    std::istringstream bledy(u.Bledy);
    for (std::string l; std::getline(bledy, l);)
        EXPECT_TRUE(l.starts_with(brak + ": ") || l.starts_with(zly + ": ")) << l;

    const auto tekst = Uruchom({"--oblicz", zly, dobry});
    EXPECT_EQ(tekst.Kod, 1);
    EXPECT_NE(tekst.Wyjscie.find("Projekt: " + dobry), std::string::npos);
}

TEST(WierszPolecenWilgoc, DuzaPartiaWKolejnosciPlikow) {
    // More files than one block of the run: computed in parallel, written in the files' order, the
    // climates named by the projects read once and shared.
    TKatalogProjektow k;
    const std::string klimat = ZapiszKlimat(k, "mroz.csv", -8);
    TModelProjektu zKlimatem = Welna();
    zKlimatem.Iso13788.Klimat = klimat;
    ASSERT_EQ(ZapiszBajtyProjektu(k.Plik("k.pro"), KodujProjekt(zKlimatem)), std::nullopt);
    TModelProjektu bezWarstw = Welna();
    bezWarstw.LiczbaWarstw = 0;
    const std::string pliki[] = {k.Projekt("bez_klimatu.pro", Welna()), k.Plik("k.pro"),
                                 k.Projekt("bez_warstw.pro", bezWarstw)};
    std::vector<std::string> argumenty{"--oblicz"};
    for (int i = 0; i < 601; ++i)
        argumenty.push_back(pliki[i % 3]);
    argumenty.push_back("--json");
    const auto u = Uruchom(argumenty);
    EXPECT_EQ(u.Kod, 1);
    const auto linie = Linie(u.Wyjscie);
    ASSERT_EQ(linie.size(), 601u);
    for (std::size_t i = 0; i < linie.size(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(linie[i]["Plik"].Tekst, pliki[i % 3]);
        if (i % 3 == 0)
            EXPECT_EQ(linie[i]["Roczny"].Rodzaj, TJson::Typ::Null);
        else if (i % 3 == 1)
            EXPECT_EQ(linie[i]["Roczny"]["Miesiace"][0]["TempZewn"].Liczba, -8);
        else
            EXPECT_EQ(linie[i]["Blad"].Tekst, "Nie wprowadzono warstw !!");
    }
    // stderr in the same order: one line per failed file.
    std::istringstream bledy(u.Bledy);
    int n = 0;
    for (std::string l; std::getline(bledy, l); ++n)
        EXPECT_EQ(l, pliki[2] + ": Nie wprowadzono warstw !!");
    EXPECT_EQ(n, 200);
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
    TWartoscJson obiekt = TWartoscJson::Obiekt();
    obiekt.Ustaw("A", 1);
    DopiszJsonWilgotnosci(obiekt, "p.pro", a, lato);
    const TJson j = CzytajJson(ZapiszJson(obiekt));
    EXPECT_EQ(j.Klucze(),
              (std::vector<std::string>{"A", "Plik", "Kondensacja", "Roczny", "fRsi", "WT2021", "Letnie"}));
    EXPECT_EQ(j["Letnie"].Klucze(),
              (std::vector<std::string>{"U", "Y12", "Tlumienie", "Opoznienie", "Kappa1", "Kappa2", "Y11"}));
    EXPECT_NEAR(j["Letnie"]["Opoznienie"].Liczba, 8.0797, 1e-4);
    TAnalizaProjektu calosc;
    calosc.Wilgoc = a;
    calosc.Lato = lato;
    const std::string t = TekstWilgotnosciowy(m, calosc);
    for (const TLiniaWyniku& l : TekstyLata(lato, {}))
        EXPECT_NE(t.find("  " + l.Pelna() + "\n"), std::string::npos) << l.Pelna() << " in\n" << t;
    EXPECT_NE(t.find("5,9-krotne, opóźnienie 8,1 h"), std::string::npos) << t;
    for (const TLiniaWyniku& l : TekstyKondensacji(a, m.LiczbaWarstw).Rok)
        EXPECT_NE(t.find("  " + l.Pelna() + "\n"), std::string::npos) << "the year's line without a climate";
}

TEST(WierszPolecenWilgoc, NieskonczonaLiczbaLataToNieWynik) {
    // The summer figures end as every other result that is not finite: no group, exit 1.
    TModelProjektu m = Warunki(20, 50, -20, 85);
    DodajWarstwe(m, "Beton", 0.2, 2.0, 70);
    ObliczPrzegrode(m);
    const TAnalizaIso13788 a = AnalizujIso13788(m, nullptr, "", TWnetrze{0}, DomyslnyWierszWT(""));
    const TLato dobre{0.3, 0.1, 0.3, 8, 60, 50, 4};
    EXPECT_EQ(NieskonczonyWynikWilgoci(a, dobre), std::nullopt);
    EXPECT_EQ(NieskonczonyWynikWilgoci(a, std::nullopt), std::nullopt);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct {
        const char* Nazwa;
        double TLato::*Pole;
        double Wartosc;
    } const przypadki[] = {
        {"parametry letnie: Tlumienie", &TLato::Tlumienie, nan},
        {"parametry letnie: Opoznienie", &TLato::Opoznienie, nan},
        {"parametry letnie: Kappa1", &TLato::Kappa1, inf},
        {"parametry letnie: Y11", &TLato::Y11, -inf},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        TLato l = dobre;
        l.*p.Pole = p.Wartosc;
        EXPECT_EQ(NieskonczonyWynikWilgoci(a, l), std::optional<std::string>(p.Nazwa));
    }
    TAnalizaIso13788 zla = a;
    zla.FRsi.Przegrody = nan;
    EXPECT_EQ(NieskonczonyWynikWilgoci(zla, dobre), std::optional<std::string>("fRsi"));

    // Through a file: a layer of absurd density and heat capacity is no success, whatever refuses it.
    TKatalogProjektow k;
    m.Warstwy[1].Gestosc = 1e300;
    m.Warstwy[1].Cieplo = 1e300;
    const std::string plik = k.Plik("gesty.pro");
    ASSERT_EQ(ZapiszBajtyProjektu(plik, KodujProjekt(m)), std::nullopt);
    for (bool json : {false, true}) {
        std::vector<std::string> argumenty{"--oblicz", plik};
        if (json)
            argumenty.push_back("--json");
        const auto u = Uruchom(argumenty);
        EXPECT_NE(u.Kod, 0);
        EXPECT_EQ(u.Wyjscie, "") << "no group of NaN, no null reported as a result";
        EXPECT_NE(u.Bledy, "");
    }
}

TEST(WierszPolecenWilgoc, JsonToPoprawneUtf8NawetZNazwaSpozaUtf8) {
    TKatalogProjektow k;
    const std::string dobry = k.Projekt("caf\xE9.pro", Welna()); // a Latin-1 name
    const std::string brak = k.Plik("brak\xFF.pro");
    const auto u = Uruchom({"--oblicz", dobry, brak, "--json"});
    EXPECT_EQ(u.Kod, 2);
    const auto linie = Linie(u.Wyjscie);
    ASSERT_EQ(linie.size(), 2u) << u.Wyjscie;
    std::istringstream s(u.Wyjscie);
    for (std::string l; std::getline(s, l);)
        EXPECT_FALSE(Niepowodzenie(ParsujJson(l))) << "the strict reader refuses what is not UTF-8: " << l;
    // Each byte that is not UTF-8 reads back as its Latin-1 character.
    EXPECT_EQ(linie[0]["Plik"].Tekst, k.Plik("caf\u00e9.pro"));
    EXPECT_EQ(linie[1]["Plik"].Tekst, k.Plik("brak\u00ff.pro"));
    EXPECT_NE(linie[1]["Blad"].Tekst.find("brak\u00ff.pro"), std::string::npos) << linie[1]["Blad"].Tekst;
}

} // namespace
