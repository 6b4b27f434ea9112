// The option table: every option in the usage, the manual page and the README; what each option
// with a value refuses; unknown options; --help, --version and the window's --pauza; Qt's own
// options passed to the window.
#include "app/OpcjeWiersza.h"
#include "core/KrotkiTekst.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

using namespace murolab;

namespace {

std::string Plik(const std::string& sciezka) {
    std::ifstream f(sciezka);
    std::stringstream s;
    s << f.rdbuf();
    EXPECT_TRUE(f.good() || f.eof()) << sciezka;
    return s.str();
}

// The arguments that put an option where it is valid: beside --oblicz for the command line's,
// alone for the window's.
std::vector<std::string> Przed(const TOpcja& o) {
    if (o.Rodzaj == TRodzajOpcji::WierszPolecen && o.Nazwa != "--oblicz")
        return {"--oblicz", "x.pro"};
    return {};
}

// A value each option takes.
std::string DobraWartosc(const TOpcja& o) {
    if (o.Nazwa == "--wnetrze")
        return "klasa2";
    if (o.Nazwa == "--wiersz-wt")
        return "dach";
    if (o.Nazwa == "--pauza")
        return "10";
    return "a.pro";
}

TEST(OpcjeWiersza, KazdaOpcjaWSposobieUzyciaStronieManIReadme) {
    const std::string uzycie = SposobUzycia();
    const std::string man = Plik(MUROLAB_ZRODLA "/data/linux/murolab.1");
    const std::string readme = Plik(MUROLAB_ZRODLA "/README.md");
    ASSERT_FALSE(TabelaOpcji().empty());
    for (const TOpcja& o : TabelaOpcji()) {
        SCOPED_TRACE(std::string(o.Nazwa));
        std::string lewa = "  " + std::string(o.Nazwa);
        if (!o.Skrot.empty())
            lewa += ", " + std::string(o.Skrot);
        if (!o.Argument.empty())
            lewa += " " + std::string(o.Argument);
        EXPECT_NE(uzycie.find("\n" + lewa + " "), std::string::npos) << uzycie;
        const std::string pierwszaLinia(o.Pomoc.substr(0, o.Pomoc.find('\n')));
        EXPECT_NE(uzycie.find(pierwszaLinia + "\n"), std::string::npos);
        EXPECT_EQ(o.Argument.empty(), o.Brak.empty()) << "an option with a value says what it lacks";
        EXPECT_EQ(ZnajdzOpcje(o.Nazwa), &o);
        // groff writes a dash of an option as "\-".
        EXPECT_NE(man.find(std::regex_replace(std::string(o.Nazwa), std::regex("-"), "\\-")),
                  std::string::npos);
        EXPECT_NE(readme.find(std::string(o.Nazwa)), std::string::npos);
    }
    // The help lines share one column, so that the text reads as a table.
    std::istringstream linie(uzycie);
    std::string l;
    std::size_t kolumna = 0;
    while (std::getline(linie, l)) {
        if (!l.starts_with("  --"))
            continue;
        const std::size_t k = LiczbaZnakow(l.substr(0, l.find_first_not_of(' ', l.find("  ", 2))));
        if (kolumna == 0)
            kolumna = k;
        EXPECT_EQ(k, kolumna) << l;
    }
    EXPECT_GT(kolumna, 0u);
}

TEST(OpcjeWiersza, WartoscBrakujacaLubOpcjaZamiastWartosci) {
    for (const TOpcja& o : TabelaOpcji()) {
        if (o.Argument.empty())
            continue;
        SCOPED_TRACE(std::string(o.Nazwa));
        const std::string nazwa(o.Nazwa);
        const std::string komunikat = "Po " + nazwa + " brakuje " + std::string(o.Brak) + ".";
        const std::vector<std::string> po[] = {{}, {"--json"}, {"--raport", "r.pdf"}, {""}};
        for (const auto& reszta : po) {
            std::vector<std::string> a = Przed(o);
            a.push_back(nazwa);
            a.insert(a.end(), reszta.begin(), reszta.end());
            const TWywolanie w = RozpoznajWywolanie(a);
            EXPECT_EQ(w.Rodzaj, TRodzajWywolania::Blad);
            EXPECT_EQ(w.Blad, komunikat);
        }
        std::vector<std::string> pusta = Przed(o);
        pusta.push_back(nazwa + "=");
        EXPECT_EQ(RozpoznajWywolanie(pusta).Blad, komunikat);

        // Given twice.
        std::vector<std::string> dwa = Przed(o);
        for (int i = 0; i < 2; ++i) {
            dwa.push_back(nazwa);
            dwa.push_back(DobraWartosc(o));
        }
        EXPECT_EQ(RozpoznajWywolanie(dwa).Blad, "Opcja " + nazwa + " podana dwa razy.");

        // A good value, apart and after "=".
        for (bool zRownaSie : {false, true}) {
            std::vector<std::string> a = Przed(o);
            if (zRownaSie) {
                a.push_back(nazwa + "=" + DobraWartosc(o));
            } else {
                a.push_back(nazwa);
                a.push_back(DobraWartosc(o));
            }
            EXPECT_NE(RozpoznajWywolanie(a).Rodzaj, TRodzajWywolania::Blad) << RozpoznajWywolanie(a).Blad;
        }
    }
}

TEST(OpcjeWiersza, NazwaPlikuZaczynajacaSieOdKresek) {
    const TWywolanie a = RozpoznajWywolanie({"--oblicz", "x.pro", "--raport", "./--json"});
    ASSERT_EQ(a.Rodzaj, TRodzajWywolania::WierszPolecen) << a.Blad;
    EXPECT_EQ(a.Opcje.PlikRaportu, "./--json");
    EXPECT_FALSE(a.Opcje.Json);
    const TWywolanie b = RozpoznajWywolanie({"--oblicz", "./--x.pro", "-y.pro", "--json"});
    ASSERT_EQ(b.Rodzaj, TRodzajWywolania::WierszPolecen) << b.Blad;
    EXPECT_EQ(b.Opcje.PlikiProjektow, (std::vector<std::string>{"./--x.pro", "-y.pro"}));
    EXPECT_TRUE(b.Opcje.Json);
    // After "=" the value is unmistakable.
    EXPECT_EQ(RozpoznajWywolanie({"--oblicz", "x.pro", "--raport=--r.pdf"}).Opcje.PlikRaportu, "--r.pdf");
}

TEST(OpcjeWiersza, NieznaneIZleWywolania) {
    struct {
        const char* Nazwa;
        std::vector<std::string> Argumenty;
        std::string Blad;
    } const przypadki[] = {
        {"literowka w --oblicz", {"--obliczz", "x.pro"}, "Nieznana opcja: --obliczz"},
        {"literowka w --version", {"--versio"}, "Nieznana opcja: --versio"},
        {"nieznana przy obliczeniu", {"--oblicz", "x.pro", "--xml"}, "Nieznana opcja: --xml"},
        {"jedna kreska", {"-x"}, "Nieznana opcja: -x"},
        {"nieznana z wartoscia", {"--kolor=czerwony"}, "Nieznana opcja: --kolor=czerwony"},
        {"przelacznik z wartoscia",
         {"--oblicz", "x.pro", "--json=tak"},
         "Opcja --json nie przyjmuje wartości."},
        {"bez --oblicz", {"--json"}, "Brak opcji --oblicz PLIK.pro."},
        {"plik poza --oblicz",
         {"--oblicz", "a.pro", "--json", "b.pro"},
         "Nieoczekiwany argument „b.pro”: pliki projektów podaje się po --oblicz."},
        {"raport z dwoma plikami",
         {"--oblicz", "a.pro", "b.pro", "--raport", "r.pdf"},
         "Opcja --raport działa tylko z jednym plikiem projektu."},
        {"pauza przy obliczeniu",
         {"--oblicz", "a.pro", "--pauza", "5"},
         "Opcja --pauza dotyczy okna programu, nie obliczeń w wierszu poleceń."},
        {"opcja Qt przy obliczeniu",
         {"-platform", "xcb", "--oblicz", "a.pro"},
         "Opcja -platform dotyczy okna programu, nie obliczeń w wierszu poleceń."},
        {"zle wnetrze",
         {"--oblicz", "a.pro", "--wnetrze", "klasa5"},
         "Nieznana wartość --wnetrze: „klasa5” (dozwolone: stale, klasa1 … klasa4)."},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        const TWywolanie w = RozpoznajWywolanie(p.Argumenty);
        EXPECT_EQ(w.Rodzaj, TRodzajWywolania::Blad);
        EXPECT_EQ(w.Blad, p.Blad);
    }
}

TEST(OpcjeWiersza, PomocIWersjaWygrywajaZResztaWywolania) {
    struct {
        std::vector<std::string> Argumenty;
        TRodzajWywolania Rodzaj;
    } const przypadki[] = {
        {{"--version"}, TRodzajWywolania::Wersja},
        {{"--obliczz", "--version"}, TRodzajWywolania::Wersja},
        {{"--version", "--help"}, TRodzajWywolania::Pomoc},
        {{"-h"}, TRodzajWywolania::Pomoc},
        {{"--oblicz", "--help"}, TRodzajWywolania::Pomoc},
        {{"--", "--help"}, TRodzajWywolania::Okno}, // a project file named "--help"
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Argumenty.front() + " " + p.Argumenty.back());
        EXPECT_EQ(RozpoznajWywolanie(p.Argumenty).Rodzaj, p.Rodzaj);
    }
    EXPECT_EQ(TekstWersji(), "murolab " MUROLAB_WERSJA "\n");
    EXPECT_TRUE(std::regex_match(TekstWersji(), std::regex("murolab [0-9]+\\.[0-9]+(\\.[0-9]+)?\n")));
}

TEST(OpcjeWiersza, PauzaOkna) {
    struct {
        std::vector<std::string> Argumenty;
        std::optional<int> Pauza; // empty: refused with a message naming --pauza
    } const przypadki[] = {
        {{"--pauza", "0"}, 0},
        {{"--pauza=150", "p.pro"}, 150},
        {{"--pauza", " 40 "}, 40},
        {{"--pauza", "abc"}, std::nullopt},
        {{"--pauza", "-5"}, std::nullopt},
        {{"--pauza", "1.5"}, std::nullopt},
        {{"--pauza", "+5"}, std::nullopt},
        {{"--pauza", "99999999999"}, std::nullopt},
        {{"--pauza="}, std::nullopt},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Argumenty.back());
        const TWywolanie w = RozpoznajWywolanie(p.Argumenty);
        if (p.Pauza) {
            ASSERT_EQ(w.Rodzaj, TRodzajWywolania::Okno) << w.Blad;
            EXPECT_EQ(w.Opcje.Pauza, p.Pauza);
        } else {
            EXPECT_EQ(w.Rodzaj, TRodzajWywolania::Blad);
            EXPECT_NE(w.Blad.find("--pauza"), std::string::npos) << w.Blad;
        }
    }
}

TEST(OpcjeWiersza, OpcjeQtIPlikIdaDoOkna) {
    for (const auto& a : std::vector<std::vector<std::string>>{{"-platform", "offscreen", "p.pro"},
                                                               {"--style=fusion"},
                                                               {"-reverse", "p.pro"},
                                                               {"p.pro"},
                                                               {"--", "-dziwny.pro"}}) {
        SCOPED_TRACE(a.front());
        const TWywolanie w = RozpoznajWywolanie(a);
        EXPECT_EQ(w.Rodzaj, TRodzajWywolania::Okno) << w.Blad;
    }
}

} // namespace
