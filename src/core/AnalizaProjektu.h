#pragma once
// Everything the program computes after the calculation pass, in one call: the moisture check
// (the design condition, the year when a climate is given, fRsi, the WT 2021 verdict) and the summer
// figures. The window's calculate command and the command line both call AnalizujProjekt, so what
// the sheet, the report and the printed text show cannot come from two different computations.

#include "core/Iso13788.h"
#include "core/Klimat.h"
#include "core/Kondensacja.h"
#include "core/Lato.h"
#include "core/Model.h"
#include "core/Niejednorodna.h"
#include "core/WT2021.h"

#include <optional>
#include <string>
#include <vector>

namespace murolab {

// The choices of one analysis. The climate is read by the caller (files/PlikKlimatu.h): the analysis
// itself touches no file.
struct TWyborAnalizy {
    const TKlimat* Klimat = nullptr;   // null: no climate, the year is not checked
    std::string NazwaKlimatu;          // as chosen (a name or a path), for the texts
    TWnetrze Wnetrze;                  // the indoor air over the year
    const TWierszWT* Wiersz = nullptr; // null: the row that follows the partition type
};

struct TAnalizaProjektu {
    // For a partition with bridged or air layers each check is the worst section's (named in
    // Niejednorodna), and the WT 2021 verdict is the partition's.
    TAnalizaIso13788 Wilgoc;
    // The summer figures; empty when a layer lacks its density or heat capacity (listed in
    // WarstwyBezDanychLata) or when a figure came out not finite (named in NieskonczoneLato).
    std::optional<TLato> Lato;
    std::vector<int> WarstwyBezDanychLata;
    std::string NieskonczoneLato; // e.g. "|Y12|"; empty when every figure is finite; for bridged or
                                  // air layers, those of the largest section
    // Only for a partition with bridged or air layers: the combined method and every section's checks.
    std::optional<TAnalizaNiejednorodna> Niejednorodna;
    // The layers the moisture results are given for: fewer than the partition's when a well-ventilated
    // air layer ends it.
    int LiczbaWarstwWilgoci = 0;
};

// `model` must hold the results of ObliczPrzegrode for its current layers and working conditions
// (Uk and the layers are read from it); the analysis neither changes nor recalculates it.
TAnalizaProjektu AnalizujProjekt(const TModelProjektu& model, const TWyborAnalizy& wybor);

// The choices stored with the project (TUstawieniaIso13788), as the window uses them: an unknown or
// empty indoor key is "stale", an unknown or empty row is the one of the partition type.
TWnetrze WnetrzeProjektu(const TModelProjektu& model);
const TWierszWT& WierszWTProjektu(const TModelProjektu& model);

// The first summer figure that is not a finite number ("U", "|Y12|", "f", "Δt", "κ1", "κ2",
// "|Y11|"), or empty.
std::string NieskonczonaWartoscLata(const TLato& lato);

} // namespace murolab
