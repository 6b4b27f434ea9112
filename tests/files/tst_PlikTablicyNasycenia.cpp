// ula.dat as a file: the bundled one loads, anything else is refused with the file's name and
// leaves the table as it was, and a FIFO in its place does not hang the program.
#include "core/Przygotowanie.h"
#include "files/PlikTablicyNasycenia.h"

#include <gtest/gtest.h>

#include <bit>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

using namespace murolab;
using namespace murolab::test;

namespace {

TEST(PlikTablicyNasycenia, DolaczonyPlikWczytujeSieAInneSaOdrzucane) {
    TKatalogTymczasowy katalog;
    std::ofstream(katalog.Plik("krotki.dat"), std::ios::binary) << std::string(80, '\x40');
    std::ifstream dolaczony(MUROLAB_DANE_ZRODLOWE "/ula.dat", std::ios::binary);
    const std::string tablica{std::istreambuf_iterator<char>(dolaczony), std::istreambuf_iterator<char>()};
    ASSERT_EQ(tablica.size(), 440u);
    std::ofstream(katalog.Plik("dluzszy.dat"), std::ios::binary) << tablica << std::string(9, '\0');
    std::ofstream(katalog.Plik("duzy.dat"), std::ios::binary) << tablica << std::string(100000, '\0');
    // The first entry (-24 degC) replaced: a subnormal number, and a table in kPa (0,07).
    const auto zPierwszym = [&](const char* nazwa, double pierwszy) {
        std::string b = tablica;
        const auto bity = std::bit_cast<std::uint64_t>(pierwszy);
        for (int i = 0; i < 8; ++i)
            b[static_cast<std::size_t>(i)] = static_cast<char>(bity >> (8 * i));
        std::ofstream(katalog.Plik(nazwa), std::ios::binary) << b;
        return katalog.Plik(nazwa);
    };
    ASSERT_EQ(::mkfifo(katalog.Plik("kolejka.dat").c_str(), 0644), 0);
    struct {
        const char* Nazwa;
        std::string Plik;
        const char* Powod; // nullptr: loaded
    } const przypadki[] = {
        {"dolaczony ula.dat", MUROLAB_DANE_ZRODLOWE "/ula.dat", nullptr},
        {"brak pliku", katalog.Plik("brak.dat"), "nie ma takiego pliku"},
        {"10 wpisow", katalog.Plik("krotki.dat"),
         "nie jest poprawną tablicą ciśnień nasycenia: ma 80 bajtów"},
        {"FIFO", katalog.Plik("kolejka.dat"), "kolejka (FIFO)"},
        // The one size is named, however long the file.
        {"449 bajtow", katalog.Plik("dluzszy.dat"),
         "ma 449 bajtów, a tablica ciśnień nasycenia to 55 liczb po 8 "
         "bajtów (440 bajtów)"},
        {"100 kB", katalog.Plik("duzy.dat"),
         "ma 100440 bajtów, a tablica ciśnień nasycenia to 55 liczb po 8 bajtów "
         "(440 bajtów)"},
        {"liczba podnormalna", zPierwszym("podnormalna.dat", 5e-324), "jest mniejszy niż 0,1 hPa"},
        {"tablica w kPa", zPierwszym("kpa.dat", 0.07),
         "wpis 0 (-24 °C) = 0,07 hPa jest mniejszy niż 0,1 hPa"},
        {"katalog", katalog.Sciezka().string(), "katalog"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        TTablicaNasycenia t{};
        const auto blad = WczytajTabliceNasycenia(p.Plik, t);
        if (!p.Powod) {
            EXPECT_FALSE(blad.has_value()) << *blad;
            EXPECT_EQ(t[20 + 24], 23.37);
            continue;
        }
        ASSERT_TRUE(blad.has_value());
        EXPECT_NE(blad->find("„" + p.Plik + "”"), std::string::npos) << *blad;
        EXPECT_NE(blad->find(p.Powod), std::string::npos) << *blad;
        EXPECT_EQ(t[20 + 24], 0) << "the table stays as it was";
    }
}

} // namespace
