// The saturation table: any file is read (or refused with a message when it ends in a partial
// record), then pressures and dew points are looked up over the whole range and beyond.

#include "PlikTymczasowy.h"
#include "core/Obliczenia.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

using namespace murolab;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    static const fuzz::TPlikTymczasowy tymczasowy("ula.dat");
    const std::string& plik = tymczasowy.Zapisz(dane, rozmiar);
    TTablicaNasycenia tablica{};
    int wczytane = -1;
    const auto blad = WczytajTabliceNasycenia(plik, tablica, &wczytane);
    const std::size_t cale = rozmiar / sizeof(double);
    const bool resztka =
        rozmiar % sizeof(double) != 0 && cale < static_cast<std::size_t>(kWpisyTablicyNasycenia);
    if (blad.has_value() != resztka)
        std::abort();
    if (!blad && wczytane != static_cast<int>(std::min<std::size_t>(cale, kWpisyTablicyNasycenia)))
        std::abort();
    for (double t : {-1e300, -40.0, -24.0, -0.5, 0.0, 12.3, 29.99, 30.0, 31.0, 1e300, std::nan("")})
        (void)CisnienieNasycenia(tablica, t);
    for (double p : {-1.0, 0.0, 1.0, 611.2, 2339.0, 4243.0, 1e300, std::nan("")})
        (void)PunktRosy(tablica, p);
    return 0;
}
