#include "files/PlikTablicyNasycenia.h"

#include "core/Obliczenia.h"
#include "files/ZapisAtomowy.h"

namespace murolab {

TBlad WczytajTabliceNasycenia(const std::string& plik, TTablicaNasycenia& tablica) {
    // A little more than the table, so that a longer file is refused for its size, not cut.
    auto bajty = CzytajPlikRegularny(plik, kWpisyTablicyNasycenia * 8 + 8);
    if (const std::string* blad = Niepowodzenie(bajty))
        return *blad;
    if (auto blad = DekodujTabliceNasycenia(std::get<std::vector<std::uint8_t>>(bajty), tablica))
        return "Plik „" + plik + "” nie jest poprawną tablicą ciśnień nasycenia: " + *blad + ".";
    return std::nullopt;
}

} // namespace murolab
