#include "catalogue/Grupy.h"

#include <stdexcept>

namespace murolab {

const TGrupaMaterialow* GrupaPoNazwie(std::string_view nazwa) {
    for (const auto& grupa : kGrupyMaterialow)
        if (grupa.Nazwa == nazwa)
            return &grupa;
    return nullptr;
}

const TGrupaMaterialow* GrupaPoZnaczniku(std::string_view znacznik) {
    for (const auto& grupa : kGrupyMaterialow)
        if (grupa.Znacznik == znacznik)
            return &grupa;
    return nullptr;
}

std::string PlikGrupy(std::string_view znacznik) {
    const TGrupaMaterialow* grupa = GrupaPoZnaczniku(znacznik);
    if (grupa == nullptr)
        throw std::invalid_argument("Nieznana grupa materiałów: " + std::string(znacznik));
    return std::string(grupa->Plik);
}

} // namespace murolab
