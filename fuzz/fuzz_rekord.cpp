// The project file: any bytes are either refused with a message or decoded into content that
// encodes and decodes again to the same record.

#include "files/RekordProjektu.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <variant>

using namespace murolab;

namespace {
TModelProjektu Model(const TZawartoscProjektu& z) {
    TModelProjektu m;
    m.Warstwy = z.Warstwy;
    m.WarunkiPracy = z.WarunkiPracy;
    m.LiczbaWarstw = z.LiczbaWarstw;
    return m;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    const auto wynik = DekodujRekord(std::span<const std::uint8_t>(dane, rozmiar));
    if (const auto* blad = std::get_if<std::string>(&wynik)) {
        if (blad->empty())
            std::abort(); // a refusal always says why
        return 0;
    }
    const TRekordProjektu pierwszy = KodujRekord(Model(std::get<TZawartoscProjektu>(wynik)));
    const auto ponownie = DekodujRekord(pierwszy);
    if (!std::holds_alternative<TZawartoscProjektu>(ponownie))
        std::abort(); // what the program writes it must read
    if (KodujRekord(Model(std::get<TZawartoscProjektu>(ponownie))) != pierwszy)
        std::abort();
    return 0;
}
