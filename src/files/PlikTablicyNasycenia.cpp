#include "files/PlikTablicyNasycenia.h"

#include "core/Obliczenia.h"
#include "files/ZapisAtomowy.h"

#include <sys/stat.h>

namespace murolab {

TBlad WczytajTabliceNasycenia(const std::string& plik, TTablicaNasycenia& tablica) {
    const auto odmowa = [&](const std::string& powod) {
        return "Plik „" + plik + "” nie jest poprawną tablicą ciśnień nasycenia: " + powod + ".";
    };
    // The table has one size: a regular file of any other is refused by it, before it is read,
    // with the size the table has (the reader's own message would name its limit instead).
    constexpr std::uint64_t kRozmiar = kWpisyTablicyNasycenia * 8;
    struct stat stan {};
    if (::stat(plik.c_str(), &stan) == 0 && S_ISREG(stan.st_mode) &&
        static_cast<std::uint64_t>(stan.st_size) != kRozmiar)
        return odmowa("ma " + std::to_string(stan.st_size) + " bajtów, a tablica ciśnień nasycenia to " +
                      std::to_string(kWpisyTablicyNasycenia) + " liczb po 8 bajtów (" +
                      std::to_string(kRozmiar) + " bajtów)");
    auto bajty = CzytajPlikRegularny(plik, kRozmiar);
    if (const std::string* blad = Niepowodzenie(bajty))
        return *blad;
    if (auto blad = DekodujTabliceNasycenia(std::get<std::vector<std::uint8_t>>(bajty), tablica))
        return odmowa(*blad);
    return std::nullopt;
}

} // namespace murolab
