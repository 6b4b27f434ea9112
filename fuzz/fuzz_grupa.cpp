// A material group file: read whole or refused with an input-output error; every record read
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
    std::vector<TMaterial> materialy;
    try {
        materialy = WczytajMaterialy(plik);
    } catch (const BladWeWy&) {
        if (rozmiar % kRozmiarRekorduMaterialu == 0)
            std::abort(); // whole records never fail to read
        return 0;
    }
    if (materialy.size() != rozmiar / kRozmiarRekorduMaterialu)
        std::abort();
    for (const TMaterial& m : materialy) {
        const TRekordMaterialu r = KodujMaterial(m);
        if (KodujMaterial(DekodujMaterial(r)) != r)
            std::abort();
        (void)PorownajNazwy(m.Material.Cp1250(), materialy.front().Material.Cp1250());
    }
    if (!materialy.empty()) {
        const TPozycjaWGrupie p = SzukajPozycji(plik, materialy.back());
        if (p.Pozycja > materialy.size())
            std::abort();
    }
    return 0;
}
