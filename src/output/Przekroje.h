#pragma once
// What the window and the report show of a partition with bridged or air layers, section by section:
// the list a sheet offers, the calculated partition and the moisture check of the section chosen,
// the results sheet's texts for it and the lines that describe the combined method. A homogeneous
// partition has no sections: every function then gives what the sheets showed before.

#include "core/AnalizaProjektu.h"
#include "core/Arkusz.h"
#include "core/Model.h"
#include "output/RaportLinie.h"
#include "output/TekstyKondensacji.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace murolab {

// The sections as a selector lists them ("przez Wełna mineralna 88 %", ...), in the analysis's
// order; empty for a homogeneous partition (no selector).
std::vector<std::string> NazwyPrzekrojow(const TAnalizaProjektu& analiza);
// The section shown before the user chooses one: the largest; 0 for a homogeneous partition.
std::size_t DomyslnyPrzekroj(const TAnalizaProjektu& analiza);

// The calculated partition that the profile, the charts and the tables show for section `przekroj`
// (`model` itself for a homogeneous partition or an index out of range), and its design condition.
const TModelProjektu& ModelPrzekrojuWidoku(const TModelProjektu& model, const TAnalizaProjektu& analiza,
                                           std::size_t przekroj);
const TAnalizaIso13788& WilgocPrzekrojuWidoku(const TAnalizaProjektu& analiza, std::size_t przekroj);

// The results sheet for section `przekroj`: its layers, profile, i and p are the section's; Uk and
// its parts are the partition's (U0 = 1/RT of the combined method); the surface verdict is that of
// the section with the coldest inner surface. For a homogeneous partition: ArkuszWynikow(model).
TArkuszWynikow ArkuszWynikowPrzekroju(const TModelProjektu& model, const TAnalizaProjektu& analiza,
                                      std::size_t przekroj, int ti, int te);

// The lines under the results: the combined method's (LiniePrzekrojow) for a partition with bridged
// or air layers, and the form of the fastener correction where there are fasteners. Empty for a
// homogeneous partition without fasteners.
std::vector<TLiniaWyniku> LinieWynikowNiejednorodnej(const TModelProjektu& model,
                                                     const TAnalizaProjektu& analiza);

// The chosen section on the sheet "Kondensacja i WT 2021": its own verdicts in one line, and its
// monthly table and Ma bars (the verdicts above stay the worst sections').
struct TWilgocPrzekroju {
    std::string Werdykty;
    TTekstyKondensacji Teksty;
};
TWilgocPrzekroju WilgocPrzekroju(const TAnalizaProjektu& analiza, std::size_t przekroj);

// Which sections the report's pages show for the verdicts they support, and the lines that go
// with them. Page 1 (the temperatures and the surface verdict): the section with the coldest inner
// surface; page 2 (the pressures): the one that condenses most at the design condition; page 3 (the
// moisture texts, which name their sections) lists every section's verdicts.
struct TRaportPrzekrojow {
    std::size_t Strona1 = 0;
    std::size_t Strona2 = 0;
    std::vector<TLiniaWyniku> Linie1; // the bridged and air layers, the limits, the refusal; the section
    std::vector<TLiniaWyniku> Linie2; // the section shown, then one line per other section
    std::vector<TLiniaWyniku> Linie3; // one line per section
};
TRaportPrzekrojow RaportPrzekrojow(const TModelProjektu& model, const TAnalizaNiejednorodna& analiza);

// The report's tables, verdict and results as WypelnijRaport fills them, for a partition with bridged
// or air layers from the sections of RaportPrzekrojow (the temperature table from the first page's,
// the pressure table from the second page's), Uk from the partition. A homogeneous partition's report
// is filled exactly as WypelnijRaport fills it.
void WypelnijRaportPrzekrojow(TRaport& raport, const TModelProjektu& model, const TAnalizaProjektu& analiza,
                              int ti, int te, std::string_view typPrzegrody);

} // namespace murolab
