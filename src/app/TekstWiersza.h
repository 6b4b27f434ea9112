#pragma once
// The command line's text output: the results sheet as Polish tables, then the moisture check, the
// WT 2021 verdict and the summer figures in the very lines the sheet "Kondensacja i WT 2021" and the
// report show (output/TekstyKondensacji.h); only the layout is the command line's.

#include "core/AnalizaProjektu.h"
#include "core/Arkusz.h"
#include "core/Iso13788.h"
#include "core/Lato.h"
#include "core/Model.h"

#include <optional>
#include <string>

namespace murolab {

// The results sheet of a calculated model: the working conditions, the layer table, the profile
// table, Uk with its parts, i, p and the surface verdict (its runs of spaces made single).
std::string TabelaTekstowa(const TModelProjektu& model, const TArkuszWynikow& arkusz);

// The sections after the sheet: for bridged or air layers the combined method and its sections, then
// the design condition with the pressures at the interfaces, the year (monthly table and verdict),
// fRsi, WT 2021 and the summer group.
std::string TekstWilgotnosciowy(const TModelProjektu& model, const TAnalizaProjektu& analiza);

// All of one project: "Projekt: PLIK", the sheet, the lines under its verdict (as the results sheet
// shows them), then TekstWilgotnosciowy. Appended to `cel`.
void DopiszTekstProjektu(std::string& cel, const std::string& plik, const TModelProjektu& model,
                         const TArkuszWynikow& arkusz, const TAnalizaProjektu& analiza);

} // namespace murolab
