#pragma once
// Everything the moisture check adds to a calculated partition: the condensation at the design
// condition, the year of monthly means (when a climate is chosen), the surface factor and the
// WT 2021 verdict. A plain function of the model, used by the command line, the sheet and the report.

#include "core/Klimat.h"
#include "core/Kondensacja.h"
#include "core/Model.h"
#include "core/WT2021.h"

#include <optional>
#include <string>

namespace murolab {

struct TAnalizaIso13788 {
    TStanDyfuzji Projektowe;            // at the working conditions' ti, phi_i, te, phi_e
    std::optional<TRokKondensacji> Rok; // with a climate only
    std::string Klimat;                 // the climate as chosen (a name or a path); empty without one
    std::string Stacja;                 // the climate file's station
    TWnetrze Wnetrze;
    TFRsi FRsi;
    TOcenaWT WT;
};

// `model` must hold the results of ObliczPrzegrode (Uk is read from them). `klimat` may be null;
// `wiersz` is the chosen WT row (see DomyslnyWierszWT).
TAnalizaIso13788 AnalizujIso13788(const TModelProjektu& model, const TKlimat* klimat,
                                  const std::string& nazwaKlimatu, TWnetrze wnetrze, const TWierszWT& wiersz);

} // namespace murolab
