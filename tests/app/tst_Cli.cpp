// The command-line calculation: exit statuses, messages, the text table and the JSON object's keys.
#include "Json.h"
#include "Pomoc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <new>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>

using namespace murolab;
using namespace murolab::test;

namespace {

TModelProjektu Sciana() {
    TModelProjektu m = Warunki(20, 55, -20, 85);
    DodajWarstwe(m, "Tynk \"gładki\" \\ wapienny", 0.015, 0.82, 10);
    DodajWarstwe(m, "Cegła pełna", 0.25, 0.77, 10);
    DodajWarstwe(m, "Styropian", 0.12, 0.04, 60);
    TWarunkiPracy& w = m.WarunkiPracy;
    w.TypPrzegrody.UstawUtf8("Ściana zewnętrzna");
    w.StrefaKl.UstawUtf8("Strefa III");
    w.WarunkiWilg.UstawUtf8("Warunki średniowilgotne");
    w.DeltaUk = 0.05;
    return m;
}

TEST(WierszPolecen, PrzykladowyProjektDajeTabeleIWerdykt) {
    const auto u = Uruchom({"--oblicz", MUROLAB_KATALOG_DANYCH "/przyklad.pro"});
    EXPECT_EQ(u.Kod, 0) << u.Bledy;
    EXPECT_EQ(u.Bledy, "") << "the example has a thermal-bridge addition: no reminder";
    for (const char* fragment :
         {"Tynk cementowo-wapienny", "Mur z cegły ceramicznej pełnej", "Styropian EPS 040",
          "Tynk cienkowarstwowy", "Wewnętrzna strona przegrody", "suma:", "U  = ", "U0 = ", "ΔUg = ",
          "ΔUf = ", "ΔUk + dodatek własny = 0,050 W/(m²·K)", "i = ", "p = ", "Strefa III",
          "Dla zadanych warunków brzegowych kondensacja pary wodnej na wewnętrznej powierzchni nie "
          "występuje."}) {
        EXPECT_NE(u.Wyjscie.find(fragment), std::string::npos) << fragment;
    }
}

TEST(WierszPolecen, TabelaMaWyrownaneKolumny) {
    TKatalogProjektow k;
    const auto u = Uruchom({"--oblicz", k.Projekt("sciana.pro", Sciana())});
    ASSERT_EQ(u.Kod, 0) << u.Bledy;
    // In the profile table every value line ends in the same column as its header line.
    std::istringstream linie(u.Wyjscie);
    std::string l;
    std::vector<std::size_t> dlugosci;
    bool wProfilu = false;
    while (std::getline(linie, l)) {
        if (l.rfind("Punkt", 0) == 0)
            wProfilu = true;
        else if (l.empty())
            wProfilu = false;
        if (wProfilu && l.find("powietrze") == std::string::npos && l.rfind("─", 0) != 0)
            dlugosci.push_back(LiczbaZnakow(l));
    }
    ASSERT_EQ(dlugosci.size(), 1u + 4u) << "header and the four planes of three layers";
    for (std::size_t d : dlugosci)
        EXPECT_EQ(d, dlugosci.front());
}

TEST(WierszPolecen, JsonMaDokladnieUzgodnioneKlucze) {
    TKatalogProjektow k;
    const TModelProjektu m = Sciana();
    const auto u = Uruchom({"--oblicz", k.Projekt("sciana.pro", m), "--json"});
    ASSERT_EQ(u.Kod, 0) << u.Bledy;
    const TJson j = CzytajJson(u.Wyjscie);
    EXPECT_EQ(j.Klucze(), (std::vector<std::string>{"LiczbaWarstw",
                                                    "Warstwy",
                                                    "WarunkiPracy",
                                                    "R",
                                                    "SumaR",
                                                    "NarastR",
                                                    "U0",
                                                    "DeltaUg",
                                                    "DeltaUf",
                                                    "Uk",
                                                    "Temp",
                                                    "SumaGrubosc",
                                                    "NarastGrubosc",
                                                    "Delta",
                                                    "SumaDelta",
                                                    "NarastDelta",
                                                    "CisCzastWewn",
                                                    "CisCzastZewn",
                                                    "P",
                                                    "CisCzast",
                                                    "CisNasy",
                                                    "I",
                                                    "Ts",
                                                    "Arkusz",
                                                    "Plik",
                                                    "Kondensacja",
                                                    "Roczny",
                                                    "fRsi",
                                                    "WT2021",
                                                    "Letnie"}));
    EXPECT_EQ(
        j["WarunkiPracy"].Klucze(),
        (std::vector<std::string>{"TempZewn", "TempWew", "WilgotZewn", "WilgotWewn", "Rsi", "Rse",
                                  "TypPrzegrody", "StrefaKl", "WarunkiWilg", "NrNieszczelnosci", "DeltaU",
                                  "LambdaF", "Alfa", "LiczbaF", "PoleF", "DeltaUk", "MostekWlasny"}));
    EXPECT_EQ(j["Arkusz"].Klucze(),
              (std::vector<std::string>{"RichEditNr", "RichEditMaterial", "RichEditLambda", "RichEditMi",
                                        "RichEditGrubosc", "RichEditR", "RichEditDelta", "RichEditSpadek",
                                        "RichEditTemp", "RichEditCisNasy", "RichEditCisCzast", "LabelUk",
                                        "SkladnikiUk", "LabelI", "LabelP", "LabeLKomunikat"}));
    ASSERT_EQ(j["Warstwy"].Elementy.size(), 3u);
    EXPECT_EQ(j["Warstwy"][0].Klucze(), (std::vector<std::string>{"Nazwa", "Grubosc", "Lambda", "Mi"}));
    EXPECT_EQ(j["Warstwy"][0]["Nazwa"].Tekst, "Tynk \"gładki\" \\ wapienny") << "escaped and read back";
    EXPECT_EQ(j["Warstwy"][1]["Grubosc"].Liczba, 0.25);
    EXPECT_EQ(j["WarunkiPracy"]["TypPrzegrody"].Tekst, "Ściana zewnętrzna");
    EXPECT_EQ(j["WarunkiPracy"]["TempZewn"].Liczba, -20);
    EXPECT_EQ(j["WarunkiPracy"]["DeltaUk"].Liczba, 0.05);
    // (The sizes of the arrays and of the sheet's columns are checked against the independent
    // computation in tst_CliLosowe.cpp.)
    EXPECT_EQ(j["Arkusz"]["LabeLKomunikat"].Tekst.rfind("Dla zadanych", 0), 0u);
    // Every number reads back as the very double computed.
    EXPECT_EQ(j["Delta"][1].Liczba, 1500000 * 0.25 * 10);
    EXPECT_EQ(j["R"][1].Liczba, 0.25 / 0.77);
}

struct TPrzypadekKodu {
    const char* Nazwa;
    void (*Zmien)(TModelProjektu&);
    int Kod;
    const char* Komunikat;
};

TEST(WierszPolecen, SprawdzeniaKonczaSieKodem1) {
    const TPrzypadekKodu przypadki[] = {
        {"brak warstw", [](TModelProjektu& m) { m.LiczbaWarstw = 0; }, 1, "Nie wprowadzono warstw !!"},
        {"lambda warstwy 2", [](TModelProjektu& m) { m.Warstwy[2].Lambda = 0.005; }, 1,
         "Warstwa 2 („Cegła pełna”): Podana wartość wspł. przwodzenia ciepła jest niepoprawna."},
        {"grubosc warstwy 1 przed lambda warstwy 2",
         [](TModelProjektu& m) {
             m.Warstwy[1].Grubosc = 12;
             m.Warstwy[2].Lambda = 0.005;
         },
         1, "Podana grubość warstwy jest niepoprawna."},
        {"mi 10000000", [](TModelProjektu& m) { m.Warstwy[3].Mi = 10000000; }, 1, "wspł. oporu dyfuzji"},
        {"warunki po resecie",
         [](TModelProjektu& m) {
             const auto warstwy = m.Warstwy;
             const int n = m.LiczbaWarstw;
             m.Resetuj();
             m.Warstwy = warstwy;
             m.LiczbaWarstw = n;
         },
         1, "Nie określono warunków pracy !!"},
        {"brak poprawek to tylko ostrzezenie", [](TModelProjektu& m) { m.WarunkiPracy.DeltaUk = 0; }, 0,
         "Ostrzeżenie: W obliczeniach nie uwzględniono wpływu mostków cieplnych !"},
        {"mi 9999999 przechodzi", [](TModelProjektu& m) { m.Warstwy[3].Mi = 9999999; }, 0, ""},
        {"jedenascie warstw z pliku",
         [](TModelProjektu& m) {
             for (int k = 4; k <= 11; ++k) {
                 m.Warstwy[k] = m.Warstwy[1];
             }
             m.LiczbaWarstw = 11;
         },
         0, ""},
    };
    TKatalogProjektow k;
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        TModelProjektu m = Sciana();
        p.Zmien(m);
        for (bool json : {false, true}) {
            std::vector<std::string> argumenty{"--oblicz", k.Projekt("p.pro", m)};
            if (json)
                argumenty.push_back("--json");
            const auto u = Uruchom(argumenty);
            EXPECT_EQ(u.Kod, p.Kod) << u.Bledy;
            EXPECT_NE(u.Bledy.find(p.Komunikat), std::string::npos) << u.Bledy;
            if (p.Kod != 0) {
                EXPECT_EQ(u.Wyjscie, "") << "nothing computed, nothing printed";
            } else if (json) {
                EXPECT_NO_THROW(CzytajJson(u.Wyjscie))
                    << "warnings go to the error stream, not into the JSON";
            }
        }
    }
}

TEST(WierszPolecen, ZlyPlikIZleWywolanieKonczaSieKodem2) {
    TKatalogProjektow k;
    const std::string krotki = k.Plik("krotki.pro");
    std::ofstream(krotki, std::ios::binary) << std::string(1000, '\0');
    TModelProjektu zaDuzo = Sciana();
    zaDuzo.LiczbaWarstw = 16;
    const std::string pietnascie = k.Projekt("16.pro", zaDuzo);
    TModelProjektu wilgotne = Sciana();
    wilgotne.WarunkiPracy.WilgotZewn = 250;
    const std::string fi250 = k.Projekt("fi250.pro", wilgotne);
    const std::string zlyBlok = k.Plik("blok.pro");
    const TRekordProjektu rekord = KodujRekord(Sciana());
    std::ofstream(zlyBlok, std::ios::binary)
        << std::string(rekord.begin(), rekord.end()) << "MUROLAB-ROZSZERZENIE 1\n{\"Opis\":[]}";
    const std::string zera = k.Plik("zera.pro");
    std::ofstream(zera, std::ios::binary) << std::string(1296, '\0');
    const std::string rzadki = k.Plik("rzadki.pro");
    std::ofstream(rzadki).close();
    std::filesystem::resize_file(rzadki, std::uintmax_t{2} << 30);
    const std::string kolejka = k.Plik("kolejka.pro");
    EXPECT_EQ(::mkfifo(kolejka.c_str(), 0644), 0);
    const std::string projekt = k.Projekt("sciana.pro", Sciana());
    std::filesystem::create_symlink(projekt, k.Plik("skrot.pro"));
    struct {
        const char* Nazwa;
        std::vector<std::string> Argumenty;
        const char* Komunikat;
    } const przypadki[] = {
        {"brak pliku", {"--oblicz", k.Plik("brak.pro")}, "brak.pro"},
        {"krotki plik", {"--oblicz", krotki}, "1000 bajtów"},
        {"liczba warstw 16", {"--oblicz", pietnascie}, "liczba warstw 16"},
        {"wilgotnosc zewnetrzna 250", {"--oblicz", fi250, "--json"}, "(pole WilgotZewn) = 250"},
        {"uszkodzony blok rozszerzenia", {"--oblicz", zlyBlok}, "„Opis” musi być obiektem"},
        {"brak nazwy pliku", {"--oblicz"}, "Po --oblicz brakuje nazwy pliku"},
        {"nieznana opcja", {"--oblicz", krotki, "--xml"}, "Nieznana opcja: --xml"},
        {"bez --oblicz", {"--json"}, "Brak opcji --oblicz"},
        {"same zera", {"--oblicz", zera}, "same zera"},
        {"rzadki plik 2 GB", {"--oblicz", rzadki}, "jest za duży"},
        {"FIFO jako projekt", {"--oblicz", kolejka}, "kolejka (FIFO)"},
        {"/dev/zero jako projekt", {"--oblicz", "/dev/zero"}, "urządzenie"},
        {"raport w miejsce projektu", {"--oblicz", projekt, "--raport", projekt}, "Raport nie może zastąpić"},
        {"raport przez odnosnik do projektu",
         {"--oblicz", projekt, "--raport", k.Plik("skrot.pro")},
         "Raport nie może zastąpić"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        const auto u = Uruchom(p.Argumenty);
        EXPECT_EQ(u.Kod, 2);
        EXPECT_NE(u.Bledy.find(p.Komunikat), std::string::npos) << u.Bledy;
        EXPECT_EQ(u.Wyjscie, "");
    }
}

TEST(WierszPolecen, RozszerzenieWJsonTylkoGdyPlikJeMa) {
    TKatalogProjektow k;
    TModelProjektu m = Sciana();
    const auto bez = Uruchom({"--oblicz", k.Projekt("bez.pro", m), "--json"});
    ASSERT_EQ(bez.Kod, 0) << bez.Bledy;
    const auto klucze = CzytajJson(bez.Wyjscie).Klucze();
    EXPECT_EQ(std::count(klucze.begin(), klucze.end(), "Rozszerzenie"), 0);

    m.DaneProjektu.Obiekt.UstawUtf8("Szkoła");
    m.Warstwy[2].Gestosc = 1800;
    m.RozszerzenieNieznane.Ustaw("Nowe", 7);
    const std::string plik = k.Plik("z.pro");
    ASSERT_EQ(ZapiszBajtyProjektu(plik, KodujProjekt(m)), std::nullopt);
    const auto z = Uruchom({"--oblicz", plik, "--json"});
    ASSERT_EQ(z.Kod, 0) << z.Bledy;
    const TJson j = CzytajJson(z.Wyjscie);
    const auto kluczeZ = j.Klucze();
    EXPECT_EQ(std::count(kluczeZ.begin(), kluczeZ.end(), "Rozszerzenie"), 1);
    const TJson& r = j["Rozszerzenie"];
    EXPECT_EQ(r.Klucze(), (std::vector<std::string>{"Opis", "Warstwy", "Nowe"}));
    EXPECT_EQ(r["Opis"]["Obiekt"].Tekst, "Szkoła");
    EXPECT_EQ(r["Warstwy"][1]["Gestosc"].Liczba, 1800);
    EXPECT_EQ(r["Warstwy"][0]["Gestosc"].Rodzaj, TJson::Typ::Null);
    EXPECT_EQ(r["Nowe"].Liczba, 7);
}

TEST(WierszPolecen, ZlaTablicaNasyceniaKonczySieKodem2) {
    // Each case puts its own ula.dat into a data directory of its own.
    TKatalogProjektow k;
    const std::string projekt = k.Projekt("sciana.pro", Sciana());
    auto tablica = [](double zmiana, int wpis) {
        std::string bajty;
        for (int i = 0; i < 55; ++i) {
            const double v = i == wpis ? zmiana : 1.0 + i;
            const auto u = std::bit_cast<std::uint64_t>(v);
            for (int b = 0; b < 8; ++b)
                bajty += static_cast<char>(u >> (8 * b));
        }
        return bajty;
    };
    struct {
        const char* Nazwa;
        std::string Zawartosc;
        const char* Powod;
    } const przypadki[] = {
        {"pusty plik", "", "ma 0 bajtów"},
        {"10 wpisow", tablica(0, -1).substr(0, 80), "ma 80 bajtów"},
        {"NaN", tablica(std::nan(""), 7), "wpis 7 (-17 °C) nie jest dodatnią liczbą skończoną"},
        {"1e308", tablica(1e308, 54), "przekracza 1000 hPa"},
        {"zera", std::string(440, '\0'), "wpis 0 (-24 °C)"},
        {"malejace", tablica(0.5, 30), "wpis 30 (6 °C) nie jest większy od poprzedniego"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        std::ofstream(k.Plik("ula.dat"), std::ios::binary | std::ios::trunc) << p.Zawartosc;
        for (bool json : {false, true}) {
            std::vector<std::string> argumenty{"--oblicz", projekt};
            if (json)
                argumenty.push_back("--json");
            const auto u = Uruchom(argumenty, k.Sciezka());
            EXPECT_EQ(u.Kod, 2);
            EXPECT_NE(u.Bledy.find("ula.dat” nie jest poprawną tablicą ciśnień nasycenia"), std::string::npos)
                << u.Bledy;
            EXPECT_NE(u.Bledy.find(p.Powod), std::string::npos) << u.Bledy;
            EXPECT_EQ(u.Wyjscie, "");
        }
    }
}

TEST(WierszPolecen, WartosciPrzepelniajaceObliczenieNieDajaWyniku) {
    // Such values are refused when the file is opened; should one ever reach the calculation, the
    // overflow it causes is caught there and never printed as a result.
    struct {
        const char* Nazwa;
        void (*Zmien)(TModelProjektu&);
    } const przypadki[] = {
        {"lacznik 1e308 razy liczba lacznikow",
         [](TModelProjektu& m) {
             m.WarunkiPracy.Alfa = 6;
             m.WarunkiPracy.LambdaF = 1e308;
             m.WarunkiPracy.LiczbaF = 4;
             m.WarunkiPracy.PoleF = 1;
         }},
        {"DeltaUk i MostekWlasny 1e308",
         [](TModelProjektu& m) {
             m.WarunkiPracy.DeltaUk = 1e308;
             m.WarunkiPracy.MostekWlasny = 1e308;
         }},
    };
    TKatalogProjektow k;
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        TModelProjektu m = Sciana();
        p.Zmien(m);
        TModelProjektu obliczony = m;
        ObliczPrzegrode(obliczony);
        EXPECT_TRUE(NieskonczonyWynik(obliczony).has_value());
        for (bool json : {false, true}) {
            std::vector<std::string> argumenty{"--oblicz", k.Projekt("p.pro", m)};
            if (json)
                argumenty.push_back("--json");
            const auto u = Uruchom(argumenty);
            EXPECT_EQ(u.Kod, 2);
            EXPECT_NE(u.Bledy.find("niedozwoloną wartość"), std::string::npos) << u.Bledy;
            EXPECT_EQ(u.Wyjscie, "");
        }
    }
}

TEST(WierszPolecen, WyjatekKonczySieKomunikatemPoPolsku) {
    TKatalogProjektow k;
    const std::string projekt = k.Projekt("sciana.pro", Sciana());
    struct {
        const char* Nazwa;
        std::function<void()> Rzuc;
        const char* Komunikat;
    } const przypadki[] = {
        {"brak pamieci", [] { throw std::bad_alloc(); }, "Brak pamięci: obliczenia przerwano."},
        {"inny wyjatek", [] { throw std::runtime_error("x"); },
         "Nieoczekiwany błąd, obliczenia przerwano: x"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        std::ostringstream out, err;
        const int kod = UruchomWierszPolecen(
            {"--oblicz", projekt, "--json", "--raport", k.Plik("r.pdf")}, kKatalogDanych, out, err,
            [&](const TModelProjektu&, int, int, const TAnalizaProjektu&, const std::string&) {
                p.Rzuc();
                return 0;
            });
        EXPECT_EQ(kod, 2);
        EXPECT_NE(err.str().find(p.Komunikat), std::string::npos) << err.str();
    }
}

TEST(WierszPolecen, TablicaNasyceniaZPodanegoKataloguDanych) {
    // The table is read from the data directory handed in, never from the working directory.
    TKatalogProjektow k;
    const std::string projekt = k.Projekt("sciana.pro", Sciana());
    const std::filesystem::path pusty = k.Plik("pusty");
    std::filesystem::create_directory(pusty);
    const auto bez = Uruchom({"--oblicz", projekt}, pusty);
    EXPECT_EQ(bez.Kod, 2);
    EXPECT_NE(bez.Bledy.find((pusty / "ula.dat").string()), std::string::npos) << bez.Bledy;
    EXPECT_EQ(bez.Wyjscie, "");

    const std::filesystem::path wlasny = k.Plik("dane");
    std::filesystem::create_directory(wlasny);
    std::filesystem::copy_file(kKatalogDanych / "ula.dat", wlasny / "ula.dat");
    const auto z = Uruchom({"--oblicz", projekt, "--json"}, wlasny);
    EXPECT_EQ(z.Kod, 0) << z.Bledy;
    EXPECT_EQ(z.Wyjscie, Uruchom({"--oblicz", projekt, "--json"}).Wyjscie);
}

TEST(WierszPolecen, OpcjeWKazdejKolejnosci) {
    const TWywolanie w = RozpoznajWywolanie({"--json", "--oblicz", "x.pro"});
    ASSERT_EQ(w.Rodzaj, TRodzajWywolania::WierszPolecen) << w.Blad;
    EXPECT_TRUE(w.Opcje.Json);
    EXPECT_EQ(w.Opcje.PlikiProjektow, std::vector<std::string>{"x.pro"});
}

TEST(WierszPolecen, KazdaOpcjaTegoTrybuOmijaOkno) {
    // An incomplete command line must reach its message, not a window (or a missing display).
    struct {
        std::vector<std::string> Argumenty;
        bool WierszPolecen;
    } const przypadki[] = {
        {{"--json", "--oblicz", "x.pro"}, true},
        {{"--json"}, true},
        {{"--raport", "r.pdf"}, true},
        {{"--help"}, true},
        {{"-h"}, true},
        {{}, false},
        {{"--pauza", "0"}, false},
        {{"plik.pro"}, false},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Argumenty.empty() ? std::string("(nic)") : p.Argumenty.front());
        EXPECT_EQ(RozpoznajWywolanie(p.Argumenty).Rodzaj != TRodzajWywolania::Okno, p.WierszPolecen);
    }
    const auto pomoc = Uruchom({"--help"});
    EXPECT_EQ(pomoc.Kod, 0);
    EXPECT_EQ(pomoc.Wyjscie, SposobUzycia());
}

// A stream whose every write fails, as standard output on a full disk or a closed pipe.
class TPelnyDysk : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(WierszPolecen, NieudaneWypisanieWynikowToNiePowodzenie) {
    TKatalogProjektow k;
    const std::string projekt = k.Projekt("sciana.pro", Sciana());
    for (bool json : {false, true}) {
        SCOPED_TRACE(json ? "json" : "tabela");
        TPelnyDysk bufor;
        std::ostream out(&bufor);
        std::ostringstream err;
        std::vector<std::string> argumenty{"--oblicz", projekt};
        if (json)
            argumenty.push_back("--json");
        EXPECT_EQ(UruchomWierszPolecen(argumenty, kKatalogDanych, out, err), kKodBladPliku);
        EXPECT_NE(err.str().find("Nie można wypisać wyników"), std::string::npos) << err.str();
    }
}

// A wall with a bridged layer, from a file with its extension block: the report writer gets the
// sections the command line printed, so that its pages can show them.
TEST(WierszPolecen, RaportDostajePrzekroje) {
    TModelProjektu m = Sciana();
    m.Warstwy[3].Mostki.push_back({"Łata drewniana", 0.13, 50, 500, 2.5, 0.1});
    TKatalogTymczasowy k;
    const std::string projekt = k.Plik("mostki.pro");
    ASSERT_EQ(ZapiszBajtyProjektu(projekt, KodujProjekt(m)), std::nullopt);
    std::ostringstream out, err;
    std::vector<std::string> przekroje;
    const int kod = UruchomWierszPolecen(
        {"--oblicz", projekt, "--raport", "r.pdf"}, kKatalogDanych, out, err,
        [&](const TModelProjektu&, int, int, const TAnalizaProjektu& a, const std::string&) {
            if (a.Niejednorodna)
                for (const TAnalizaPrzekroju& p : a.Niejednorodna->Przekroje)
                    przekroje.push_back(p.Przekroj.Nazwa);
            return 0;
        });
    EXPECT_EQ(kod, 0) << err.str();
    EXPECT_EQ(przekroje, (std::vector<std::string>{"przez Styropian 90 %", "przez Łata drewniana 10 %"}));
}

TEST(WierszPolecen, RaportPoWynikach) {
    TKatalogProjektow k;
    const std::string projekt = k.Projekt("sciana.pro", Sciana());

    // The writer gets the calculated model, ti and te of the file, the moisture check the options
    // chose and the name; its status is the exit status.
    std::ostringstream out, err;
    int wywolania = 0;
    double u0 = 0;
    int ti = 0, te = 0;
    std::string nazwa, wiersz;
    const int kod = UruchomWierszPolecen(
        {"--oblicz", projekt, "--raport", "r.pdf", "--wiersz-wt", "dach"}, kKatalogDanych, out, err,
        [&](const TModelProjektu& m, int i, int e, const TAnalizaProjektu& a, const std::string& pdf) {
            ++wywolania;
            u0 = m.Wyniki.U0;
            ti = i;
            te = e;
            wiersz = a.Wilgoc.WT.Wiersz;
            nazwa = pdf;
            return 7;
        });
    EXPECT_EQ(kod, 7);
    EXPECT_EQ(wywolania, 1);
    EXPECT_GT(u0, 0.0);
    EXPECT_EQ(ti, 20);
    EXPECT_EQ(te, -20);
    EXPECT_EQ(wiersz, "dach") << "the report's third page uses the option, as the printed check does";
    EXPECT_EQ(nazwa, "r.pdf");
    EXPECT_NE(out.str().find("U  = "), std::string::npos); // the results are printed first

    // Without a writer (a plain library run) the report cannot be made: that is said, not ignored.
    const auto bez = Uruchom({"--oblicz", projekt, "--raport", "r.pdf"});
    EXPECT_EQ(bez.Kod, 2);
    EXPECT_NE(bez.Bledy.find("Raportu"), std::string::npos);

    // A failed check writes no report.
    TModelProjektu bezWarunkow = Sciana();
    bezWarunkow.WarunkiPracy.Rsi = 0;
    wywolania = 0;
    std::ostringstream o2, e2;
    EXPECT_EQ(UruchomWierszPolecen(
                  {"--oblicz", k.Projekt("zle.pro", bezWarunkow), "--raport", "r.pdf"}, kKatalogDanych, o2,
                  e2,
                  [&](const TModelProjektu&, int, int, const TAnalizaProjektu&, const std::string&) {
                      ++wywolania;
                      return 0;
                  }),
              1);
    EXPECT_EQ(wywolania, 0);

    for (const auto& zle : std::vector<std::vector<std::string>>{
             {"--oblicz", projekt, "--raport"},
             {"--oblicz", projekt, "--raport", "a.pdf", "--raport", "b.pdf"}}) {
        const auto u = Uruchom(zle);
        EXPECT_EQ(u.Kod, 2);
        EXPECT_NE(u.Bledy.find("--raport"), std::string::npos) << u.Bledy;
    }
}

} // namespace
