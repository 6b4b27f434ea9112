// A material group file: read whole or refused with its message; every record read
// encodes and decodes to itself; looking up a name runs over any file.

#include "PlikTymczasowy.h"
#include "catalogue/PlikGrupy.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

using namespace murolab;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    static const fuzz::TPlikTymczasowy tymczasowy("grupa.ath");
    const std::string& plik = tymczasowy.Zapisz(dane, rozmiar);
    auto wczytane = WczytajMaterialy(plik);
    if (Niepowodzenie(wczytane))
        return 0; // a fragment of a record, or a record with a number no material has
    const auto& materialy = std::get<std::vector<TMaterial>>(wczytane);
    if (materialy.size() != rozmiar / kRozmiarRekorduMaterialu)
        std::abort();
    for (const TMaterial& m : materialy) {
        const TRekordMaterialu r = KodujMaterial(m);
        if (KodujMaterial(DekodujMaterial(r)) != r)
            std::abort();
        (void)PorownajNazwy(m.Material.Cp1250(), materialy.front().Material.Cp1250());
    }
    if (!materialy.empty()) {
        const auto p = SzukajPozycji(plik, materialy.back());
        if (Niepowodzenie(p) || std::get<TPozycjaWGrupie>(p).Pozycja > materialy.size())
            std::abort();
    }
    return 0;
}
