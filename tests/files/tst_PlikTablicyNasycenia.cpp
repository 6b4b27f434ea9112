// ula.dat as a file: the bundled one loads, anything else is refused with the file's name and
// leaves the table as it was, and a FIFO in its place does not hang the program.
#include "core/Przygotowanie.h"
#include "files/PlikTablicyNasycenia.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

using namespace murolab;
using namespace murolab::test;

namespace {

TEST(PlikTablicyNasycenia, DolaczonyPlikWczytujeSieAInneSaOdrzucane) {
    TKatalogTymczasowy katalog;
    std::ofstream(katalog.Plik("krotki.dat"), std::ios::binary) << std::string(80, '\x40');
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
