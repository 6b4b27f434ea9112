#pragma once
// The command-line calculation: `murolab --oblicz A.pro [B.pro ...] [--json] [--raport RAPORT.pdf]`
// loads each project file, runs the checks of the calculate command on it, computes it and prints
// the results sheet, the moisture check and the summer figures (Polish text, or one JSON object per
// project). Needs no display; plain C++, so it is tested without a window. The options are in
// OpcjeWiersza.h, the text in TekstWiersza.h, the JSON in JsonWiersza.h; this is the run.

#include "app/OpcjeWiersza.h"
#include "core/AnalizaProjektu.h"
#include "core/Bledy.h"
#include "core/Iso13788.h"
#include "core/Lato.h"
#include "core/Model.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace murolab {

// Writes the report of a calculated model as PDF (ti, te decide the verdict and the warmer side;
// `analiza` is the analysis the command line printed: the moisture check for the third page, the
// sections of a bridged partition); returns an exit status. The report needs Qt, so the program
// passes it in and this library stays plain.
using TZapisRaportu = std::function<int(const TModelProjektu& model, int ti, int te,
                                        const TAnalizaProjektu& analiza, const std::string& pdf)>;

// Carries out a command line that RozpoznajWywolanie read (main decides the window with it before
// any Qt object exists): the usage or the version on `out`, a wrong command line on `err` with the
// usage, or the projects. Returns the exit status; `zapiszRaport` is called after the results when
// --raport is given. Results that cannot be written to `out` end with kKodBladPliku.
int UruchomWywolanie(const TWywolanie& wywolanie, const std::filesystem::path& katalogDanych,
                     std::ostream& out, std::ostream& err, const TZapisRaportu& zapiszRaport = {});

// The same from the arguments after the program's name (a window's command line is a wrong one here).
int UruchomWierszPolecen(const std::vector<std::string>& argumenty,
                         const std::filesystem::path& katalogDanych, std::ostream& out, std::ostream& err,
                         const TZapisRaportu& zapiszRaport = {});

// The first figure of the moisture check or the summer group that is not finite, named ("lato:
// Tlumienie"); nothing when all are. Such a project is no result: exit 1, as for the sheet's numbers.
TBlad NieskonczonyWynikWilgoci(const TAnalizaIso13788& analiza, const std::optional<TLato>& lato);

} // namespace murolab
