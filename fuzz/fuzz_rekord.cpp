// The project file, its extension block included: any bytes are either refused with a message or
// decoded into content that encodes and decodes again to the same file.

#include "files/RekordProjektu.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <variant>
#include <vector>

using namespace murolab;

namespace {
TModelProjektu Model(const TZawartoscProjektu& z) {
    TModelProjektu m;
    PrzeniesDoModelu(z, m);
    return m;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    const auto wynik = DekodujRekord(std::span<const std::uint8_t>(dane, rozmiar));
    if (const std::string* blad = Niepowodzenie(wynik)) {
        if (blad->empty())
            std::abort(); // a refusal always says why
        return 0;
    }
    const std::vector<std::uint8_t> pierwszy = KodujProjekt(Model(std::get<TZawartoscProjektu>(wynik)));
    const auto ponownie = DekodujRekord(pierwszy);
    if (!std::holds_alternative<TZawartoscProjektu>(ponownie))
        std::abort(); // what the program writes it must read
    if (KodujProjekt(Model(std::get<TZawartoscProjektu>(ponownie))) != pierwszy)
        std::abort();
    return 0;
}
