// Climate files: any text is either refused with a message naming the place, or read into twelve
// months whose values lie within the limits the reader promises.

#include "core/Klimat.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>

using namespace murolab;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    const std::string_view tekst(reinterpret_cast<const char*>(dane), rozmiar);
    const auto wynik = CzytajKlimat(tekst, "fuzz.csv");
    if (const std::string* blad = Niepowodzenie(wynik)) {
        if (blad->empty())
            std::abort();
        return 0;
    }
    for (const auto& m : std::get<TKlimat>(wynik).Miesiace)
        if (!(m.Temp >= -50 && m.Temp <= 50 && m.Wilgot >= 1 && m.Wilgot <= 100))
            std::abort();
    return 0;
}
