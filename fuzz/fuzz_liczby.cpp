// Numbers as the user types them: any text converts or is refused with the conversion error, the
// two forms of each conversion agree, and a converted number is finite and reads back from the
// program's own notation.

#include "core/Liczby.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace murolab;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    const std::string_view tekst(reinterpret_cast<const char*>(dane), rozmiar);

    double liczba = 0;
    const bool jestLiczba = ProbujNaLiczbe(tekst, liczba);
    try {
        const double v = NaLiczbe(tekst);
        if (!jestLiczba || !(v == liczba || (std::isnan(v) && std::isnan(liczba))))
            std::abort();
    } catch (const BladKonwersji&) {
        if (jestLiczba)
            std::abort();
    }
    if (jestLiczba) {
        if (!std::isfinite(liczba))
            std::abort();
        double z = 0;
        if (!ProbujNaLiczbe(Ogolny(liczba), z))
            std::abort();
        (void)Staly(liczba, 15, 4);
    }

    std::int32_t calkowita = 0;
    const bool jestCalkowita = ProbujNaCalkowita(tekst, calkowita);
    try {
        if (NaCalkowita(tekst) != calkowita || !jestCalkowita)
            std::abort();
    } catch (const BladKonwersji&) {
        if (jestCalkowita)
            std::abort();
    }
    if (jestCalkowita) {
        std::int32_t z = 0;
        if (!ProbujNaCalkowita(Calkowita(calkowita), z) || z != calkowita)
            std::abort();
    }
    return 0;
}
