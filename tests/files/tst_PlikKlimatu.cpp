// Climate files on disk: the name lookup (the user's folder first, then the installed one), names that
// could leave the folder, and files that are no regular files.
#include "core/Przygotowanie.h"
#include "files/PlikKlimatu.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace murolab;
using namespace murolab::test;

namespace {

void Zapisz(const std::string& sciezka, const std::string& tekst) {
    std::filesystem::create_directories(std::filesystem::path(sciezka).parent_path());
    std::ofstream(sciezka) << tekst;
}

std::string Klimat(double temp) {
    std::string s = "# Stacja\nmiesiąc;temp;wilgotnosc\n";
    for (int m = 1; m <= 12; ++m)
        s += std::to_string(m) + ";" + std::to_string(temp) + ";80\n";
    return s;
}

TEST(PlikKlimatu, NazwaNajpierwUUzytkownikaPotemWDanych) {
    TKatalogTymczasowy k;
    const std::string uzytkownik = k.Plik("dom/klimat"), dane = k.Plik("dane/klimat");
    Zapisz(dane + "/Wspolny.csv", Klimat(1));
    Zapisz(dane + "/Tylko.csv", Klimat(2));
    Zapisz(uzytkownik + "/Wspolny.csv", Klimat(3));
    struct Wiersz {
        const char* nazwa;
        std::string oczekiwana;
    };
    for (const Wiersz& w :
         {Wiersz{"Wspolny", uzytkownik + "/Wspolny.csv"}, Wiersz{"Tylko", dane + "/Tylko.csv"},
          Wiersz{"Brak", ""}, Wiersz{"../dane/klimat/Tylko", ""}, Wiersz{"..", ""}, Wiersz{"", ""}})
        EXPECT_EQ(ZnajdzKlimat(w.nazwa, uzytkownik, dane), w.oczekiwana) << w.nazwa;
    EXPECT_EQ(ZnajdzKlimat("Tylko", "", dane), dane + "/Tylko.csv") << "no user folder";
}

TEST(PlikKlimatu, SciezkaCzyNazwa) {
    for (const char* s : {"a.csv", "katalog/Opole", "./Opole", "/tmp/x.CSV"})
        EXPECT_TRUE(CzySciezkaKlimatu(s)) << s;
    for (const char* s : {"Opole", "Warszawa-Okecie", ".csv"})
        EXPECT_FALSE(CzySciezkaKlimatu(s)) << s;
}

TEST(PlikKlimatu, KatalogUzytkownikaZeZmiennychSrodowiska) {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const char* dom = std::getenv("HOME");
    const std::string xdgBylo = xdg ? xdg : "", domBylo = dom ? dom : "";
    ::setenv("XDG_DATA_HOME", "/x/dane", 1);
    ::setenv("HOME", "/home/u", 1);
    EXPECT_EQ(KatalogKlimatuUzytkownika(), "/x/dane/murolab/klimat");
    ::setenv("XDG_DATA_HOME", "wzgledny", 1); // a relative XDG_DATA_HOME is ignored
    EXPECT_EQ(KatalogKlimatuUzytkownika(), "/home/u/.local/share/murolab/klimat");
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(KatalogKlimatuUzytkownika(), "/home/u/.local/share/murolab/klimat");
    ::unsetenv("HOME"); // then the account's home directory
    EXPECT_TRUE(KatalogKlimatuUzytkownika().ends_with("/.local/share/murolab/klimat"));
    xdg ? (void)::setenv("XDG_DATA_HOME", xdgBylo.c_str(), 1) : (void)::unsetenv("XDG_DATA_HOME");
    dom ? (void)::setenv("HOME", domBylo.c_str(), 1) : (void)::unsetenv("HOME");
}

TEST(PlikKlimatu, CzytaTylkoZwyklePliki) {
    TKatalogTymczasowy k;
    const std::string fifo = k.Plik("kolejka.csv");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    struct Wiersz {
        const char* nazwa;
        std::string sciezka;
        const char* fragment;
    };
    for (const Wiersz& w : {Wiersz{"katalog", k.Sciezka().string(), "to jest katalog, a nie plik"},
                            Wiersz{"fifo", fifo, "to jest kolejka (FIFO)"},
                            Wiersz{"brak", k.Plik("brak.csv"), "Plik klimatu: Nie można otworzyć pliku"}}) {
        const auto w2 = WczytajKlimat(w.sciezka, k.Sciezka());
        ASSERT_EQ(w2.index(), 1u) << w.nazwa;
        EXPECT_NE(std::get<1>(w2).Komunikat.find(w.fragment), std::string::npos) << std::get<1>(w2).Komunikat;
    }
    Zapisz(k.Plik("dobry.csv"), Klimat(-2));
    const auto dobry = WczytajKlimat(k.Plik("dobry.csv"), k.Sciezka());
    ASSERT_EQ(dobry.index(), 0u) << std::get<1>(dobry).Komunikat;
    EXPECT_EQ(std::get<0>(dobry).Miesiace[5].Temp, -2);
    const auto nieznany = WczytajKlimat("NieMaTakiegoKlimatu", k.Sciezka());
    ASSERT_EQ(nieznany.index(), 1u);
    EXPECT_NE(std::get<1>(nieznany).Komunikat.find("Nie znaleziono klimatu „NieMaTakiegoKlimatu”"),
              std::string::npos);
}

// The text of a climate file is itself a string: a file whose every byte reads like a refusal is
// still a text read, never taken for a failure, and a failure is never taken for a text.
TEST(PlikKlimatu, TekstPlikuNieJestMylonyZBledem) {
    TKatalogTymczasowy k;
    struct Wiersz {
        const char* nazwa;
        std::string tresc; // written to the file first; empty: no file
        std::string sciezka;
        bool czytany;
        const char* fragment; // of the text read, or of the message
    };
    const std::string jakBlad = "Plik klimatu: Nie można otworzyć pliku „x”: brak uprawnień.";
    const Wiersz wiersze[] = {
        {"tekst podobny do komunikatu", jakBlad, k.Plik("jak_blad.csv"), true, "Plik klimatu: Nie można"},
        {"zwykły klimat", Klimat(1), k.Plik("zwykly.csv"), true, "# Stacja\n"},
        {"brak pliku", "", k.Plik("brak.csv"), false, "Plik klimatu: Nie można otworzyć pliku"},
        {"katalog", "", k.Sciezka().string(), false, "to jest katalog"},
    };
    for (const Wiersz& w : wiersze) {
        SCOPED_TRACE(w.nazwa);
        if (!w.tresc.empty())
            Zapisz(w.sciezka, w.tresc);
        const auto wynik = CzytajTekstKlimatu(w.sciezka);
        ASSERT_EQ(Niepowodzenie(wynik) == nullptr, w.czytany);
        if (w.czytany) {
            EXPECT_EQ(std::get<std::string>(wynik), w.tresc);
        } else {
            const std::string& blad = std::get<TBladWyniku>(wynik).Komunikat;
            EXPECT_NE(blad.find(w.fragment), std::string::npos) << blad;
            EXPECT_NE(blad.find(w.sciezka), std::string::npos) << "names the file: " << blad;
        }
    }
}

} // namespace

namespace {

// A year of one temperature, as Klimat writes it, for comparison with what a file gives.
TKlimat Rok(double temp, const std::string& stacja = "Stacja") {
    TKlimat k;
    k.Nazwa = stacja;
    for (auto& m : k.Miesiace)
        m = {temp, 80};
    return k;
}

} // namespace

TEST(KlimatProjektu, RokZapisanyWProjekciePierwszyNazwaPotem) {
    // The same project gives the same year on every machine: stored months win over a local file of
    // the same name, which only decides whether the sheet marks the climate "(z projektu)".
    TKatalogTymczasowy k;
    const TKatalogiKlimatow katalogi{k.Plik("dom/klimat"), k.Plik("dane/klimat")};
    Zapisz(katalogi.Zainstalowany + "/Opole.csv", Klimat(2));
    Zapisz(katalogi.Uzytkownika + "/Zakopane.csv", Klimat(-4));
    Zapisz(k.Plik("gdzies/moj.csv"), Klimat(7));
    struct {
        const char* Opis;
        std::string Nazwa;
        std::optional<TKlimat> Zapisany;
        std::optional<double> Temp; // the year used, nothing: no climate
        bool ZProjektu;
        const char* Blad; // a fragment of the message, nullptr: none
    } const przypadki[] = {
        {"bez klimatu", "", std::nullopt, std::nullopt, false, nullptr},
        {"dostarczony po nazwie", "Opole", std::nullopt, 2, false, nullptr},
        {"wlasny po nazwie", "Zakopane", std::nullopt, -4, false, nullptr},
        {"sciezka", k.Plik("gdzies/moj.csv"), std::nullopt, 7, false, nullptr},
        {"zapisany rowny plikowi", "Zakopane", Rok(-4, "inna stacja"), -4, false, nullptr},
        {"zapisany inny niz plik tej nazwy", "Zakopane", Rok(-9), -9, true, nullptr},
        {"zapisany nazwa dostarczonego", "Opole", Rok(5), 5, true, nullptr},
        {"zapisany bez pliku", "Gubałówka", Rok(-6), -6, true, nullptr},
        {"brak pliku i zapisu", "Gubałówka", std::nullopt, std::nullopt, false,
         "Nie znaleziono klimatu „Gubałówka”"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Opis);
        TUstawieniaIso13788 u;
        u.Klimat = p.Nazwa;
        u.KlimatZapisany = p.Zapisany;
        const auto wynik = KlimatProjektu(u, katalogi);
        if (p.Blad) {
            ASSERT_TRUE(Niepowodzenie(wynik));
            EXPECT_NE(Niepowodzenie(wynik)->find(p.Blad), std::string::npos) << *Niepowodzenie(wynik);
            continue;
        }
        ASSERT_FALSE(Niepowodzenie(wynik)) << *Niepowodzenie(wynik);
        const auto& klimat = std::get<std::optional<TKlimatProjektu>>(wynik);
        ASSERT_EQ(klimat.has_value(), p.Temp.has_value());
        if (!klimat)
            continue;
        for (const auto& m : klimat->Klimat.Miesiace)
            EXPECT_EQ(m.Temp, *p.Temp);
        EXPECT_EQ(klimat->ZProjektu, p.ZProjektu);
    }
}

TEST(KlimatProjektu, ZapisywanyTylkoKlimatWlasny) {
    TKatalogTymczasowy k;
    const TKatalogiKlimatow katalogi{k.Plik("dom/klimat"), k.Plik("dane/klimat")};
    Zapisz(katalogi.Zainstalowany + "/Opole.csv", Klimat(2));
    Zapisz(katalogi.Uzytkownika + "/Zakopane.csv", Klimat(-4));
    const TKlimat rok = Rok(1);
    EXPECT_EQ(KlimatDoZapisu("Zakopane", rok, katalogi), rok);
    EXPECT_EQ(KlimatDoZapisu(k.Plik("gdzies/moj.csv"), rok, katalogi), rok)
        << "a path is this machine's only";
    EXPECT_EQ(KlimatDoZapisu("Opole", rok, katalogi), std::nullopt) << "a shipped climate is everywhere";
    EXPECT_EQ(KlimatDoZapisu("", rok, katalogi), std::nullopt);
    // An own file that hides a shipped one of its name is an own climate.
    Zapisz(katalogi.Uzytkownika + "/Opole.csv", Klimat(9));
    EXPECT_EQ(KlimatDoZapisu("Opole", rok, katalogi), rok);
}

TEST(KlimatProjektu, NazwaKlimatuDostarczonegoBezWzgleduNaWielkoscLiter) {
    TKatalogTymczasowy k;
    const std::string dane = k.Plik("dane/klimat");
    Zapisz(dane + "/Opole.csv", Klimat(2));
    Zapisz(dane + "/Łódź-Lublinek.csv", Klimat(2));
    Zapisz(dane + "/Notatka.txt", "nie klimat");
    for (const char* nazwa : {"Opole", "opole", "OPOLE", "Łódź-Lublinek", "ŁÓDŹ-LUBLINEK", "łódź-lublinek"})
        EXPECT_TRUE(NazwaKlimatuDostarczonego(nazwa, dane)) << nazwa;
    for (const char* nazwa : {"Opole (własny)", "Opol", "Notatka", "Zakopane"})
        EXPECT_FALSE(NazwaKlimatuDostarczonego(nazwa, dane)) << nazwa;
    EXPECT_FALSE(NazwaKlimatuDostarczonego("Opole", "")) << "no shipped folder";
}
