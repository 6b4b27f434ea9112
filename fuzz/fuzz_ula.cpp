// The saturation table: any bytes are decoded (accepted only as 55 finite, positive, increasing
// values, otherwise refused with a message), then pressures and dew points are looked up over the
// whole range and beyond in whatever table resulted.

#include "core/Obliczenia.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <span>

using namespace murolab;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    TTablicaNasycenia tablica{};
    const auto blad = DekodujTabliceNasycenia(std::span<const std::uint8_t>(dane, rozmiar), tablica);
    // Only a table of exactly 55 entries can be accepted, and an accepted one passes the checks.
    if (!blad && rozmiar != sizeof(double) * kWpisyTablicyNasycenia)
        std::abort();
    if (!blad && SprawdzTabliceNasycenia(tablica))
        std::abort();
    for (double t : {-1e300, -40.0, -24.0, -0.5, 0.0, 12.3, 29.99, 30.0, 31.0, 1e300, std::nan("")})
        (void)CisnienieNasycenia(tablica, t);
    for (double p : {-1.0, 0.0, 1.0, 611.2, 2339.0, 4243.0, 1e300, std::nan("")})
        (void)PunktRosy(tablica, p);
    return 0;
}
