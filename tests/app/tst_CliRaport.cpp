// The program itself, started as a user would: `--oblicz P.pro --raport R.pdf` writes the window's
// three pages, and the third one holds the moisture check the command line prints, with the
// options beating the choices stored in the project.
#include "Pomoc.h"
#include "files/RekordProjektu.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <vector>

using namespace murolab;
using namespace murolab::test;

namespace {

// Standard output of a shell command; the test fails when it does not end with status 0.
std::string Wyjscie(const std::string& polecenie) {
    std::string wynik;
    FILE* potok = ::popen(polecenie.c_str(), "r");
    if (!potok) {
        ADD_FAILURE() << "popen: " << polecenie;
        return wynik;
    }
    std::array<char, 4096> bufor{};
    while (const std::size_t n = std::fread(bufor.data(), 1, bufor.size(), potok))
        wynik.append(bufor.data(), n);
    EXPECT_EQ(::pclose(potok), 0) << polecenie;
    return wynik;
}

std::string Cytat(const std::string& s) {
    return "'" + s + "'";
}

TEST(RaportWiersza, TrzeciaStronaTaSamaCoWydrukWilgotnosciowy) {
    TKatalogProjektow k;
    std::ofstream(k.Plik("mroz.csv")) << "# Stacja próbna\nmiesiąc;temp;wilgotnosc\n"
                                         "1;-12;85\n2;-10;85\n3;-3;80\n4;5;75\n5;12;70\n6;16;70\n"
                                         "7;18;70\n8;17;75\n9;12;80\n10;6;85\n11;0;85\n12;-6;85\n";
    TModelProjektu zapisany = ScianaZWelna();
    zapisany.Iso13788.Klimat = "Opole";
    zapisany.Iso13788.Wnetrze = "klasa3";
    EXPECT_EQ(ZapiszBajtyProjektu(k.Plik("opole.pro"), KodujProjekt(zapisany)), std::nullopt);
    const std::string bezWyboru = k.Projekt("welna.pro", ScianaZWelna());

    struct {
        const char* Nazwa;
        std::vector<std::string> Argumenty;
        std::vector<std::string> Sa;    // on page 3
        std::vector<std::string> NieMa; // nowhere on page 3
    } const przypadki[] = {
        {"bez klimatu: warunki obliczeniowe, U i fRsi",
         {bezWyboru},
         {"Kondensacja wewnątrz przegrody: styk warstw 2 i 3",
          "Bilans roczny (12 miesięcy) nie został obliczony: nie wybrano klimatu.",
          "fRsi przegrody = ", "Wiersz WT 2021: Ściany zewnętrzne",
          "Kondensacja międzywarstwowa w ciągu roku: nie sprawdzono (nie wybrano klimatu)",
          // 15 cm of wool misses Umax: the whole fails without a climate, and says why.
          "Wymagania WT 2021: nie spełnia", "Niespełnione: Uk ≤ Umax"},
         {"styczeń", "Ma,max", "wybierz", "nie oceniono w całości"}},
        {"wybór zapisany w projekcie",
         {k.Plik("opole.pro")},
         {"Klimat: Opole; wnętrze: klasa wilgotności 3", "styczeń", "grudzień",
          "Ma,max = ", "Ocena roczna: ", "Wiersz WT 2021: Ściany zewnętrzne", "Wymagania WT 2021: "},
         {"nie wybrano klimatu"}},
        {"opcje biją wybór zapisany",
         {k.Plik("opole.pro"), "--klimat", k.Plik("mroz.csv"), "--wnetrze", "stale", "--wiersz-wt", "dach"},
         {"Klimat: Stacja próbna; wnętrze: stałe", "styczeń", "-12,0", "Ma,max = ", "Wiersz WT 2021: Dachy",
          "Kondensacja międzywarstwowa w ciągu roku: ", "Wymagania WT 2021: "},
         {"Opole", "klasa wilgotności 3", "nie wybrano klimatu"}},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        const std::string pdf = k.Plik("raport.pdf");
        std::remove(pdf.c_str());
        std::string argumenty;
        for (const std::string& a : p.Argumenty)
            argumenty += " " + Cytat(a);
        // The program's own status is kept apart from the shell's: its text output goes nowhere.
        const std::string wyjscie = Wyjscie(Cytat(MUROLAB_PROGRAM) + " --oblicz" + argumenty + " --raport " +
                                            Cytat(pdf) + " >/dev/null");
        EXPECT_EQ(wyjscie, "");
        const std::string info = Wyjscie("pdfinfo " + Cytat(pdf));
        EXPECT_NE(info.find("Pages:           3\n"), std::string::npos) << info;
        const std::string strona3 = Wyjscie("pdftotext -f 3 -l 3 " + Cytat(pdf) + " -");
        for (const std::string& s : p.Sa)
            EXPECT_NE(strona3.find(s), std::string::npos) << "„" << s << "” missing in:\n" << strona3;
        for (const std::string& s : p.NieMa)
            EXPECT_EQ(strona3.find(s), std::string::npos) << "„" << s << "” in:\n" << strona3;
    }
}

} // namespace

namespace {

// The summary's report from the program itself: the rows, a broken project's reason, the exit
// status of the worst row, and the report still written.
TEST(RaportWiersza, ZestawieniePdfZProgramu) {
    TKatalogProjektow k;
    TModelProjektu m = ScianaZWelna();
    m.WarunkiPracy.DeltaUk = 0.05;
    m.DaneProjektu.Obiekt.UstawUtf8("Ściana ogrodu zimowego");
    EXPECT_EQ(ZapiszBajtyProjektu(k.Plik("a.pro"), KodujProjekt(m)), std::nullopt);
    std::ofstream(k.Plik("zly.pro")) << "śmieci";
    const std::string pdf = k.Plik("zestawienie.pdf");
    const int kod = std::system((std::string("QT_QPA_PLATFORM=offscreen ") + MUROLAB_PROGRAM +
                                 " --zestawienie " + Cytat(k.Plik("a.pro")) + " " + Cytat(k.Plik("zly.pro")) +
                                 " --raport " + Cytat(pdf) + " >/dev/null 2>&1")
                                    .c_str());
    ASSERT_TRUE(WIFEXITED(kod));
    EXPECT_EQ(WEXITSTATUS(kod), 2) << "an unreadable project";
    const std::string tekst = Wyjscie("pdftotext -layout " + Cytat(pdf) + " -");
    for (const char* fragment : {"Zestawienie przegród", "Ściana ogrodu zimowego", "zly.pro", "błąd pliku",
                                 "Objaśnienia", "Strona 1 z 1"})
        EXPECT_NE(tekst.find(fragment), std::string::npos) << fragment << "\n" << tekst;
}

} // namespace
